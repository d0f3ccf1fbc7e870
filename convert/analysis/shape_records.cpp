#include "convert/analysis/shape_records.h"

#include <algorithm>
#include <new>

CShapeRecordList::CShapeRecordList(int capacity)
    : m_pRecords(new (std::nothrow) CShapeRecord[size_t(std::max(capacity, 0))]) {
  if (m_pRecords) m_nCapacity = std::max(capacity, 0);
}

void CShapeRecordList::Add(int index, int kind, int extra) { AddWithPoint(index, kind, extra, CFPoint(0, 0)); }

void CShapeRecordList::AddWithPoint(int index, int kind, int extra, const CFPoint& point) {
  if (m_nCount >= m_nCapacity) return;
  m_pRecords[size_t(m_nCount++)] = {kind, index, extra, point};
}

int CShapeRecordList::Find(int index, int kind) const {
  for (int k = 0; k < m_nCount; ++k) {
    const CShapeRecord& r = m_pRecords[size_t(k)];
    if (r.index == index && (kind == -1 || r.kind == kind)) return k;
  }
  return -1;
}
