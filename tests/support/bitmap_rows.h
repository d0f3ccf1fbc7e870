// 24-bit pictures as the picture writers take them: bitmap rows, bottom row first, blue,
// green, red per pixel, rows padded to 4 bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace tmb::test {

// Such rows from the colour (COLORREF) of each pixel, y = 0 being the top row.
std::vector<uint8_t> BitmapRows24(int width, int height, const std::function<uint32_t(int x, int y)>& colourAt);
// The colour of pixel (x, y) of such rows.
uint32_t BitmapRowsColour(std::span<const uint8_t> rows, int width, int height, int x, int y);

}  // namespace tmb::test
