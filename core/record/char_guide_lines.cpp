// The guide lines of a character record: its grid of character cells over the canvas,
// laid out from the cell size and origin in parameters 32 to 35.
#include "core/geometry/cell_grid.h"
#include "core/geometry/line_sink.h"
#include "core/record/char_data.h"

namespace {

constexpr int kCellWidth = 32;
constexpr int kCellHeight = 33;
constexpr int kOriginX = 34;
constexpr int kOriginY = 35;
// Cells are numbered down each column and the columns from the right, as vertical text
// runs, so the grid is anchored at the right edge of the canvas.
constexpr int kRightAnchored = 0;

}  // namespace

void CCharData::DrawGuideLines(int width, int height, LineSink* dc) {
  m_cellGrid.SetLayout(width, height, m_param[kCellWidth], m_param[kCellHeight], m_param[kOriginX],
                       m_param[kOriginY], kRightAnchored);
  if (dc) m_cellGrid.DrawLines(*dc);
}
