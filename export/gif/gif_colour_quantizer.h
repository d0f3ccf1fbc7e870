// The colour quantizer of GIF output: a 24-bit picture becomes index pixels and a palette
// of at most 256 colours. Pictures of few colours keep them exactly; others are reduced by
// popularity on a 32 x 32 x 32 grid, keeping one colour of every coarse region of the
// colour cube present, so that a small patch of a far colour is not lost.
#pragma once

#include <cstdint>
#include <span>

#include "platform/service/result.h"

// Colours kept exactly, and palette colours given by popularity.
constexpr int kMaxExactColours = 240;
constexpr int kGifPaletteEntries = 256;
constexpr int kGifPaletteEntryBytes = 4;

// pixels: rows of a 24-bit bitmap, bottom row first, blue, green, red per pixel, each row
// padded to 4 bytes. indexes: width x height bytes out, top row first. palette: 256 entries
// of red, green, blue, 0 out (entries past the last colour given are left as they were).
// With transparent set, entry 0 is the key colour (COLORREF, red in the low byte) and every
// pixel of exactly that colour gets index 0. Fails, changing nothing, when the size is not
// positive or a buffer is shorter than the picture needs.
tmb::Status QuantizeColours(std::span<const uint8_t> pixels, int width, int height, std::span<uint8_t> indexes,
                            std::span<uint8_t> palette, int transparent, uint32_t keyColour);

// Error diffusion step for one pixel (blue, green, red): channel c loses
// error[2 - c] x weight / 16 of the red, green, blue error, clamped to 0..255.
void DiffuseError(uint8_t* pixel, const int* error, int weight);
