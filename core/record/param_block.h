// The 512 brush, style and animation parameters of a character record, addressed by
// index everywhere, and the fixed places within them that several subsystems share.
#pragma once

#include <array>
#include <cstdint>

constexpr int kParamCount = 512;
using ParamBlock = std::array<int32_t, kParamCount>;

// The shape mode: 0 none, 1 up to four colours (152 to 155), 2 a range (150 to 151), 3
// one colour (156).
constexpr int kShapeModeParam = 170;

// The 64 enable flags of the style list live in the block from this entry on.
constexpr int kStyleFlagFirst = 310;
constexpr int kStyleFlagCount = 64;
using StyleFlags = std::array<int32_t, kStyleFlagCount>;

// The cursive smoothing strength in percent, shared by the brush outline and the
// conversion. The settings give 0 to 150; past them each pass pushes the points further
// out, so a damaged file's value is held there.
constexpr int kCursiveStrengthParam = 230;
constexpr int kMaxCursiveStrength = 150;
inline int CursiveStrength(const ParamBlock& params) {
  const int32_t strength = params[kCursiveStrengthParam];
  return strength < 0 ? 0 : strength > kMaxCursiveStrength ? kMaxCursiveStrength : strength;
}

// 32-bit colour as the parameters hold it: red in the low byte.
constexpr int32_t RgbParam(int r, int g, int b) { return r | (g << 8) | (b << 16); }
