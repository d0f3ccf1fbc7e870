// Step lengths and width levels of a character record: the level of a point grows with
// its distance from the last corner of its stroke, one level per 16 pixels up to 4.
#include <algorithm>
#include <cmath>

#include "convert/analysis/vector_geometry.h"
#include "core/geometry/point_distance.h"
#include "core/record/char_data.h"

namespace {

constexpr int kWidthParam = 114;
constexpr int kLevelDivisor = 16;
constexpr int kMaxWidthLevel = 4;
constexpr int64_t kShortStroke2 = 48 * 48;  // strokes this short keep level 0
constexpr int64_t kLookAhead2 = 9;          // a look-ahead point lies more than 3 px away
constexpr float kCornerAngle = 3.1415927f * 7 / 12;  // 105 degrees

// b - a without overflow: coordinates read from a file can lie anywhere.
float Diff(int b, int a) { return static_cast<float>(int64_t{b} - a); }

}  // namespace

void CCharData::ComputeWidthLevels() {
  for (int i = 0; i + 1 < m_nPoints; ++i) m_pSegLength[i] = RoundedDistance(m_pPoints[i], m_pPoints[i + 1]);
  std::fill_n(m_pWidthLevel.get(), std::max(m_nPoints, 0), uint8_t{0});
  if (m_param[kWidthParam] != 0) ComputeWidthLevelsBy(kLevelDivisor);
}

void CCharData::ComputeWidthLevelsBy(int divisor) {
  if (divisor <= 0) return;
  int corner = 0;
  bool skip = false;
  int i = 0;
  while (i < m_nPoints - 1) {
    if (i == 0 || m_pFlags[i] != 0) {
      corner = i;
      skip = SquaredDistance(m_pPoints[corner], m_pPoints[FindStrokeEnd(i)]) < kShortStroke2;
    }
    if (skip) {
      ++i;
      continue;
    }
    const double d = std::sqrt(double(SquaredDistance(m_pPoints[corner], m_pPoints[i])));
    bool newCorner = false;
    if (d > 3 && m_pFlags[i + 1] == 0) {
      // Look ahead along the stroke for the first point more than 3 px from point i.
      int j = i + 1;
      while (j < m_nPoints - 1 && m_pFlags[j + 1] == 0 &&
             SquaredDistance(m_pPoints[i], m_pPoints[j + 1]) <= kLookAhead2) {
        ++j;
      }
      if (j < m_nPoints - 1 && m_pFlags[j + 1] == 0) {
        const tmb::Point at = m_pPoints[i];
        const tmb::Point& back = m_pPoints[corner];
        const tmb::Point& on = m_pPoints[j + 1];
        i = j;
        const float angle = VectorAngle(Diff(back.x, at.x), Diff(back.y, at.y), Diff(on.x, at.x),
                                        Diff(on.y, at.y), kAngleFirstReversed);
        if (angle < kCornerAngle) {
          corner = i;
          newCorner = true;
        }
      }
    }
    if (!newCorner && i + 1 < m_nPoints && m_pFlags[i + 1] == 0) {
      m_pWidthLevel[i] = static_cast<uint8_t>(std::min<double>(std::trunc(d / divisor), kMaxWidthLevel));
    }
    ++i;
  }
}
