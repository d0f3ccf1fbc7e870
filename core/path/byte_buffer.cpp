#include "core/path/byte_buffer.h"

void CByteBuffer::Allocate(int capacity) {
  m_nCapacity = capacity > 0 ? capacity : 0;
  m_data.assign(size_t(m_nCapacity), 0);
  m_nLength = 0;
}

void CByteBuffer::Free() {
  std::vector<uint8_t>().swap(m_data);
  m_nLength = 0;
  m_nCapacity = 0;
}

int CByteBuffer::Append(uint8_t b) {
  if (m_nLength >= m_nCapacity) return -1;
  m_data[size_t(m_nLength++)] = b;
  return m_nLength;
}
