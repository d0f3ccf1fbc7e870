#include "core/file/char_block_place.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "core/record/char_data.h"

namespace {

struct Box {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

Box BoundsOf(const CCharData& r) {
  Box b;
  for (int i = 0; i < r.m_nPoints; ++i) {
    const tmb::Point p = r.m_pPoints[i];
    b.left = std::min(b.left, p.x);
    b.right = std::max(b.right, p.x);
    b.top = std::min(b.top, p.y);
    b.bottom = std::max(b.bottom, p.y);
  }
  return b;
}

// Drops every stroke that has a point outside keep; the others keep their order.
void DropStrokesOutside(CCharData& r, const tmb::Rect& keep) {
  std::vector<bool> drop(static_cast<size_t>(r.m_nPoints), false);
  for (int start = 0; start < r.m_nPoints;) {
    int end = start + 1;
    while (end < r.m_nPoints && r.m_pFlags[end] == 0) ++end;
    bool outside = false;
    for (int i = start; i < end && !outside; ++i) outside = !keep.Contains(r.m_pPoints[i]);
    if (outside) std::fill(drop.begin() + start, drop.begin() + end, true);
    start = end;
  }
  int kept = 0;
  for (int i = 0; i < r.m_nPoints; ++i) {
    if (drop[static_cast<size_t>(i)]) continue;
    if (kept != i) r.CopyPointAttributes(kept, r, i);
    ++kept;
  }
  r.m_nPoints = kept;
}

}  // namespace

void AnchorLoadedPoints(CCharData& record, tmb::Size stored, tmb::Size paper, bool anchor) {
  if (!anchor || stored == paper) return;
  const int dx = stored.cx - paper.cx;
  for (int i = 0; i < record.m_nPoints; ++i) record.m_pPoints[i].x -= dx;
}

int FitLoadedPoints(CCharData& record, tmb::Size paper) {
  if (record.m_nPoints <= 0) return 0;
  const Box box = BoundsOf(record);
  int dx = 0, dy = 0;
  if (box.left < 0) {
    const int margin = std::max((paper.cx - box.Width()) / 2, kFitMargin);
    dx = paper.cx - box.right - margin;
  }
  if (box.bottom > paper.cy) {
    const int margin = std::max((paper.cy - box.Height()) / 2, kFitMargin);
    dy = margin - box.top;
  }
  if (dx != 0 || dy != 0) {
    for (int i = 0; i < record.m_nPoints; ++i) {
      record.m_pPoints[i].x += dx;
      record.m_pPoints[i].y += dy;
    }
  }
  if (box.Width() < paper.cx && box.Height() < paper.cy) return 0;
  const int before = record.m_nPoints;
  DropStrokesOutside(record, {kFitMargin, kFitMargin, paper.cx - kFitMargin, paper.cy - kFitMargin});
  return record.m_nPoints != before ? 1 : 0;
}
