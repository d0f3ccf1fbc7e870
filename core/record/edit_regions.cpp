// The rectangle list of the edit mode: hit testing and the inverted frames that show it.
#include "core/record/edit_regions.h"

#include <algorithm>

#include "core/canvas/box_drawing.h"
#include "core/geometry/saturate.h"

namespace {

// Larger than the squared distance of any two points of a paper.
constexpr double kFarAway = 1e10;

void Frame(tmb::DeviceContext& dc, const tmb::Rect& r, int style) {
  DrawRubberBandLinePts(dc, {r.left, r.top}, {r.right, r.bottom}, 1, style);
}

}  // namespace

int CEditRegions::HeldCount() const { return std::clamp(m_nCount, 0, kEditRegionCount); }

void CEditRegions::HitTest(int x, int y) {
  const int n = HeldCount();
  int found = -1;
  for (int i = 0; i < n && found < 0; ++i) {
    if (m_rects[size_t(i)].Contains({x, y})) found = i;
  }
  if (found < 0) {
    double best = kFarAway;
    int nearest = -1;
    for (int i = 0; i < n; ++i) {
      const tmb::Rect& r = m_rects[size_t(i)];
      const double dx = (r.left + r.right) / 2.0 - x;
      const double dy = (r.top + r.bottom) / 2.0 - y;
      const double d = dx * dx + dy * dy;
      if (d < best) {
        best = d;
        nearest = i;
      }
    }
    found = nearest;
  }
  if (found >= 0) m_nCurrent = found;
  m_nDisplay = 2;
}

void CEditRegions::FrameAll(tmb::DeviceContext& dc) {
  const int n = HeldCount();
  for (int i = 0; i < n; ++i) Frame(dc, m_rects[size_t(i)], i == m_nCurrent ? kFrameCurrent : kFrameOther);
}

void CEditRegions::ShowAll(tmb::DeviceContext& dc) {
  if (m_bDrawn) return;
  FrameAll(dc);
  m_bDrawn = 1;
}

void CEditRegions::HideAll(tmb::DeviceContext& dc) {
  if (!m_bDrawn) return;
  FrameAll(dc);
  m_bDrawn = 0;
}

void CEditRegions::ToggleCurrent(tmb::DeviceContext& dc) {
  if (m_nCurrent < 0 || m_nCurrent >= kEditRegionCount) return;
  Frame(dc, m_rects[size_t(m_nCurrent)], kFrameCurrent);
}

tmb::Rect CEditRegions::GetCurrent() const {
  if (m_nCurrent < 0 || m_nCurrent >= kEditRegionCount) return {};
  return m_rects[size_t(m_nCurrent)];
}

tmb::Point CEditRegions::GetCurrentTopLeft() const {
  const tmb::Rect r = GetCurrent();
  return {r.left, r.top};
}

tmb::Point CEditRegions::GetCurrentBottomRight() const {
  const tmb::Rect r = GetCurrent();
  return {r.right, r.bottom};
}

tmb::Size CEditRegions::GetCurrentSize() const {
  const tmb::Rect r = GetCurrent();
  return {SaturateToInt(int64_t{r.right} - r.left), SaturateToInt(int64_t{r.bottom} - r.top)};
}

void CCellRectTable::Clear(CEditRegions& table) {
  table.m_nCount = 0;
  table.m_nCurrent = 0;
  table.m_nReference = 0;
}
