// Step lengths and width levels of a character record: the level of a point grows with
// its distance from the last corner of its stroke, one level per 16 pixels up to 4.
#include <algorithm>
#include <cmath>

#include "core/geometry/vector_geometry.h"
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

// The level of a point at squared distance sq from the corner: trunc(distance / divisor),
// at most 4. From topSq (4 x divisor squared, exact in a double) on the level is 4
// without the root, which most points of a long stroke are.
uint8_t LevelAt(int64_t sq, int divisor, int64_t topSq) {
  if (sq >= topSq) return kMaxWidthLevel;
  // The quotient stays below 2^32, where the conversion truncates.
  const double d = std::sqrt(double(sq));
  return static_cast<uint8_t>(std::min<int64_t>(static_cast<int64_t>(d / divisor), kMaxWidthLevel));
}

}  // namespace

void CCharData::ComputeWidthLevels() {
  // Locals, as the stores to the lengths could alias the record's fields.
  const int n = m_nPoints;
  const tmb::Point* points = m_pPoints.get();
  int32_t* segLength = m_pSegLength.get();
  for (int i = 0; i + 1 < n; ++i) segLength[i] = RoundedDistance(points[i], points[i + 1]);
  std::fill_n(m_pWidthLevel.get(), std::max(m_nPoints, 0), uint8_t{0});
  if (m_param[kWidthParam] != 0) ComputeWidthLevelsBy(kLevelDivisor);
}

void CCharData::ComputeWidthLevelsBy(int divisor) {
  if (divisor <= 0) return;
  // Locals, as the stores to the levels could alias the record's fields.
  const int n = m_nPoints;
  const tmb::Point* points = m_pPoints.get();
  const uint8_t* flags = m_pFlags.get();
  uint8_t* widthLevel = m_pWidthLevel.get();
  const int64_t top = int64_t{kMaxWidthLevel} * divisor;
  const int64_t topSq = divisor <= (1 << 20) ? top * top : INT64_MAX;
  static const AngleLimit cornerAngle(kCornerAngle);
  int corner = 0;
  int i = 0;
  while (i < n - 1) {
    if (i == 0 || flags[i] != 0) {
      corner = i;
      const int end = FindStrokeEnd(i);
      if (SquaredDistance(points[corner], points[end]) < kShortStroke2) {
        i = end + 1;
        continue;
      }
    }
    const int64_t sq = SquaredDistance(points[corner], points[i]);
    bool newCorner = false;
    if (sq > 9 && flags[i + 1] == 0) {  // more than 3 px from the corner
      // Look ahead along the stroke for the first point more than 3 px from point i.
      int j = i + 1;
      while (j < n - 1 && flags[j + 1] == 0 && SquaredDistance(points[i], points[j + 1]) <= kLookAhead2) ++j;
      if (j < n - 1 && flags[j + 1] == 0) {
        const tmb::Point at = points[i];
        const tmb::Point& back = points[corner];
        const tmb::Point& on = points[j + 1];
        i = j;
        if (VectorAngleBelow(Diff(back.x, at.x), Diff(back.y, at.y), Diff(on.x, at.x), Diff(on.y, at.y),
                             kAngleFirstReversed, cornerAngle)) {
          corner = i;
          newCorner = true;
        }
      }
    }
    if (!newCorner && i + 1 < n && flags[i + 1] == 0) widthLevel[i] = LevelAt(sq, divisor, topSq);
    ++i;
  }
}
