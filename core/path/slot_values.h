// Moving the per-point values of a run of slots: the runs may overlap (a path copies
// within itself), and a single slot, as point-by-point appends move them, is assigned
// directly rather than through a library call, which cost a resampling walk a third of
// its time.
#pragma once

#include <cstddef>
#include <cstring>
#include <type_traits>

template <class T>
inline void MoveSlotValues(T* dst, const T* src, int n) {
  static_assert(std::is_trivially_copyable_v<T>);
  if (n == 1) {
    *dst = *src;
  } else if (n > 1) {
    std::memmove(dst, src, sizeof(T) * static_cast<size_t>(n));
  }
}
