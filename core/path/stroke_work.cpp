#include "core/path/stroke_work.h"

#include <algorithm>
#include <new>

#include "core/canvas/work_canvas.h"
#include "core/path/slot_values.h"
#include "platform/gdi/device_context.h"

CStrokeWork::CStrokeWork() : CStrokeWork(gWorkCanvas.m_nMaxPoints) {}

CStrokeWork::CStrokeWork(int capacity) : CStrokePath(capacity) {
  AllocRecords();
  AllocWorkArrays();
}

CStrokeWork::~CStrokeWork() { FreeWorkArrays(); }

void CStrokeWork::AllocWorkArrays() {
  m_pWidths = new (std::nothrow) uint8_t[m_nCapacity]();
  m_pLevels = new (std::nothrow) uint8_t[m_nCapacity]();
  m_pPressure = new (std::nothrow) int16_t[m_nCapacity]();
  if (!m_pWidths || !m_pLevels || !m_pPressure) {
    FreeWorkArrays();
    CStrokePath::Reallocate(0);
    m_pWidths = new uint8_t[0];
    m_pLevels = new uint8_t[0];
    m_pPressure = new int16_t[0];
  }
}

void CStrokeWork::FreeWorkArrays() {
  delete[] m_pWidths;
  delete[] m_pLevels;
  delete[] m_pPressure;
  m_pWidths = nullptr;
  m_pLevels = nullptr;
  m_pPressure = nullptr;
}

void CStrokeWork::Reallocate(int capacity) {
  FreeWorkArrays();
  CStrokePath::Reallocate(capacity);
  AllocWorkArrays();
}

int CStrokeWork::AddSample(int x, int y, int pressure, int flag) {
  if (!AppendPoint(x, y, flag)) return 0;
  const int i = m_nCount - 1;
  // The slot may hold an earlier character's values: a sample starts afresh.
  m_pRecords[i] = CPointRecord{};
  m_pWidths[i] = 0;
  m_pLevels[i] = 0;
  m_pPressure[i] = static_cast<int16_t>(std::clamp(pressure, -32768, 32767));
  return 1;
}

void CStrokeWork::CopyParamsFrom(const CStrokeWork& other) { m_param = other.m_param; }

void CStrokeWork::CopySettingsFrom(const CStrokeWork& other) {
  m_param = other.m_param;
  m_options = other.m_options;
  m_bLoaded = other.m_bLoaded;
  m_rangeFrom = other.m_rangeFrom;
  m_rangeTo = other.m_rangeTo;
  m_nMorphState = other.m_nMorphState;
  m_nMorphPercent = other.m_nMorphPercent;
  m_nFrameCount = other.m_nFrameCount;
  m_nRecordValue = other.m_nRecordValue;
  m_nMaxWidth = other.m_nMaxWidth;
  m_bLinkPoints = 0;
}

void CStrokeWork::CopySlots(const CStrokePath& src, int srcIndex, int dstIndex, int n) {
  CStrokePath::CopySlots(src, srcIndex, dstIndex, n);
  if (n <= 0) return;
  if (const CStrokeWork* work = src.AsWork()) {
    MoveSlotValues(m_pWidths + dstIndex, work->m_pWidths + srcIndex, n);
    MoveSlotValues(m_pLevels + dstIndex, work->m_pLevels + srcIndex, n);
    MoveSlotValues(m_pPressure + dstIndex, work->m_pPressure + srcIndex, n);
  } else {
    // A plain path brings none: the slots take the values of a new path.
    std::fill_n(m_pWidths + dstIndex, n, uint8_t{0});
    std::fill_n(m_pLevels + dstIndex, n, uint8_t{0});
    std::fill_n(m_pPressure + dstIndex, n, int16_t{0});
  }
}

std::unique_ptr<CStrokePath> CStrokeWork::NewEmptyLike() const { return std::make_unique<CStrokeWork>(m_nCapacity); }

void CStrokeWork::SetGridLayout() { m_grid.SetLayout(m_gridLayout); }
