// Level contrast: within each section of the character the levels are spread away from
// the section's middle level, so thick parts get thicker and thin parts thinner.
#include <algorithm>
#include <cmath>

#include "core/record/char_data.h"

namespace {

constexpr int kMinLevel = 39;
constexpr int kTaperFloor = 49;
constexpr int kLevelCeiling = 32;

}  // namespace

void CCharData::ScaleLevelContrast(const uint8_t* links, int8_t* levels, float factor, int perStroke) const {
  if (factor == 1.0f) return;
  const int n = m_nPoints;
  const int minLevel = m_param[kMinLevel];
  const int lastMin = m_param[kTaperFloor];
  // Points [from, to): the section's last point may go down to the taper floor.
  auto spread = [&](int from, int to) {
    if (from >= to) return;
    int lo = kLevelCeiling;
    int hi = 1;
    for (int j = from; j < to; ++j) {
      lo = std::min<int>(lo, levels[j]);
      hi = std::max<int>(hi, levels[j]);
    }
    const int mid = (lo + hi) / 2;
    for (int j = from; j < to; ++j) {
      const int dev = levels[j] - mid;
      if (dev == 0) continue;
      const float scaled = float(dev) * factor;
      const float next = float(levels[j]) + scaled;
      if (next < kLevelCeiling && next >= float(j == to - 1 ? lastMin : minLevel)) {
        levels[j] = static_cast<int8_t>(std::clamp<double>(levels[j] + std::round(scaled), -128, 127));
      }
    }
  };
  if (perStroke) {
    for (int i = 0; i < n;) {
      const int end = FindStrokeEnd(i);
      spread(i, end);
      i = end + 1;
    }
    return;
  }
  // Sections run from a point after a link up to the point before the last point ahead
  // of the next link; the section after the last link reaches the end and is left alone.
  for (int i = 0; i < n;) {
    if (links[i]) {
      ++i;
      continue;
    }
    int j = i;
    while (j + 1 < n && !links[j + 1]) ++j;
    if (j + 1 >= n) break;
    spread(i, j);
    i = j + 1;
  }
}
