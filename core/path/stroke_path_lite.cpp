#include "core/path/stroke_path_lite.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "core/canvas/work_canvas.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_path.h"

CStrokePathLite::CStrokePathLite() : CStrokePathLite(gWorkCanvas.m_nMaxPoints) {}

CStrokePathLite::CStrokePathLite(int capacity) {
  capacity = std::max(capacity, 0);
  m_pPoints = new (std::nothrow) tmb::Point[capacity];
  m_pFlags = new (std::nothrow) uint8_t[capacity];
  m_pAttrs = new (std::nothrow) uint8_t[capacity];
  if (!m_pPoints || !m_pFlags || !m_pAttrs) return;  // capacity stays 0
  std::memset(m_pFlags, 0, capacity);
  std::memset(m_pAttrs, CStrokePath::kAttrDefault, capacity);
  m_nCapacity = capacity;
}

CStrokePathLite::~CStrokePathLite() {
  delete[] m_pPoints;
  delete[] m_pFlags;
  delete[] m_pAttrs;
}

bool CStrokePathLite::CopyPointFrom(const CStrokePathLite& src, int srcIndex, int dstIndex) {
  if (srcIndex < 0 || srcIndex >= src.m_nCapacity || dstIndex < 0 || dstIndex >= m_nCapacity) return false;
  m_pPoints[dstIndex] = src.m_pPoints[srcIndex];
  m_pFlags[dstIndex] = src.m_pFlags[srcIndex];
  m_pAttrs[dstIndex] = src.m_pAttrs[srcIndex];
  return true;
}

bool CStrokePathLite::CopyFrom(const CStrokePath& path) {
  int n = std::min(path.m_nCount, m_nCapacity);
  for (int i = 0; i < n; ++i) {
    m_pPoints[i] = path.m_pPoints[i].RoundToPoint();
    m_pFlags[i] = path.m_pFlags[i];
  }
  m_nCount = n;
  return n == path.m_nCount;
}

bool CStrokePathLite::IsStrokeEnd(int i) const { return i >= m_nCount - 1 || m_pFlags[i + 1] != 0; }

int CStrokePathLite::FindStrokeEnd(int i) const {
  i = std::max(i, 0);
  while (!IsStrokeEnd(i)) ++i;
  return i;
}

int CStrokePathLite::FindStrokeStart(int i) const {
  for (int j = std::min(i, m_nCount - 1); j >= 1; --j) {
    if (m_pFlags[j] != 0) return j;
  }
  return 0;
}

int CStrokePathLite::FindNearest(int x, int y, float maxDist) const {
  int64_t best = 100000000;
  int index = 0;
  for (int i = 0; i < m_nCount; ++i) {
    int64_t d2 = SquaredDistance(m_pPoints[i], {x, y});
    if (d2 < best) {
      best = d2;
      index = i;
    }
  }
  if (maxDist < 0) return index;
  return double(best) <= double(maxDist) * maxDist ? 1 : 0;
}

int CStrokePathLite::XDirectionAfter(int i) const {
  if (i < 0 || i >= m_nCount) return 1;
  int end = FindStrokeEnd(i);
  for (int j = i + 1; j <= end; ++j) {
    if (m_pPoints[j].x < m_pPoints[i].x) return -1;
    if (m_pPoints[j].x > m_pPoints[i].x) return 1;
  }
  return 1;
}
