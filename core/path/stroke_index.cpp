#include "core/path/stroke_index.h"

#include <algorithm>

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

int CStrokeIndex::FindStroke(int i) const {
  // The strokes follow one another, so the candidate is the last one starting at or before i.
  const auto begin = m_first.begin();
  const int k = static_cast<int>(std::upper_bound(begin, begin + m_nStrokes, i) - begin) - 1;
  return k >= 0 && i <= m_last[k] ? k : m_nStrokes;
}
