#include "support/mono_block.h"

namespace tmb::test {

MonoBlock::MonoBlock(int width, int height) : bits(size_t((width + 31) / 32 * 4) * size_t(height), 0xFF) {
  bitmap.Attach(bits.data(), 0, 0, width, height, width, height);
}

MonoBlock::MonoBlock(const std::vector<std::string>& lines)
    : MonoBlock(lines.empty() ? 0 : int(lines[0].size()), int(lines.size())) {
  for (size_t y = 0; y < lines.size(); ++y) {
    for (size_t x = 0; x < lines[y].size(); ++x) {
      if (lines[y][x] == '#') Ink(int(x), int(y));
    }
  }
}

MonoBlock::MonoBlock(const MonoBlock& other) : bits(other.bits), bitmap(other.bitmap) { bitmap.m_pBits = bits.data(); }

std::string MonoBlock::Text() const {
  std::string out;
  for (int y = 0; y < bitmap.m_height; ++y) {
    for (int x = 0; x < bitmap.m_width; ++x) out += IsInk(x, y) ? '#' : '.';
    out += '\n';
  }
  return out;
}

}  // namespace tmb::test
