#include "support/colour_blocks.h"

#include <algorithm>
#include <cstdlib>
#include <random>

#include "support/bitmap_rows.h"

namespace tmb::test {
namespace {

constexpr uint32_t kBlockColours[3] = {0x0000FF, 0x00FF00, 0xFF0000};

int Channel(uint32_t colour, int shift) { return int((colour >> shift) & 0xFF); }

}  // namespace

uint32_t ColourBlocks::ColourOfRow(int y) const { return kBlockColours[std::min(2, y * 3 / height)]; }

ColourBlocks MakeColourBlocks(int width, int height) {
  ColourBlocks blocks;
  blocks.width = width;
  blocks.height = height;
  blocks.pixels = BitmapRows24(width, height, [&](int, int y) { return blocks.ColourOfRow(y); });
  return blocks;
}

ColourBlocks MakeNoise(int width, int height, unsigned seed) {
  ColourBlocks noise = MakeColourBlocks(width, height);
  std::mt19937 random(seed);
  for (uint8_t& b : noise.pixels) b = uint8_t(random());
  return noise;
}

int MaxBlockDifference(const Surface& surface, const ColourBlocks& blocks, int margin) {
  if (surface.width() < blocks.width || surface.height() < blocks.height) return 256;
  int worst = 0;
  for (int y = 0; y < blocks.height; ++y) {
    const int band = y * 3 / blocks.height;
    const int bandTop = (band * blocks.height + 2) / 3;
    const int bandBottom = ((band + 1) * blocks.height + 2) / 3;
    if (y < bandTop + margin || y >= bandBottom - margin) continue;
    for (int x = margin; x < blocks.width - margin; ++x) {
      const uint32_t got = surface.GetPixel(x, y);
      const uint32_t want = blocks.ColourOfRow(y);
      for (int shift : {0, 8, 16}) worst = std::max(worst, std::abs(Channel(got, shift) - Channel(want, shift)));
    }
  }
  return worst;
}

bool AllPixelsAre(const Surface& surface, Colour colour) {
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (surface.GetPixel(x, y) != colour) return false;
    }
  }
  return true;
}

}  // namespace tmb::test
