#include "core/path/stroke_index.h"

CStrokeIndex::CStrokeIndex(std::span<const uint8_t> flags) {
  int n = static_cast<int>(flags.size());
  for (int i = 0; i < n; ++i) {
    if (flags[i] != 1) continue;
    if (!m_first.empty()) m_last.push_back(i - 1);
    m_first.push_back(i);
  }
  if (!m_first.empty()) m_last.push_back(n - 1);
  m_nStrokes = static_cast<int>(m_first.size());
  m_first.push_back(n);
  m_last.push_back(n);
}
