// The brush level of a segment (see CCharData::ComputePointLevel) with everything that
// does not change from segment to segment settled once: the level loop of a rebuild asks
// for one level per segment, and reading and checking the parameters again for each of
// them cost as much as the formula itself.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/record/char_data.h"

class PointLevelCalculator {
 public:
  // Levels as rec.ComputePointLevel(dx, dy, penMode, second, pressure, which) gives them.
  PointLevelCalculator(const CCharData& rec, int penMode, int which);

  int Level(int dx, int dy, int second, int pressure) const {
    if (m_bPlainNarrow) return PlainLevel(dx, dy);
    return OtherLevel(*this, std::sqrt(double(dx) * dx + double(dy) * dy), second, pressure);
  }

  // The level of every segment of work into levels (clamped to the byte); a one-point dip
  // or bump between two equal levels is levelled unless keepDips.
  void FillSegmentLevels(const CCharData& work, int8_t* levels, bool keepDips) const;

 private:
  // Inputs within these bounds keep every product of the formula in 64 bits, where the
  // 128-bit divisions cost more than the rest of the level: real widths, speeds,
  // pressures and segment lengths lie far inside them.
  static constexpr int64_t kNarrowParam = 1000;
  static constexpr double kNarrowLength = 100000;

  // The level formula in the integer type I, before the caps. dist stays below 2^32 (dx
  // and dy are ints), where the conversion truncates like std::trunc.
  template <class I>
  I Formula(double dist, I w, I m, I s, I second, int pressure) const {
    if (!m_bIntegerStyle) return (w * (500 - I(static_cast<int64_t>(dist)) * m)) / 1000;
    const I r = static_cast<int64_t>(std::round(dist));  // halves away from zero
    const I e = m_nPenMode ? r : r + ((second - r) * s) / 10;
    I level = (((w * m) * (-e)) / 500 + w) / 2;
    if (pressure != -1) {
      const I weight = m_bHeavy ? 5 : 1;
      const I k = m_nPenMode ? 10 : s;
      const I p = pressure;
      level = (level * (10 - weight) + ((weight * (((p - 50) * k) / 10 + 50) * w * m) * 32) / 250000) / 10;
    }
    return level;
  }

  // The plain style reads only the length; with narrow parameters its products stay far
  // inside 64 bits for any segment of int steps.
  int PlainLevel(int dx, int dy) const {
    const double dist = std::sqrt(double(dx) * dx + double(dy) * dy);
    return Capped((m_nWidth * (500 - static_cast<int64_t>(dist) * m_nModulation)) / 1000);
  }

  static bool Narrow(int64_t v) { return v >= -kNarrowParam && v <= kNarrowParam; }

  // The caps: at most the record's largest level, at least 1 with the pen, else at least
  // the picked minimum.
  template <class I>
  int Capped(I level) const {
    level = std::min<I>(level, m_nMaxLevel);
    if (m_nPenMode) return static_cast<int>(std::max<I>(level, 1));
    if (level < m_nMinimum) return m_nMinimum;
    return static_cast<int>(std::max<I>(level, INT32_MIN));
  }

  // The level of the other styles and of parameters outside the narrow bounds. It takes
  // a copy, so that the calculator of a loop can live in registers.
  static int OtherLevel(PointLevelCalculator calc, double dist, int second, int pressure);

  int m_nPenMode;
  bool m_bIntegerStyle;
  bool m_bHeavy;
  bool m_bNarrowParams;
  bool m_bPlainNarrow;  // the plain style with narrow parameters
  int64_t m_nWidth;
  int64_t m_nModulation;
  int m_nSpeed;
  int m_nMaxLevel;
  int m_nMinimum;
};
