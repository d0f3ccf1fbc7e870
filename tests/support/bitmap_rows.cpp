#include "support/bitmap_rows.h"

namespace tmb::test {

std::vector<uint8_t> BitmapRows24(int width, int height, const std::function<uint32_t(int x, int y)>& colourAt) {
  const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> rows(stride * size_t(height));
  for (int y = 0; y < height; ++y) {
    uint8_t* row = rows.data() + size_t(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colourAt(x, y);
      row[3 * x] = static_cast<uint8_t>(c >> 16);
      row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(c);
    }
  }
  return rows;
}

uint32_t BitmapRowsColour(std::span<const uint8_t> rows, int width, int height, int x, int y) {
  const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
  const uint8_t* p = rows.data() + size_t(height - 1 - y) * stride + 3 * size_t(x);
  return uint32_t(p[2]) | uint32_t(p[1]) << 8 | uint32_t(p[0]) << 16;
}

}  // namespace tmb::test
