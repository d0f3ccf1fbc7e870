#include "core/geometry/cell_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/geometry/line_sink.h"
#include "core/geometry/saturate.h"
#include "core/state/draw_state.h"

void CCellGrid::SetLayout(int canvasWidth, int canvasHeight, int cellWidth, int cellHeight, int originX,
                          int originY, int leftAnchored) {
  m_nCanvasWidth = canvasWidth;
  m_nCellWidth = cellWidth;
  m_nCellHeight = cellHeight;
  m_nOriginX = originX;
  m_nOriginY = originY;
  m_nAnchor = leftAnchored;
  // Cell sizes come from stored parameters: a zero or negative one gives no cells.
  bool usable = cellWidth > 0 && cellHeight > 0;
  m_nColumns = usable ? std::max(canvasWidth, 0) / cellWidth : 0;
  m_nRows = usable ? std::max(canvasHeight, 0) / cellHeight : 0;
  if (m_nColumns == 0 || m_nRows == 0) m_nColumns = m_nRows = 0;
  double spanX = double(m_nColumns) * cellWidth;
  double spanY = double(m_nRows) * cellHeight;
  m_fTop = static_cast<float>(originY);
  m_fBottom = static_cast<float>(originY + spanY);
  if (leftAnchored) {
    m_fLeft = static_cast<float>(originX);
    m_fRight = static_cast<float>(originX + spanX);
  } else {
    m_fRight = static_cast<float>(double(canvasWidth) - originX);
    m_fLeft = static_cast<float>(double(m_fRight) - spanX);
  }
}

void CCellGrid::SetLayout(const CCellLayout& l) {
  SetLayout(l.canvasWidth, l.canvasHeight, l.cellWidth, l.cellHeight, l.originX, l.originY, l.leftAnchored);
}

tmb::Point CCellGrid::CellOrigin(int n) const {
  if (IsEmpty()) return CFPoint(m_fLeft, m_fTop).RoundToPoint();
  double x = double(m_fRight) - (double(n / m_nRows) + 1) * m_nCellWidth;
  double y = double(m_fTop) + double(n % m_nRows) * m_nCellHeight;
  return CFPoint(static_cast<float>(x), static_cast<float>(y)).RoundToPoint();
}

tmb::Rect CCellGrid::CellRect(int n) const {
  tmb::Point o = CellOrigin(n);
  if (IsEmpty()) return {o.x, o.y, o.x, o.y};
  return {o.x, o.y, SaturateToInt(int64_t{o.x} + m_nCellWidth), SaturateToInt(int64_t{o.y} + m_nCellHeight)};
}

CFPoint CCellGrid::CellCentreAt(float x, float y) const {
  if (m_nCellWidth <= 0 || m_nCellHeight <= 0) return CFPoint(x, y);
  double column = std::trunc((double(x) - m_fLeft) / m_nCellWidth);
  double row = std::trunc((double(y) - m_fTop) / m_nCellHeight);
  return CFPoint(static_cast<float>(m_fLeft + column * m_nCellWidth + m_nCellWidth / 2),
                 static_cast<float>(m_fTop + row * m_nCellHeight + m_nCellHeight / 2));
}

tmb::Point CCellGrid::SnapToCellCentre(int x, int y) const {
  return CellCentreAt(static_cast<float>(x), static_cast<float>(y)).RoundToPoint();
}

void CCellGrid::DrawLines(LineSink& dc) const {
  if (IsEmpty()) return;
  tmb::Point o = gDrawState.m_ptCanvasOrigin;
  // The origin comes from stored parameters: lines beyond the int range are drawn at its edge.
  const int64_t left = int64_t{RoundHalfAway(m_fLeft)} + o.x;
  const int64_t top = int64_t{RoundHalfAway(m_fTop)} + o.y;
  const int right = SaturateToInt(int64_t{RoundHalfAway(m_fRight)} + o.x);
  const int bottom = SaturateToInt(int64_t{RoundHalfAway(m_fBottom)} + o.y);
  for (int c = 0; c <= m_nColumns; ++c) {
    const int x = SaturateToInt(left + int64_t{c} * m_nCellWidth);
    dc.MoveTo(x, SaturateToInt(top));
    dc.LineTo(x, bottom);
  }
  for (int r = 0; r <= m_nRows; ++r) {
    const int y = SaturateToInt(top + int64_t{r} * m_nCellHeight);
    dc.MoveTo(SaturateToInt(left), y);
    dc.LineTo(right, y);
  }
}
