// The arithmetic of a row of the settings panel: a value of 0..maximum shown on a scroll
// bar of 0..scale. Done in 64 bits, since a file may hold any 32-bit value and maximum.
#pragma once

#include <cstdint>

// Scroll codes of the rows, numbered as horizontal scroll bars report them.
enum SetScrollCode {
  kScrollLineLeft = 0,
  kScrollLineRight = 1,
  kScrollPageLeft = 2,
  kScrollPageRight = 3,
  kScrollThumbPosition = 4,
  kScrollThumbTrack = 5,
  kScrollLeft = 6,
  kScrollRight = 7,
};

// The maximum a row shows for value v: a value above the maximum raises it to the next
// multiple of ten above v; the result is at least 1 and fits in 32 bits.
int32_t RowMaximum(int32_t v, int32_t maximum);
// The bar position of v: within 0..scale.
int RowPosition(int32_t v, int32_t maximum, int scale);
// The value scroll code gives a row at value with that maximum (at least 1); pos is the
// bar position of the thumb codes. -1 for a code that is no scroll code.
int32_t RowValueAfter(int code, int32_t value, int32_t maximum, int pos, int scale);
