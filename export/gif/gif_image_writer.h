// Whole GIF images from index pixels and a palette: a single-image file body, and one
// frame of an animation (with the header and loop extension before the first).
#pragma once

#include <cstdint>
#include <span>

#include "platform/service/result.h"

class GifByteSink;

// Index pixels are width x height bytes, top row first; palettes are 256 entries of
// red, green, blue, spare (only the first 2^(table bits) are written).

// The header with the palette as global table (background 0), one image at (0, 0) without
// a local table and its image data at minimum code size = table bits, its rows in the
// order of the four passes when interlaced; no trailer. Fails, writing nothing, for a
// pixel past the 2^(table bits) entries of the table, or what the record writers refuse.
tmb::Status WriteGifImage(GifByteSink& sink, int width, int height, std::span<const uint8_t> pixels,
                          std::span<const uint8_t> palette, int colourResolution, int interlace, int tableBits,
                          int rescale);

// One animation frame: when first, the header (colour resolution 8, background 0, the
// palette as global table) and the loop extension (1000 loops); then the graphic control
// extension (delay, transparency, index), an image descriptor at (0, 0) with the palette
// as its local table and the image data at code size 8. A refused frame writes nothing.
tmb::Status AddGifImageFrame(GifByteSink& sink, std::span<const uint8_t> pixels, int width, int height,
                             std::span<const uint8_t> palette, int delay, int first, int transparent,
                             int transparentIndex);
