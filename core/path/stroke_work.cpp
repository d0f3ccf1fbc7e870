#include "core/path/stroke_work.h"

#include <algorithm>
#include <new>

#include "core/canvas/work_canvas.h"

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
  m_pPressure[m_nCount - 1] = static_cast<int16_t>(std::clamp(pressure, -32768, 32767));
  return 1;
}

void CStrokeWork::CopyParamsFrom(const CStrokeWork& other) { m_param = other.m_param; }

void CStrokeWork::SetGridLayout() { m_grid.SetLayout(m_gridLayout); }
