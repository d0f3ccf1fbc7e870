// A byte list of fixed capacity: the hole flag of every traced outline rides in one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CByteBuffer {
 public:
  CByteBuffer() = default;
  explicit CByteBuffer(int capacity) { Allocate(capacity); }

  // Room for capacity bytes (none for capacity < 1), empty.
  void Allocate(int capacity);
  void Free();
  void Clear() { m_nLength = 0; }
  // Stores b and returns the new length; -1 when full (nothing stored).
  int Append(uint8_t b);
  // Byte i; 0 outside the stored bytes.
  uint8_t At(int i) const { return i >= 0 && i < m_nLength ? m_data[size_t(i)] : 0; }

  std::vector<uint8_t> m_data;
  int m_nLength = 0;
  int m_nCapacity = 0;
};
