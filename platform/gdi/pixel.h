// How colours are stored in surfaces. A colour pixel is one 32-bit word 0xFFRRGGBB in the
// machine's byte order (the layout of QImage::Format_RGB32), so a view can show a surface
// without copying it; the engines speak 0x00BBGGRR colours and convert at this edge.
// A monochrome pixel is one bit: 1 white, 0 black.
#pragma once

#include <cstdint>

#include "platform/gdi/geometry.h"

namespace tmb {

constexpr uint32_t kStoredAlpha = 0xFF000000u;
constexpr uint32_t kStoredWhite = 0xFFFFFFFFu;
constexpr uint32_t kStoredBlack = 0xFF000000u;

// Drops the palette-relative and palette-index marks of the high byte: the display is
// always true colour.
constexpr Colour PlainColour(Colour c) { return c & 0x00FFFFFFu; }

constexpr uint32_t StoredFromColour(Colour c) {
  return kStoredAlpha | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

constexpr Colour ColourFromStored(uint32_t p) {
  return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

// A colour drawn on a monochrome surface becomes the nearer of black and white (by the
// distance in red, green and blue): white when the channels sum to 383 or more.
constexpr bool MonoBitOfColour(Colour c) { return RedOf(c) + GreenOf(c) + BlueOf(c) >= 383; }

constexpr Colour ColourOfMonoBit(bool bit) { return bit ? 0xFFFFFFu : 0x000000u; }

}  // namespace tmb
