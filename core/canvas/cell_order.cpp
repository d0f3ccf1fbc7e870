#include "core/canvas/cell_order.h"

#include "core/canvas/bitmap_blits.h"
#include "core/canvas/work_canvas.h"
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
  // Cells are numbered down the columns from the right: the next place is the next number.
  const int rows = grid.m_nRows;
  int next = 0;
  for (int row = 0; row < rows; ++row) {
    for (int column = grid.m_nColumns - 1; column >= 0; --column) {
      const tmb::Rect cell = grid.CellRect(column * rows + row);
      if (!holdsWriting(cell)) continue;
      const tmb::Rect to = grid.CellRect(next++);
      CopyBitmapBlock(nullptr, &dest, to.left, to.top, cell.Width(), cell.Height(), const_cast<tmb::Surface*>(&source),
                      cell.left, cell.top);
    }
  }
}
