// A byte block that is zeroed when it is allocated.
#pragma once

#include <cstdint>
#include <memory>

class CZeroBuffer {
 public:
  CZeroBuffer() = default;
  CZeroBuffer(const CZeroBuffer&) = delete;
  CZeroBuffer& operator=(const CZeroBuffer&) = delete;

  // Frees a previous block, then allocates size + 10 bytes, all zero. false (and no
  // block) for a negative size.
  bool Allocate(int size);
  void Free();
  // Takes the size and the bytes of other (no block when other has none).
  void CopyFrom(const CZeroBuffer& other);

  std::unique_ptr<uint8_t[]> m_pData;
  bool m_bAllocated = false;
  int m_nSize = 0;
};
