// Editing a path in place: rounding, deleting ranges and removing repeated points, short
// strokes and matching points.
#include <algorithm>

#include "core/stroke_path.h"

void CStrokePath::DeleteRange(int first, int last) {
  ClipRange(first, last);
  int n = last - first;
  if (n <= 0) return;
  bool removedStart = std::any_of(m_pFlags + first, m_pFlags + last, [](uint8_t f) { return f != 0; });
  CopySlots(*this, last, first, m_nCount - last);
  m_nCount -= n;
  if (removedStart && first < m_nCount) m_pFlags[first] = kFlagStart;
}
