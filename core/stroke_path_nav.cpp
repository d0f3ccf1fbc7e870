// Finding a point's stroke, section and segment, cyclic neighbours inside a stroke, and
// stroke numbering.
#include <algorithm>

#include "core/stroke_path.h"

bool CStrokePath::IsStrokeLast(int i) const {
  if (i >= m_nCount - 1) return true;
  return m_pFlags[std::max(i, -1) + 1] != 0;
}

int CStrokePath::FindStrokeEnd(int i) const {
  i = std::max(i, 0);
  while (!IsStrokeLast(i)) ++i;
  return i;
}

int CStrokePath::FindStrokeStart(int i) const {
  for (int j = std::min(i, m_nCount - 1); j >= 1; --j) {
    if (m_pFlags[j] != 0) return j;
  }
  return 0;
}

int CStrokePath::GetStrokeIndex(int i) const {
  int last = (i < 0 || i >= m_nCount) ? m_nCount - 1 : i;
  int n = 0;
  for (int j = 0; j <= last; ++j) {
    if (m_pFlags[j] == kFlagStart || m_pFlags[j] == kFlagStartAlt) ++n;
  }
  return n - 1;
}
