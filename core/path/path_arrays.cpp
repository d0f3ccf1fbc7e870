#include "core/path/path_arrays.h"

#include <new>

CPathArrays::~CPathArrays() { Free(); }

bool CPathArrays::Allocate(int n) {
  Free();
  if (n < 0) return false;
  m_bOwned = 1;
  for (int32_t*& array : m_pArrays) {
    array = new (std::nothrow) int32_t[n]();
    if (!array) {
      Free();
      return false;
    }
  }
  m_nSize = n;
  return true;
}

void CPathArrays::Free() {
  for (int32_t*& array : m_pArrays) {
    if (m_bOwned) delete[] array;
    array = nullptr;
  }
  m_nSize = 0;
  m_bOwned = 0;
}
