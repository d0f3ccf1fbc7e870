#include "core/geometry/text_row.h"

#include <algorithm>

#include "core/state/draw_state.h"

void SetupTextRow(CTextRow& row, tmb::Point origin, int rowWidth, int count, int first, int current) {
  row.origin = origin;
  row.rowWidth = std::max(rowWidth, 0);
  row.cellWidth = std::max(gDrawState.m_textCell.cx, 1);
  row.cellHeight = std::max(gDrawState.m_textCell.cy, 1);
  row.count = std::max(count, 0);
  row.first = first;
  row.current = current;
  // Wide enough rows centre their cells; the division is done in 64 bits, for any count.
  const long long used = static_cast<long long>(row.cellWidth) * row.count;
  row.startX = origin.x + static_cast<int>(std::max(0LL, (row.rowWidth - used) / 2));
  const int side = row.cellHeight / 10, top = row.cellHeight / 14;
  row.cells.clear();
  row.inner.clear();
  for (int i = 0; i < row.count; ++i) {
    const int left = row.startX + i * row.cellWidth;
    const tmb::Rect cell{left, origin.y, left + row.cellWidth, origin.y + row.cellHeight};
    row.cells.push_back(cell);
    row.inner.push_back({cell.left + side, cell.top + top, cell.right - side, cell.bottom - top});
  }
}
