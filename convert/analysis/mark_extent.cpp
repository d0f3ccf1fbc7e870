#include "convert/analysis/mark_extent.h"

#include <algorithm>

#include "convert/driver/analysis_overlay.h"
#include "core/geometry/rect_helpers.h"
#include "core/path/stroke_path.h"

namespace {

// The part of a mark that carries its run's last point and its flag word.
constexpr int kLastPart = 3;

}  // namespace

int64_t RectLongerSide(const tmb::Rect& r) { return std::max(RectWidth64(r), RectHeight64(r)); }

bool FindMarkExtent(const CStrokePath& path, int i, CMarkExtent& out) {
  const int mark = gAnalysisOverlay.FindEntryOfPoint(i);
  if (mark < 0) return false;
  const COverlayPart& part = gAnalysisOverlay.m_marks[mark].parts[kLastPart];
  const tmb::Rect& r = part.rect;
  // The overlay may have been built for a longer path than the one the pass is given.
  out.last = std::clamp(part.last, i, std::max(i, path.GetCount() - 1));
  out.width = RectWidth64(r);
  out.height = RectHeight64(r);
  out.left = r.left;
  out.centre =
      CFPoint(static_cast<float>((double(r.left) + r.right) / 2), static_cast<float>((double(r.top) + r.bottom) / 2));
  out.flagWord = part.spare;
  return true;
}
