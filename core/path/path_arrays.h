// Four int32 arrays of one length, allocated together, for the geometry passes.
#pragma once

#include <cstdint>

class CPathArrays {
 public:
  CPathArrays() = default;
  ~CPathArrays();
  CPathArrays(const CPathArrays&) = delete;
  CPathArrays& operator=(const CPathArrays&) = delete;

  // Frees the arrays and allocates four zero-filled arrays of n entries; false (and no
  // arrays) when they cannot be had.
  bool Allocate(int n);
  // Releases the arrays when they are owned.
  void Free();

  int32_t* m_pArrays[4] = {nullptr, nullptr, nullptr, nullptr};
  int m_nSize = 0;
  int m_bOwned = 0;
};
