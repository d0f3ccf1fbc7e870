// Raster operations: the two-operand drawing modes of pens and brushes, and the
// three-operand codes of block transfers, whose truth table is the byte in bits 16 to 23
// of the code (bit P x 4 + S x 2 + D of that byte is the result for pattern P, source S
// and destination D). Both are evaluated bitwise on whole words, so one routine serves
// colour words and packed monochrome bits alike.
#pragma once

#include <cstdint>

namespace tmb {

// Three-operand codes in their usual 32-bit form.
constexpr uint32_t kSrcCopy = 0x00CC0020;
constexpr uint32_t kSrcPaint = 0x00EE0086;
constexpr uint32_t kSrcAnd = 0x008800C6;
constexpr uint32_t kSrcInvert = 0x00660046;
constexpr uint32_t kSrcErase = 0x00440328;
constexpr uint32_t kNotSrcCopy = 0x00330008;
constexpr uint32_t kNotSrcErase = 0x001100A6;
constexpr uint32_t kMergeCopy = 0x00C000CA;
constexpr uint32_t kMergePaint = 0x00BB0226;
constexpr uint32_t kPatCopy = 0x00F00021;
constexpr uint32_t kPatPaint = 0x00FB0A09;
constexpr uint32_t kPatInvert = 0x005A0049;
constexpr uint32_t kDstInvert = 0x00550009;
constexpr uint32_t kBlackness = 0x00000042;
constexpr uint32_t kWhiteness = 0x00FF0062;

// Two-operand drawing modes of pens and brushes.
enum DrawMode {
  kR2Black = 1,
  kR2NotMergePen = 2,
  kR2MaskNotPen = 3,
  kR2NotCopyPen = 4,
  kR2MaskPenNot = 5,
  kR2Not = 6,
  kR2XorPen = 7,
  kR2NotMaskPen = 8,
  kR2MaskPen = 9,
  kR2NotXorPen = 10,
  kR2Nop = 11,
  kR2MergeNotPen = 12,
  kR2CopyPen = 13,
  kR2MergePenNot = 14,
  kR2MergePen = 15,
  kR2White = 16,
};

constexpr uint8_t Rop3Byte(uint32_t rop) { return uint8_t(rop >> 16); }
// Whether the result depends on the source, the pattern or the destination.
constexpr bool Rop3UsesSource(uint8_t op) { return ((op >> 2) ^ op) & 0x33; }
constexpr bool Rop3UsesPattern(uint8_t op) { return ((op >> 4) ^ op) & 0x0F; }
constexpr bool Rop3UsesDest(uint8_t op) { return ((op >> 1) ^ op) & 0x55; }

// The result of truth table op on the bits of p, s and d.
template <class W>
constexpr W ApplyRop3(uint8_t op, W p, W s, W d) {
  switch (op) {
    case 0x00: return W(0);
    case 0xFF: return W(~W(0));
    case 0xCC: return s;
    case 0x33: return W(~s);
    case 0x88: return W(s & d);
    case 0xEE: return W(s | d);
    case 0x66: return W(s ^ d);
    case 0x44: return W(s & ~d);
    case 0x11: return W(~(s | d));
    case 0xBB: return W(~s | d);
    case 0xC0: return W(p & s);
    case 0xF0: return p;
    case 0x5A: return W(p ^ d);
    case 0x55: return W(~d);
    case 0xAA: return d;
    case 0x22: return W(~s & d);
    default: break;
  }
  W r = 0;
  for (int i = 0; i < 8; ++i) {
    if ((op >> i) & 1) {
      r |= W((i & 4 ? p : W(~p)) & (i & 2 ? s : W(~s)) & (i & 1 ? d : W(~d)));
    }
  }
  return r;
}

// The result of drawing mode (kR2Black to kR2White) with pen bits on destination bits.
template <class W>
constexpr W ApplyRop2(int mode, W pen, W d) {
  switch (mode) {
    case kR2CopyPen: return pen;
    case kR2XorPen: return W(pen ^ d);
    case kR2Not: return W(~d);
    case kR2Nop: return d;
    default: break;
  }
  const int t = (mode - 1) & 15;
  W r = 0;
  for (int i = 0; i < 4; ++i) {
    if ((t >> i) & 1) r |= W((i & 2 ? pen : W(~pen)) & (i & 1 ? d : W(~d)));
  }
  return r;
}

// Whether a drawing mode reads the pen (or brush) colour.
constexpr bool Rop2UsesPen(int mode) {
  const int t = (mode - 1) & 15;
  return ((t >> 2) ^ t) & 3;
}

}  // namespace tmb
