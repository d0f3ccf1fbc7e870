// Brush levels: the width step of every segment of the working character, from its
// length (a fast stroke is thinner), the pen pressure and the width and modulation
// parameters; and the link flags that mark the jumps between strokes.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/geometry/point_distance.h"
#include "core/record/char_data.h"
#include "core/record/char_data_full.h"

namespace {

constexpr int kLinkLength = 2;
constexpr int kWidth = 3;
constexpr int kModulation = 4;
constexpr int kSpeed = 31;
constexpr int kStyle = 37;
constexpr int kPressureWeight = 43;
constexpr int kIntegerStyle = 200;
constexpr int kDefaultMaxLevel = 31;

// Inputs are bounded so that no product below can overflow: no meaningful width,
// modulation, speed or pressure comes near these.
constexpr int64_t kParamBound = 1000000;
constexpr int64_t kLengthBound = 1000000000;

using Wide = __int128;

Wide Bound(int64_t v, int64_t bound) { return std::clamp(v, -bound, bound); }

// Inputs within these bounds keep every product below in 64 bits, where the 128-bit
// divisions cost more than the rest of the level: real widths, speeds, pressures and
// segment lengths lie far inside them.
constexpr int64_t kNarrowParam = 1000;
constexpr double kNarrowLength = 100000;

// The level formula in the integer type I (see ComputePointLevel), before the caps.
template <class I>
I LevelFormula(double dist, bool integerStyle, int penMode, I w, I m, I s, I second, int pressure, bool heavy) {
  if (!integerStyle) return (w * (500 - I(std::trunc(dist)) * m)) / 1000;
  const I r = static_cast<int64_t>(std::round(dist));  // halves away from zero
  const I e = penMode ? r : r + ((second - r) * s) / 10;
  I level = (((w * m) * (-e)) / 500 + w) / 2;
  if (pressure != -1) {
    const I weight = heavy ? 5 : 1;
    const I k = penMode ? 10 : s;
    const I p = pressure;
    level = (level * (10 - weight) + ((weight * (((p - 50) * k) / 10 + 50) * w * m) * 32) / 250000) / 10;
  }
  return level;
}

bool Narrow(int64_t v) { return v >= -kNarrowParam && v <= kNarrowParam; }

}  // namespace

int CCharData::ComputePointLevel(int dx, int dy, int penMode, int second, int pressure, int which) const {
  const double dist = std::sqrt(double(dx) * dx + double(dy) * dy);
  const bool integerStyle = m_param[kStyle] >= kIntegerStyle;
  const bool heavy = m_param[kPressureWeight] != 0;
  Wide level = 0;
  if (Narrow(m_param[kWidth]) && Narrow(m_param[kModulation]) && Narrow(m_param[kSpeed]) && Narrow(pressure) &&
      dist < kNarrowLength && std::abs(int64_t{second}) < int64_t(kNarrowLength)) {
    level = LevelFormula<int64_t>(dist, integerStyle, penMode, m_param[kWidth], m_param[kModulation],
                                  m_param[kSpeed], second, pressure, heavy);
  } else {
    level = LevelFormula<Wide>(dist, integerStyle, penMode, Bound(m_param[kWidth], kParamBound),
                               Bound(m_param[kModulation], kParamBound), Bound(m_param[kSpeed], kParamBound),
                               Bound(second, kLengthBound), int(Bound(pressure, kParamBound)), heavy);
  }
  const CCharDataFull* full = Full();
  const Wide maxLevel = full ? full->m_nMaxLevel : kDefaultMaxLevel;
  level = std::min(level, maxLevel);
  if (penMode) return static_cast<int>(std::max<Wide>(level, 1));
  const int minimum = PickSetting(which);
  if (level < minimum) return minimum;
  return static_cast<int>(std::max<Wide>(level, INT32_MIN));
}

int64_t CCharData::SegmentLengthSq(int i) const {
  if (i < 0 || i + 1 >= m_nPoints) return 0;
  return SquaredDistance(m_pPoints[i], m_pPoints[i + 1]);
}

void CCharData::FlagLinkSegments(const CCharData& work) {
  CCharDataFull* full = Full();
  if (!full) return;
  uint8_t* link = full->m_pLinks.get();
  std::fill_n(link, kMaxCharPoints, uint8_t{0});
  const int n = work.m_nPoints;
  const int64_t min = m_param[kLinkLength];
  for (int i = 0; i + 1 < n; ++i) link[i] = work.SegmentLengthSq(i) >= min * min ? 1 : 0;

  // A run of long segments is a link only when it ends at a stroke start; a run that
  // meets a short segment first is a fast stroke, not a jump. The look from i and the
  // looks from the later points of its run end at the same place, so one look serves
  // the run.
  int lookEnd = -1;
  bool keep = true;
  for (int i = 1; i + 1 < n; ++i) {
    if (!link[i] || link[i - 1]) continue;
    if (i > lookEnd) {
      int j = i;
      keep = true;
      for (; j < n - 1; ++j) {
        if (work.m_pFlags[j] != 0) break;
        if (!link[j]) {
          keep = false;
          break;
        }
      }
      lookEnd = j;
    }
    if (!keep) link[i] = 0;
  }
}
