#include "imageedit/editor/point_array_pair.h"

#include <algorithm>

void CPointArrayPair::Allocate(int n) {
  m_nCapacity = std::max(0, n);
  if (!m_bAllocated) {
    m_points1.assign(size_t(m_nCapacity), {});
    m_points2.assign(size_t(m_nCapacity), {});
    m_bAllocated = 1;
  }
  m_nCount1 = m_nCount2 = 0;
}

void CPointArrayPair::CopyFrom(const CPointArrayPair& other) {
  std::vector<tmb::Rect> rects;
  for (int i = 0; i < other.Count(); ++i) rects.push_back(other.At(i));
  CopyFromRects(rects);
}

void CPointArrayPair::CopyFromRects(const std::vector<tmb::Rect>& rects) {
  // A longer list than the arrays hold keeps its newest entries, as appending would.
  const int room = std::min<int>(int(m_points1.size()), std::max(0, m_nCapacity - 1));
  const int n = std::min<int>(int(rects.size()), room);
  const size_t first = rects.size() - size_t(n);
  for (int i = 0; i < n; ++i) {
    const tmb::Rect& r = rects[first + size_t(i)];
    m_points1[size_t(i)] = {r.left, r.top};
    m_points2[size_t(i)] = {r.right, r.bottom};
  }
  m_nCount1 = m_nCount2 = n;
}

std::vector<tmb::Rect> CPointArrayPair::ToRects() const {
  std::vector<tmb::Rect> rects;
  for (int i = 0; i < Count(); ++i) rects.push_back(At(i));
  return rects;
}

bool CPointArrayPair::Append(const tmb::Rect& rect) {
  if (!m_bAllocated || m_nCapacity < 2) return false;
  if (m_nCount1 + 1 >= m_nCapacity) RemoveAt(0);
  m_points1[size_t(m_nCount1)] = {rect.left, rect.top};
  m_points2[size_t(m_nCount1)] = {rect.right, rect.bottom};
  m_nCount2 = ++m_nCount1;
  return true;
}

bool CPointArrayPair::RemoveAt(int i) {
  if (i < 0 || i >= m_nCount1) return false;
  std::copy(m_points1.begin() + i + 1, m_points1.begin() + m_nCount1, m_points1.begin() + i);
  std::copy(m_points2.begin() + i + 1, m_points2.begin() + m_nCount1, m_points2.begin() + i);
  m_nCount2 = --m_nCount1;
  return true;
}

bool CPointArrayPair::Contains(const tmb::Rect& rect) const {
  for (int i = 0; i < Count(); ++i) {
    if (At(i) == rect) return true;
  }
  return false;
}
