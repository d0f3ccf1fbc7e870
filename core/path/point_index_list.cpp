#include "core/path/point_index_list.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "core/canvas/work_canvas.h"

CPointIndexList::CPointIndexList() : CPointIndexList(gWorkCanvas.m_nMaxPoints) {}

CPointIndexList::CPointIndexList(int capacity) {
  capacity = std::max(capacity, 0);
  m_pPoints = new (std::nothrow) CFPoint[capacity];
  m_pValues = new (std::nothrow) int32_t[capacity]();
  m_pKinds = new (std::nothrow) uint8_t[capacity]();
  if (!m_pPoints || !m_pValues || !m_pKinds) return;  // capacity stays 0
  std::fill_n(m_pPoints, capacity, CFPoint(0, 0));
  m_nCapacity = capacity;
}

CPointIndexList::~CPointIndexList() {
  delete[] m_pPoints;
  delete[] m_pValues;
  delete[] m_pKinds;
}

void CPointIndexList::Clear() {
  m_nCount = 0;
  if (m_nCapacity > 0) std::memset(m_pKinds, 0, m_nCapacity);
}

int CPointIndexList::Find(int value, int kind) const {
  for (int i = 0; i < m_nCount; ++i) {
    if (m_pValues[i] == value && m_pKinds[i] == static_cast<uint8_t>(kind)) return i;
  }
  return -1;
}

int CPointIndexList::Append(int value) {
  if (m_nCount >= m_nCapacity) return -1;
  m_pPoints[m_nCount] = CFPoint(0, 0);
  m_pValues[m_nCount] = value;
  m_pKinds[m_nCount] = 0;
  return ++m_nCount;
}

void CPointIndexList::AddPoint(float x, float y, uint8_t kind, int index) {
  if (m_nCount >= m_nCapacity) return;
  m_pPoints[m_nCount] = CFPoint(x, y);
  m_pValues[m_nCount] = index;
  m_pKinds[m_nCount] = kind;
  ++m_nCount;
}
