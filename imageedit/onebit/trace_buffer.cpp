#include "imageedit/onebit/trace_buffer.h"

CTraceBuffer gTraceBuffer;

void CTraceBuffer::Allocate(int n) {
  Free();
  if (n < 1) return;
  const size_t size = size_t(n);
  m_points.assign(size, {});
  m_flags.assign(size, 0);
  m_holeFlags.assign(size, 0);
  m_directions.assign(size, 0);
  m_runOffsets.assign(size, {});
  m_nCapacity = n;
  m_nCount = 0;
  m_bAllocated = 1;
}

void CTraceBuffer::Free() {
  if (!m_bAllocated) return;
  std::vector<tmb::Point>().swap(m_points);
  std::vector<uint8_t>().swap(m_flags);
  std::vector<uint8_t>().swap(m_holeFlags);
  std::vector<uint8_t>().swap(m_directions);
  std::vector<tmb::Point>().swap(m_runOffsets);
  m_nCapacity = 0;
  m_nCount = 0;
  m_bAllocated = 0;
}
