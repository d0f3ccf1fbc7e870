#include "convert/passes/link_decision.h"

#include "convert/analysis/corner_detection.h"
#include "convert/analysis/link_kind.h"
#include "convert/analysis/loop_marks.h"
#include "convert/analysis/mark_extent.h"
#include "convert/driver/marker_list.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kCursiveDegree = 0;
constexpr int kBrushVein = 1;
constexpr int kLinkReach = 2;
constexpr int kLeastReach = 2;
// Strong and weak links need a reach above this.
constexpr int kSizedLinkReach = 12;
// From this reach weak links are no longer bounded by the mark's size.
constexpr int kUnboundedWeakReach = 31;
// Strong links reach four times as far.
constexpr double kStrongLimitFactor = 16;
// A start up and to the left links within a third of the reach.
constexpr double kUpLeftLimitFactor = 9;
// The reference copy marks the start of a strong link for the main linking pass.
constexpr uint8_t kReferenceStrongStart = 4;

// The squared size bound of the mark holding point j; -1 for a point in no mark, which
// has no size to link by.
double SizeLimit(const CStrokeWork& path, int j, int reach) {
  CMarkExtent mark;
  if (!FindMarkExtent(path, j, mark)) return -1;
  const int64_t size = (mark.width > mark.height ? mark.width : mark.height) / 4;
  const double q = double(size) * reach / 5;
  return q * q;
}

}  // namespace

int DecideLinks(CStrokeWork& path, CStrokeWork& reference) {
  if (path.m_param[kCursiveDegree] == 0 && path.m_param[kBrushVein] == 0) return 1;
  gMarkers.EnablePosting(0);
  const int m = path.m_param[kLinkReach];
  const double r = m >= 3 ? m : kLeastReach;
  const double lim = (2 * r) * (2 * r);
  uint8_t* flags = path.m_pFlags;
  for (int j = 0; j + 1 < path.GetCount(); ++j) {
    const uint8_t flag = flags[j + 1];
    if (flag == 0 || flag == kFlagCorner || flag == kFlagLoopEntry || flag == kFlagLoopExit) continue;
    const double gx = double(path.m_pPoints[j + 1].x) - path.m_pPoints[j].x;
    const double gy = double(path.m_pPoints[j + 1].y) - path.m_pPoints[j].y;
    const double d2 = gx * gx + gy * gy;
    bool link;
    if (flag == kFlagStrongLink) {
      link = m > kSizedLinkReach && kStrongLimitFactor * lim > d2 && SizeLimit(path, j, m) > d2;
      if (link && j + 1 < reference.GetCount()) reference.m_pFlags[j + 1] = kReferenceStrongStart;
    } else if (flag == kFlagWeakLink || flag == kFlagWeakLinkAfterFall) {
      link = m > kSizedLinkReach && lim > d2;
      if (link) {
        const double q = SizeLimit(path, j, m);
        link = q >= 0 && (m >= kUnboundedWeakReach || q > d2);
      }
    } else if (gx >= 0 || gy >= 0) {
      link = lim > d2;
    } else {
      link = lim > kUpLeftLimitFactor * d2;
    }
    if (link) flags[j + 1] = 0;
  }
  return 1;
}
