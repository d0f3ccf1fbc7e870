#include "core/onebit/trace_buffer.h"

CTraceBuffer gTraceBuffer;

void CTraceBuffer::Allocate(int n) {
  Free();
  if (n < 1) return;
  const size_t size = size_t(n);
  m_pLite = std::make_unique<CStrokePathLite>(n);
  m_pPath = std::make_unique<CStrokePathEx>(n);
  m_holeFlags.Allocate(n);
  m_directions.assign(size, 0);
  m_runOffsets.assign(size, {});
  m_nCapacity = n;
  m_bAllocated = 1;
}

void CTraceBuffer::Free() {
  if (!m_bAllocated) return;
  m_pLite.reset();
  m_pPath.reset();
  m_holeFlags.Free();
  std::vector<uint8_t>().swap(m_directions);
  std::vector<tmb::Point>().swap(m_runOffsets);
  m_nCapacity = 0;
  m_bAllocated = 0;
}
