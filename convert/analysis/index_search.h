// Index tables of the width measurement and the vectoriser: the first entry holding a
// value, in 32-bit and 16-bit tables, and filling a 16-bit table.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

// The first index k of values with values[k] = value, or -1 (so -1 for an empty table).
inline int FindIntIndex(int value, std::span<const int> values) {
  const auto it = std::find(values.begin(), values.end(), value);
  return it == values.end() ? -1 : int(it - values.begin());
}

inline int FindInt16Index(int value, std::span<const int16_t> values) {
  const auto it = std::find(values.begin(), values.end(), value);
  return it == values.end() ? -1 : int(it - values.begin());
}

// Sets every entry of values to value (cut to 16 bits).
inline void FillInt16(std::span<int16_t> values, int value) { std::fill(values.begin(), values.end(), int16_t(value)); }
