#include "core/text/zero_buffer.h"

#include <algorithm>

namespace {

constexpr int kSlack = 10;  // bytes past the size, so that a terminator always fits

}  // namespace

bool CZeroBuffer::Allocate(int size) {
  Free();
  if (size < 0) return false;
  m_pData = std::make_unique<uint8_t[]>(static_cast<size_t>(size) + kSlack);
  m_bAllocated = true;
  m_nSize = size;
  return true;
}

void CZeroBuffer::Free() {
  m_pData.reset();
  m_bAllocated = false;
  m_nSize = 0;
}

void CZeroBuffer::CopyFrom(const CZeroBuffer& other) {
  if (&other == this) return;
  if (!other.m_bAllocated) {
    Free();
    return;
  }
  Allocate(other.m_nSize);
  std::copy_n(other.m_pData.get(), other.m_nSize, m_pData.get());
}
