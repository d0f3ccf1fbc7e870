// Brush levels: the width step of every segment of the working character, from its
// length (a fast stroke is thinner), the pen pressure and the width and modulation
// parameters; and the link flags that mark the jumps between strokes.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "brush/outline/point_level_calculator.h"
#include "core/geometry/point_distance.h"
#include "core/geometry/saturate.h"
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

// Inputs are bounded so that no product of the wide formula can overflow: no meaningful
// width, modulation, speed or pressure comes near these.
constexpr int64_t kParamBound = 1000000;
constexpr int64_t kLengthBound = 1000000000;

using Wide = __int128;

Wide Bound(int64_t v, int64_t bound) { return std::clamp(v, -bound, bound); }

int MaxLevel(const CCharData& rec) {
  const CCharDataFull* full = rec.Full();
  return full ? full->m_nMaxLevel : kDefaultMaxLevel;
}

// One level per segment of work by levelOf(dx, dy, second, pressure), held within the
// byte; a one-point dip or bump between two equal levels is levelled unless keepDips.
template <class LevelOf>
void FillLevels(const CCharData& work, int8_t* levels, bool keepDips, LevelOf levelOf) {
  // Locals: the byte stores to the levels could alias anything in memory.
  const int n = work.m_nPoints;
  const tmb::Point* points = work.m_pPoints.get();
  const int32_t* segLength = work.m_pSegLength.get();
  const int32_t* pressure = work.m_pPressure.get();
  int8_t before = 0;  // levels[i - 2] and levels[i - 1] as they stand
  int8_t last = 0;
  for (int i = 0; i + 1 < n; ++i) {
    const int dx = SaturatedSub(points[i + 1].x, points[i].x);
    const int dy = SaturatedSub(points[i + 1].y, points[i].y);
    const int8_t level = static_cast<int8_t>(std::clamp(levelOf(dx, dy, segLength[i], pressure[i]), -128, 127));
    levels[i] = level;
    if (!keepDips && i > 1 && before == level && std::abs(level - last) < 4) {
      levels[i - 1] = level;
      last = level;
    }
    before = last;
    last = level;
  }
}

}  // namespace

PointLevelCalculator::PointLevelCalculator(const CCharData& rec, int penMode, int which)
    : m_nPenMode(penMode),
      m_bIntegerStyle(rec.m_param[kStyle] >= kIntegerStyle),
      m_bHeavy(rec.m_param[kPressureWeight] != 0),
      m_bNarrowParams(Narrow(rec.m_param[kWidth]) && Narrow(rec.m_param[kModulation]) && Narrow(rec.m_param[kSpeed])),
      m_bPlainNarrow(m_bNarrowParams && !m_bIntegerStyle),
      m_nWidth(rec.m_param[kWidth]),
      m_nModulation(rec.m_param[kModulation]),
      m_nSpeed(rec.m_param[kSpeed]),
      m_nMaxLevel(MaxLevel(rec)),
      m_nMinimum(rec.PickSetting(which)) {}

int PointLevelCalculator::OtherLevel(PointLevelCalculator calc, double dist, int second, int pressure) {
  if (calc.m_bNarrowParams && Narrow(pressure) && dist < kNarrowLength &&
      std::abs(int64_t{second}) < int64_t(kNarrowLength)) {
    return calc.Capped(calc.Formula<int64_t>(dist, calc.m_nWidth, calc.m_nModulation, calc.m_nSpeed, second, pressure));
  }
  return calc.Capped(calc.Formula<Wide>(dist, Bound(calc.m_nWidth, kParamBound), Bound(calc.m_nModulation, kParamBound),
                                        Bound(calc.m_nSpeed, kParamBound), Bound(second, kLengthBound),
                                        int(Bound(pressure, kParamBound))));
}

void PointLevelCalculator::FillSegmentLevels(const CCharData& work, int8_t* levels, bool keepDips) const {
  // The plain style gets a loop without a call in it, so that everything it reads stays in
  // registers.
  const PointLevelCalculator calc = *this;
  if (calc.m_bPlainNarrow) {
    FillLevels(work, levels, keepDips, [calc](int dx, int dy, int, int) { return calc.PlainLevel(dx, dy); });
  } else {
    FillLevels(work, levels, keepDips, [calc](int dx, int dy, int second, int pressure) {
      return OtherLevel(calc, std::sqrt(double(dx) * dx + double(dy) * dy), second, pressure);
    });
  }
}

int CCharData::ComputePointLevel(int dx, int dy, int penMode, int second, int pressure, int which) const {
  return PointLevelCalculator(*this, penMode, which).Level(dx, dy, second, pressure);
}

int64_t CCharData::SegmentLengthSq(int i) const {
  if (i < 0 || i + 1 >= m_nPoints) return 0;
  return SquaredDistance(m_pPoints[i], m_pPoints[i + 1]);
}

void CCharData::FlagLinkSegments(const CCharData& work) {
  CCharDataFull* full = Full();
  if (!full) return;
  uint8_t* link = full->m_pLinks.get();
  const int n = std::clamp(work.m_nPoints, 0, kMaxCharPoints);
  const int64_t min = m_param[kLinkLength];
  const tmb::Point* points = work.m_pPoints.get();
  for (int i = 0; i + 1 < n; ++i) link[i] = SquaredDistance(points[i], points[i + 1]) >= min * min ? 1 : 0;
  const int segments = std::max(n - 1, 0);
  std::fill_n(link + segments, kMaxCharPoints - segments, uint8_t{0});

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
