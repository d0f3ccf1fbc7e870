#include "core/path/stroke_path_ex.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>

#include "core/canvas/work_canvas.h"
#include "core/geometry/point_distance.h"
#include "core/path/slot_values.h"

CStrokePathEx::CStrokePathEx() : CStrokePathEx(gWorkCanvas.m_nMaxPoints) {}

CStrokePathEx::CStrokePathEx(int capacity) : CStrokePath(capacity) { AllocExtras(); }

CStrokePathEx::~CStrokePathEx() {
  FreeWeights();
  FreeExtras();
}

void CStrokePathEx::AllocExtras() {
  m_pSide1 = new (std::nothrow) CFPoint[m_nCapacity];
  m_pSide2 = new (std::nothrow) CFPoint[m_nCapacity];
  m_pGuideMarks = new (std::nothrow) uint8_t[m_nCapacity]();
  m_pOutline = new (std::nothrow) CStrokePath(m_nCapacity);
  if (!m_pSide1 || !m_pSide2 || !m_pGuideMarks || !m_pOutline) {
    FreeExtras();
    CStrokePath::Reallocate(0);
    m_pSide1 = new CFPoint[0];
    m_pSide2 = new CFPoint[0];
    m_pGuideMarks = new uint8_t[0];
    m_pOutline = new CStrokePath(0);
    return;
  }
  std::fill_n(m_pSide1, m_nCapacity, CFPoint(0, 0));
  std::fill_n(m_pSide2, m_nCapacity, CFPoint(0, 0));
}

void CStrokePathEx::FreeExtras() {
  delete[] m_pSide1;
  delete[] m_pSide2;
  delete[] m_pGuideMarks;
  delete m_pOutline;
  m_pSide1 = nullptr;
  m_pSide2 = nullptr;
  m_pGuideMarks = nullptr;
  m_pOutline = nullptr;
}

void CStrokePathEx::FreeWeights() {
  delete[] m_pWeight1;
  delete[] m_pWeight2;
  m_pWeight1 = nullptr;
  m_pWeight2 = nullptr;
  m_bWeightsAllocated = 0;
}

bool CStrokePathEx::AllocWeights() {
  if (m_bWeightsAllocated) return true;
  m_pWeight1 = new (std::nothrow) float[m_nCapacity]();
  m_pWeight2 = new (std::nothrow) float[m_nCapacity]();
  if (!m_pWeight1 || !m_pWeight2) {
    FreeWeights();
    return false;
  }
  m_bWeightsAllocated = 1;
  return true;
}

void CStrokePathEx::Reallocate(int capacity) {
  bool hadWeights = m_bWeightsAllocated != 0;
  FreeWeights();
  FreeExtras();
  CStrokePath::Reallocate(capacity);
  AllocExtras();
  if (hadWeights) AllocWeights();
}

void CStrokePathEx::SetExtraPointsTo(float v) {
  std::fill_n(m_pSide1, m_nCapacity, CFPoint(v, v));
  std::fill_n(m_pSide2, m_nCapacity, CFPoint(v, v));
}

void CStrokePathEx::CopySlots(const CStrokePath& src, int srcIndex, int dstIndex, int n) {
  CStrokePath::CopySlots(src, srcIndex, dstIndex, n);
  const CStrokePathEx* ex = src.AsEx();
  if (n <= 0) return;
  if (!ex) {
    std::fill_n(m_pGuideMarks + dstIndex, n, uint8_t{0});
    return;
  }
  MoveSlotValues(m_pSide1 + dstIndex, ex->m_pSide1 + srcIndex, n);
  MoveSlotValues(m_pSide2 + dstIndex, ex->m_pSide2 + srcIndex, n);
  MoveSlotValues(m_pGuideMarks + dstIndex, ex->m_pGuideMarks + srcIndex, n);
  if (ex->m_bWeightsAllocated && AllocWeights()) {
    MoveSlotValues(m_pWeight1 + dstIndex, ex->m_pWeight1 + srcIndex, n);
    MoveSlotValues(m_pWeight2 + dstIndex, ex->m_pWeight2 + srcIndex, n);
  }
}

std::unique_ptr<CStrokePath> CStrokePathEx::NewEmptyLike() const {
  auto path = std::make_unique<CStrokePathEx>(m_nCapacity);
  if (m_bHasRecords) path->AllocRecords();
  if (m_bWeightsAllocated) path->AllocWeights();
  return path;
}

int CStrokePathEx::AppendCountFrom(int pos, int n, const CStrokePath& src, int srcFirst, int drop) {
  int w = std::clamp(pos, 0, m_nCapacity);
  int s = std::max(srcFirst, 0);
  int end = static_cast<int>(std::min<int64_t>(int64_t(srcFirst) + std::max(n, 0), src.m_nCount));
  for (; s < end; ++s) {
    if (drop && w > 0 && src.m_pFlags[s] == 0 && src.m_pPoints[s] == m_pPoints[w - 1]) {
      bool endsShortStroke = s > 0 && src.m_pFlags[s - 1] != 0 && src.IsStrokeLast(s);
      if (!endsShortStroke) continue;
    }
    if (w >= m_nCapacity) break;
    CopySlots(src, s, w++, 1);
  }
  m_nCount = w;
  return m_nCount;
}

bool CStrokePathEx::CopyScaled(const CStrokePath& src, float s) {
  bool complete = CStrokePath::CopyScaled(src, s);
  if (!src.AsEx()) return complete;  // a plain source brings no side points to scale
  for (int i = 0; i < m_nCount; ++i) {
    m_pSide1[i] = m_pSide1[i] * s;
    m_pSide2[i] = m_pSide2[i] * s;
    if (m_bWeightsAllocated) {
      m_pWeight1[i] = static_cast<float>(double(m_pWeight1[i]) * s);
      m_pWeight2[i] = static_cast<float>(double(m_pWeight2[i]) * s);
    }
  }
  return complete;
}

int CStrokePathEx::FindByExtraPoint(float x, float y, int* which) const {
  const CFPoint* sides = (which && *which != 0) ? m_pSide2 : m_pSide1;
  for (int i = 0; i < m_nCount; ++i) {
    if (sides[i] == CFPoint(x, y)) return i;
  }
  if (which) *which = -1;
  return m_nCount;
}

void CStrokePathEx::ComputeWeights() {
  if (!AllocWeights()) return;
  auto distance = [](const CFPoint& a, const CFPoint& b) { return static_cast<float>(std::sqrt(SquaredDistance(a, b))); };
  for (int i = 0; i < m_nCount; ++i) {
    m_pWeight1[i] = distance(m_pPoints[i], m_pSide1[i]);
    m_pWeight2[i] = distance(m_pPoints[i], m_pSide2[i]);
  }
}
