// The row order of an interlaced GIF image: four passes, every eighth row from row 0,
// every eighth from row 4, every fourth from row 2, then every second from row 1.
#pragma once

// Calls row(y) for each row of an image of height rows, in the order the image stores them.
template <typename RowVisitor>
void ForEachInterlacedRow(int height, RowVisitor&& row) {
  constexpr int kPassStart[4] = {0, 4, 2, 1};
  constexpr int kPassStep[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kPassStart[pass]; y < height; y += kPassStep[pass]) row(y);
  }
}
