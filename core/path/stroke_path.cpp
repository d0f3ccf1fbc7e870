#include "core/path/stroke_path.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "core/canvas/work_canvas.h"
#include "core/path/slot_values.h"
#include "core/path/stroke_marks.h"

CStrokePath::CStrokePath() : CStrokePath(gWorkCanvas.m_nMaxPoints) {}

CStrokePath::CStrokePath(int capacity) { Init(capacity); }

CStrokePath::~CStrokePath() {
  FreeArrays();
  FreeStrokeMarks();
}

void CStrokePath::FreeArrays() {
  if (m_bOwnsArrays) {
    delete[] m_pPoints;
    delete[] m_pFlags;
    delete[] m_pAttrs;
    delete[] m_pRecords;
  }
  m_pPoints = nullptr;
  m_pFlags = nullptr;
  m_pAttrs = nullptr;
  m_pRecords = nullptr;
  m_bOwnsArrays = 0;
  m_bHasRecords = 0;
  m_nCapacity = 0;
  m_nCount = 0;
}

void CStrokePath::FreeStrokeMarks() {
  delete m_pStrokeMarks;
  m_pStrokeMarks = nullptr;
  m_bHasStrokeMarks = 0;
}

void CStrokePath::Init(int capacity) {
  FreeArrays();
  FreeStrokeMarks();
  m_fParam = 3.1415927f;
  if (capacity < 0) capacity = 0;
  m_pPoints = new (std::nothrow) CFPoint[capacity];
  m_pFlags = new (std::nothrow) uint8_t[capacity];
  m_pAttrs = new (std::nothrow) uint8_t[capacity];
  m_bOwnsArrays = 1;
  if (!m_pPoints || !m_pFlags || !m_pAttrs) {
    FreeArrays();
    m_bOwnsArrays = 1;
    return;
  }
  std::fill_n(m_pPoints, capacity, CFPoint(0, 0));
  std::memset(m_pFlags, 0, capacity);
  std::memset(m_pAttrs, kAttrDefault, capacity);
  m_nCapacity = capacity;
}

void CStrokePath::AllocRecords() {
  delete[] m_pRecords;
  m_pRecords = new (std::nothrow) CPointRecord[m_nCapacity];
  m_bHasRecords = m_pRecords ? 1 : 0;
  if (!m_pRecords) Init(0);  // a path without its records must not pretend to hold them
}

void CStrokePath::Reallocate(int capacity) {
  bool hadMarks = m_pStrokeMarks != nullptr;
  bool hadRecords = m_bHasRecords != 0;
  Init(capacity);
  if (hadRecords) AllocRecords();
  if (hadMarks) EnsureAuxBuffer(0);
}

int CStrokePath::EnsureAuxBuffer(int n) {
  if (m_pStrokeMarks && (n <= 0 || m_pStrokeMarks->m_nSize >= n)) {
    m_pStrokeMarks->m_nUsed = 0;
    return 1;
  }
  FreeStrokeMarks();  // none, or too small
  int size = n > 0 ? n : m_nCapacity / 32;
  m_pStrokeMarks = new (std::nothrow) CStrokeMarks(std::max(size, kMinStrokeMarks));
  if (m_pStrokeMarks && !m_pStrokeMarks->m_pBytes) FreeStrokeMarks();
  m_bHasStrokeMarks = m_pStrokeMarks ? 1 : 0;
  return m_bHasStrokeMarks;
}

void CStrokePath::ClearFlags() {
  if (m_nCapacity <= 0) return;
  std::memset(m_pFlags, 0, m_nCapacity);
  std::memset(m_pAttrs, 0, m_nCapacity);
}

void CStrokePath::SetCount(int n) { m_nCount = std::clamp(n, 0, m_nCapacity); }

CFPoint CStrokePath::GetPoint(int i) const {
  return (i >= 0 && i < m_nCapacity) ? m_pPoints[i] : CFPoint(0, 0);
}

signed char CStrokePath::GetFlag(int i) const {
  return (i >= 0 && i < m_nCapacity) ? static_cast<signed char>(m_pFlags[i]) : 0;
}

void CStrokePath::ClipRange(int& first, int& last) const {
  first = std::clamp(first, 0, m_nCount);
  last = std::clamp(last, first, m_nCount);
}

std::unique_ptr<CStrokePath> CStrokePath::NewEmptyLike() const {
  auto path = std::make_unique<CStrokePath>(m_nCapacity);
  if (m_bHasRecords) path->AllocRecords();
  return path;
}

void CStrokePath::CopySlots(const CStrokePath& src, int srcIndex, int dstIndex, int n) {
  if (n <= 0) return;
  MoveSlotValues(m_pPoints + dstIndex, src.m_pPoints + srcIndex, n);
  MoveSlotValues(m_pFlags + dstIndex, src.m_pFlags + srcIndex, n);
  MoveSlotValues(m_pAttrs + dstIndex, src.m_pAttrs + srcIndex, n);
  if (m_bHasRecords && src.m_bHasRecords) {
    MoveSlotValues(m_pRecords + dstIndex, src.m_pRecords + srcIndex, n);
  } else if (m_bHasRecords) {
    std::fill_n(m_pRecords + dstIndex, n, CPointRecord{});
  }
}

void CStrokePath::AppendSlots(const CStrokePath& src, int srcFirst, int n) {
  CopySlots(src, srcFirst, m_nCount, n);
  m_nCount += n;
}
