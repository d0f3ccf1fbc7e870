// Narrowing to int without overflow: values from damaged files or far-flung geometry are
// held at the ends of the int range instead of wrapping or being undefined.
#pragma once

#include <algorithm>
#include <cstdint>

inline int SaturateToInt(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// NaN gives 0.
inline int SaturateToInt(double v) {
  return v == v ? static_cast<int>(std::clamp(v, double(INT32_MIN), double(INT32_MAX))) : 0;
}

// a - b held within the int range; cheaper than widening where it runs per point.
inline int SaturatedSub(int a, int b) {
  int d;
  if (__builtin_sub_overflow(a, b, &d)) return a < b ? INT32_MIN : INT32_MAX;
  return d;
}
