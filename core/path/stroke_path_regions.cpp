// Editing a path by rectangle and matching its strokes to edit frames.
#include <algorithm>

#include "core/geometry/point_distance.h"
#include "core/path/region_members.h"
#include "core/path/stroke_path.h"
#include "core/record/edit_regions.h"

namespace {

// Inside the rectangle, right and bottom edges left out.
bool Inside(const tmb::Rect& r, const CFPoint& p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

constexpr double kPickDistance2 = 64.0;  // a point within 8 units is picked

}  // namespace

void CStrokePath::FindStrokesInRect(const tmb::Rect& rect, int& first, int& last) const {
  int firstInside = -1;
  int lastInside = -1;
  for (int i = 0; i < m_nCount; ++i) {
    if (!Inside(rect, m_pPoints[i])) continue;
    if (firstInside < 0) firstInside = i;
    lastInside = i;
  }
  if (firstInside < 0) {
    first = last = 0;
    return;
  }
  first = FindStrokeStart(firstInside);
  last = FindStrokeEnd(lastInside) + 1;
}

int CStrokePath::EditPointsInRect(const tmb::Rect& rect, int mode, const CFPoint& pt, int markNext) {
  if (mode == 1) {
    int first = 0, last = 0;
    FindStrokesInRect(rect, first, last);
    DeleteRange(first, last);
    return 1;
  }
  if (mode != 0 && mode != 2) return 1;
  CStrokePath selection(std::max(m_nCount, 1));
  if (mode == 0) {
    for (int i = 0; i < m_nCount; ++i) {
      if (Inside(rect, m_pPoints[i])) selection.AppendPointFrom(*this, i);
    }
  } else if (m_nCount > 0) {
    int i = FindNearest(pt.x, pt.y);
    if (SquaredDistance(m_pPoints[i], pt) < kPickDistance2) selection.AppendPointFrom(*this, i);
  }
  if (selection.m_nCount > 0) RemoveMatchingPoints(selection, markNext);
  return 1;
}

int CStrokePath::MatchStrokes(const CStrokePath& other, const CEditRegions& regions, CRegionMembers& members) const {
  members.m_nCount = 0;
  int frames = std::clamp(regions.m_nCount, 0, kEditRegionCount);
  int stroke = 0;
  for (int s = 0; s < m_nCount; ++stroke) {
    int e = FindStrokeEnd(s);
    for (int j = s; j <= e; ++j) {
      const auto* hit = std::find_if(regions.m_rects.begin(), regions.m_rects.begin() + frames,
                                     [&](const tmb::Rect& r) { return Inside(r, m_pPoints[j]); });
      if (hit == regions.m_rects.begin() + frames) continue;
      if (members.m_nCount + 1 >= CRegionMembers::kMaxEntries) return members.m_nCount;
      int first = other.GetStrokeStart(stroke);
      // other may hold fewer strokes: nothing to name then.
      if (first >= 0) {
        members.m_entries[members.m_nCount++] = {first, other.FindStrokeEnd(first) + 1,
                                                 static_cast<int32_t>(hit - regions.m_rects.begin())};
      }
      break;
    }
    s = e + 1;
  }
  return members.m_nCount;
}
