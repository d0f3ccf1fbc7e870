// Row helpers shared by the block transfers: bringing source rows into the destination's
// format and combining them with the destination by a three-operand code.
#pragma once

#include <cstdint>
#include <cstring>

#include "platform/gdi/pen.h"
#include "platform/gdi/pixel.h"
#include "platform/gdi/surface.h"

namespace tmb::blit {

// The pattern of a brush as a colour word or as eight monochrome bits; a null brush is
// black.
inline uint32_t PatternWord(const Brush& brush) {
  return brush.IsNull() ? kStoredBlack : StoredFromColour(brush.colour);
}
inline uint8_t PatternByte(const Brush& brush) {
  return !brush.IsNull() && MonoBitOfColour(brush.colour) ? 0xFF : 0x00;
}

// 64 bits of a monochrome row starting at bit position pos, first pixel in the highest
// bit. Reads up to nine bytes from pos / 8: surfaces keep slack after their last row.
inline uint64_t Load64(const uint8_t* row, int64_t pos) {
  const uint8_t* p = row + (pos >> 3);
  uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v = (v << 8) | p[i];
  const int s = int(pos & 7);
  if (s) v = (v << s) | (p[8] >> (8 - s));
  return v;
}

// Copies n monochrome pixels from src (starting at pixel sx) into out so that pixel i
// lands at bit offset + i of out (offset 0 to 7). src must hold pixels sx to sx + n - 1
// and one readable byte after them (a surface's rows always have it).
void ExtractMono(const uint8_t* src, int sx, int n, int offset, uint8_t* out);

// Combines n colour words of src into dst by op with pattern pat.
void CombineColour(uint32_t* dst, const uint32_t* src, int n, uint8_t op, uint32_t pat);

// Combines the packed bits of src (aligned as ExtractMono leaves them, offset x & 7) into
// pixels x to x + n - 1 of a monochrome row.
void CombineMono(uint8_t* row, int x, int n, const uint8_t* src, uint8_t op, uint8_t pat);

// As CombineMono and CombineColour, choosing per pixel between two codes by mask bits
// (aligned like the source; for colour, mask bit i belongs to pixel i).
void CombineMonoMasked(uint8_t* row, int x, int n, const uint8_t* src, const uint8_t* mask, uint8_t fore,
                       uint8_t back, uint8_t pat);
void CombineColourMasked(uint32_t* dst, const uint32_t* src, const uint8_t* mask, int n, uint8_t fore,
                         uint8_t back, uint32_t pat);

// The 1 bits of the 4 x 4 blocks of a monochrome surface: counts[i] for the block at
// (sx + 4 i, sy). Rows sy to sy + 3 must lie in the surface; a block may reach past the
// row's end only into its padding.
void CountOnes4x4(const Surface& src, int64_t sx, int sy, int n, uint8_t* counts);

}  // namespace tmb::blit
