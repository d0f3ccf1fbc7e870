#include "core/canvas/cell_order.h"

#include "core/canvas/bitmap_blits.h"
#include "core/canvas/work_canvas.h"
#include "core/geometry/rect_helpers.h"
#include "core/geometry/saturate.h"
#include "core/record/char_data.h"

void CopyCellsToVerticalOrder(tmb::Surface& dest, const tmb::Surface& source, CCharData& record,
                              const CCharData* second) {
  record.DrawGuideLines(gWorkCanvas.m_width, gWorkCanvas.m_height, nullptr);
  const CCellGrid& grid = record.m_cellGrid;
  if (grid.IsEmpty()) return;
  auto holdsWriting = [&](const tmb::Rect& cell) {
    for (const CCharData* r : {static_cast<const CCharData*>(&record), second}) {
      if (!r) continue;
      for (int i = 0; i < r->m_nPoints; ++i) {
        if (cell.Contains(r->m_pPoints[i])) return true;
      }
    }
    return false;
  };
  // Cells are numbered down the columns from the right edge of the layout's frame, rounded
  // to whole pixels: the next place is the next number.
  const int rows = grid.m_nRows;
  const tmb::Rect frame = RoundFloatRect(grid.m_fLeft, grid.m_fTop, grid.m_fRight, grid.m_fBottom);
  auto cellRect = [&](int n) {
    const int x = SaturateToInt(int64_t{frame.right} - (int64_t{n / rows} + 1) * grid.m_nCellWidth);
    const int y = SaturateToInt(int64_t{frame.top} + int64_t{n % rows} * grid.m_nCellHeight);
    return tmb::Rect{x, y, SaturateToInt(int64_t{x} + grid.m_nCellWidth), SaturateToInt(int64_t{y} + grid.m_nCellHeight)};
  };
  int next = 0;
  for (int row = 0; row < rows; ++row) {
    for (int column = grid.m_nColumns - 1; column >= 0; --column) {
      const tmb::Rect cell = cellRect(column * rows + row);
      if (!holdsWriting(cell)) continue;
      const tmb::Rect to = cellRect(next++);
      CopyBitmapBlock(nullptr, &dest, to.left, to.top, cell.Width(), cell.Height(), const_cast<tmb::Surface*>(&source),
                      cell.left, cell.top);
    }
  }
}
