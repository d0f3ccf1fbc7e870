#include "core/path/division_table.h"

#include <algorithm>

CDivisionTable gDivisionTable;

int CDivisionTable::ActiveMode() const { return m_active != 0 ? m_selectMode : 0; }

void CDivisionTable::GetCurrentRange(int& lo, int& hi) const {
  if (m_active == 0) return;
  const int count = std::clamp(m_count, 0, kMaxDivisions);
  if (count == 0) {
    lo = hi = 0;
    return;
  }
  const int c = std::clamp(m_current, 0, count - 1);
  lo = m_endIndex[c];
  hi = m_endIndex[c + 1];
}

void CDivisionTable::ClearDivisions() {
  m_count = 0;
  m_endIndex.fill(0);
  m_strokeA.fill(0);
  m_strokeB.fill(0);
}
