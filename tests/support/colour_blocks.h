// Pictures laid out as the picture writers take them (bottom-up 24-bit rows padded to 4
// bytes): three colour blocks stacked top to bottom, red, green and blue, or noise that
// does not compress; and the checks on a bitmap a reader drew into.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/surface.h"

namespace tmb::test {

struct ColourBlocks {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;

  // The colour (0x00BBGGRR) the picture has at row y (0 the top one).
  uint32_t ColourOfRow(int y) const;
};

// An odd width gives the rows padding.
ColourBlocks MakeColourBlocks(int width, int height);

// Random bytes in the same layout: a picture no compression makes small.
ColourBlocks MakeNoise(int width, int height, unsigned seed);

// The largest difference of one channel between the surface and the blocks over the
// pixels at least margin pixels away from a block's edge; 256 when the surface is
// smaller than the picture.
int MaxBlockDifference(const Surface& surface, const ColourBlocks& blocks, int margin);

// Whether every pixel of the surface has that colour (a failed read left it alone).
bool AllPixelsAre(const Surface& surface, Colour colour);

}  // namespace tmb::test
