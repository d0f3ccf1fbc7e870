// Bounding rectangles of paths, point ranges and the point groups of edit frames. The
// bounds start from the first point of the range, so negative and large coordinates count.
#include <algorithm>
#include <cstdint>

#include "core/geometry/saturate.h"
#include "core/path/region_members.h"
#include "core/path/stroke_path.h"
#include "core/record/edit_regions.h"

CFPoint CStrokePath::GetBoundsOfRange(CFRect& rect, int first, int last, std::span<int> extremes) const {
  ClipRange(first, last);
  int ext[4] = {first, first, first, first};  // min y, min x, max y, max x
  if (first >= last) {
    rect = CFRect(0, 0, 0, 0);
  } else {
    CFPoint lo = m_pPoints[first];
    CFPoint hi = lo;
    for (int j = first + 1; j < last; ++j) {
      const CFPoint& p = m_pPoints[j];
      if (p.y <= lo.y) lo.y = p.y, ext[0] = j;
      if (p.x <= lo.x) lo.x = p.x, ext[1] = j;
      if (p.y > hi.y) hi.y = p.y, ext[2] = j;
      if (p.x > hi.x) hi.x = p.x, ext[3] = j;
    }
    rect = CFRect(lo.x, lo.y, hi.x, hi.y);
  }
  for (size_t k = 0; k < 4 && k < extremes.size(); ++k) extremes[k] = ext[k];
  return CFPoint(static_cast<float>(rect.left + double(rect.Width()) / 2),
                 static_cast<float>(rect.top + double(rect.Height()) / 2));
}

CFPoint CStrokePath::GetBoundsWithExtremes(CFRect& rect, std::span<int> extremes) const {
  return GetBoundsOfRange(rect, 0, m_nCount, extremes);
}

CFPoint CStrokePath::GetBounds(CFRect& rect) const { return GetBoundsOfRange(rect, 0, m_nCount, {}); }

void CStrokePath::GetIntBoundingRect(tmb::Rect& rect) const {
  CFRect r;
  GetBounds(r);
  tmb::Point lo = CFPoint(r.left, r.top).RoundToPoint();
  tmb::Point hi = CFPoint(r.right, r.bottom).RoundToPoint();
  rect = {lo.x, lo.y, hi.x, hi.y};
}

tmb::Point CStrokePath::GetRangeBoundsAndCentre(tmb::Rect& rect, int first, int last) const {
  CFRect r;
  GetBoundsOfRange(r, first, last, {});
  // The narrowing truncates toward zero.
  rect = {SaturateToInt(double(r.left)), SaturateToInt(double(r.top)), SaturateToInt(double(r.right)),
          SaturateToInt(double(r.bottom))};
  // Half the size in integers, taken in 64 bits: a rectangle across the whole int range
  // has no int width.
  return {SaturateToInt(int64_t{rect.left} + (int64_t{rect.right} - rect.left) / 2),
          SaturateToInt(int64_t{rect.top} + (int64_t{rect.bottom} - rect.top) / 2)};
}

void CStrokePath::GroupBounds(CEditRegions& regions, const CRegionMembers& members) const {
  int frames = std::clamp(regions.m_nCount, 0, kEditRegionCount);
  int entries = std::clamp(members.m_nCount, 0, CRegionMembers::kMaxEntries);
  for (int f = 0; f < frames; ++f) {
    bool any = false;
    tmb::Rect box;
    for (int k = 0; k < entries; ++k) {
      const CRegionMember& m = members.m_entries[k];
      int first = m.first;
      int last = m.last;
      ClipRange(first, last);
      if (m.region != f || first >= last) continue;
      tmb::Rect r;
      GetRangeBoundsAndCentre(r, first, last);
      box = any ? tmb::Rect{std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
                            std::max(box.bottom, r.bottom)}
                : r;
      any = true;
    }
    regions.m_rects2[f] = any ? box : regions.m_rects[f];
  }
}
