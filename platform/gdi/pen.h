// Pens and brushes: plain values that a device context holds while they are selected.
#pragma once

#include "platform/gdi/geometry.h"

namespace tmb {

enum PenStyle { kPenSolid = 0, kPenDash = 1, kPenDot = 2, kPenDashDot = 3, kPenDashDotDot = 4, kPenNull = 5 };
enum PenEndCap { kCapRound = 0, kCapSquare = 1, kCapFlat = 2 };
enum PenJoin { kJoinRound = 0, kJoinBevel = 1, kJoinMiter = 2 };

// A pen of width 0 or 1 draws one-pixel lines, dashed or dotted by its style; a wider pen
// draws solid lines of its width with its end caps and joins.
struct Pen {
  int style = kPenSolid;
  int width = 1;
  Colour colour = 0x000000;
  int endCap = kCapRound;
  int join = kJoinRound;

  static Pen Solid(int width, Colour colour) { return {kPenSolid, width, colour}; }
  static Pen Styled(int style, int width, Colour colour) { return {style, width, colour}; }
  static Pen Null() { return {kPenNull, 1, 0}; }
  bool IsNull() const { return style == kPenNull; }
  bool IsWide() const { return width > 1; }
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
  enum Kind { kSolid = 0, kNull = 1 };
  int kind = kSolid;
  Colour colour = 0xFFFFFF;

  static Brush Solid(Colour colour) { return {kSolid, colour}; }
  static Brush Null() { return {kNull, 0}; }
  bool IsNull() const { return kind == kNull; }
  friend bool operator==(const Brush&, const Brush&) = default;
};

}  // namespace tmb
