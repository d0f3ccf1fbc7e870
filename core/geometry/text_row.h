// One row of character cells of the registration pages: where the row stands, the size of
// its cells (the drawing state's text cell), the x of the first cell that centres them in
// the row, and each cell's inner rectangle, inset by a tenth of the cell height at the
// sides and a fourteenth at the top and bottom.
#pragma once

#include <vector>

#include "platform/gdi/geometry.h"

struct CTextRow {
  tmb::Point origin{};   // top-left of the row
  int rowWidth = 0;
  int cellWidth = 0;
  int cellHeight = 0;
  int startX = 0;        // left of the first cell
  // What the row's owner hands it: the cells, the list index of the first and the one
  // shown as current (-1 none).
  int count = 0;
  int first = 0;
  int current = -1;
  std::vector<tmb::Rect> cells;  // the outer rectangle of each cell
  std::vector<tmb::Rect> inner;  // and its inner one
};

// Lays row out at origin, rowWidth wide, with count cells of the drawing state's text
// cell size (at least one pixel each way); a row too narrow for its cells starts at its
// left edge.
void SetupTextRow(CTextRow& row, tmb::Point origin, int rowWidth, int count, int first, int current);
