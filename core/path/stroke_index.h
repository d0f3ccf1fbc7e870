// A table of the strokes in a run of flag bytes: the first and last index of each stroke
// (a byte equal to 1 starts one), closed by an entry n in both lists.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

class CStrokeIndex {
 public:
  explicit CStrokeIndex(std::span<const uint8_t> flags);

  // The stroke k with m_first[k] <= i <= m_last[k]; m_nStrokes when i lies in none.
  int FindStroke(int i) const;

  int m_nStrokes = 0;
  std::vector<int> m_first;  // m_nStrokes entries, then n
  std::vector<int> m_last;   // m_nStrokes entries, then n
};
