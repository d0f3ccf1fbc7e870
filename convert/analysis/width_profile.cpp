#include "convert/analysis/width_profile.h"

#include <algorithm>

namespace {

// A width of 0 or more is set; the pass starts every point at -1.
bool IsSet(float w) { return w >= 0; }

}  // namespace

void CWidthProfile::SetValues(std::span<const float> widths) {
  m_nKeys = static_cast<int>(std::min<size_t>(widths.size(), kMaxKeys));
  std::copy_n(widths.begin(), m_nKeys, m_widths.begin());
}

void CWidthProfile::SetKeyIndexes(int first, int last) {
  m_first = first;
  m_last = last;
  m_indexes[0] = first;
  m_indexes[1] = (first + last) / 2;
  m_indexes[2] = last;
}

void CWidthProfile::Apply(std::span<float> widths, int mode, bool sharp) const {
  const int first = m_first;
  const int last = m_last;
  if (first < 0 || last < first || static_cast<size_t>(last) >= widths.size()) return;
  for (int k = 0; k < m_nKeys; ++k) {
    if (k > 0 && m_indexes[k] == m_indexes[k - 1]) continue;
    widths[m_indexes[k]] = m_widths[k];
  }
  const int span = last - first;
  if (mode == kStepped) {
    const int middle = (first + last) / 2;
    widths[first + span / 4] = 0.25f * widths[first] + 0.75f * widths[middle];
    if (sharp) widths[last] = widths[first];
    widths[first + 3 * span / 4] = 0.75f * widths[middle] + 0.25f * widths[last];
  }
  const bool linear = mode == kLinear || sharp;
  for (int a = first; a < last;) {
    int b = a + 1;
    while (b < last && !IsSet(widths[b])) ++b;
    const float wa = widths[a];
    const float wb = widths[b];
    for (int k = a + 1; k < b; ++k) widths[k] = linear ? wa + (wb - wa) * float(k - a) / float(b - a) : wa;
    a = b;
  }
  if (sharp) {
    widths[last] = 0;
    widths[std::max(last - 1, first)] = 0;
  }
}
