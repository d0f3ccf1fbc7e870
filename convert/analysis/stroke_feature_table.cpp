#include "convert/analysis/stroke_feature_table.h"

#include "core/path/stroke_path.h"

CStrokeFeatureTable gStrokeFeatureTable;

namespace {

// Lower bounds of the direction bands, each band running to the next bound.
struct DirectionBand {
  float from;
  float to;
  int code;
};

constexpr DirectionBand kDirectionBands[] = {
    {-180, -150, 5}, {-150, -120, 6}, {-120, -60, 7}, {-60, -30, 8}, {-30, 30, 1},
    {30, 60, 2},     {60, 120, 3},    {120, 150, 4},  {150, 180, 5},
};

}  // namespace

int DirectionCode(float angle) {
  for (const DirectionBand& b : kDirectionBands) {
    if (angle >= b.from && angle < b.to) return b.code;
  }
  return 0;
}

int CStrokeFeatureTable::AddEntry(int point, int code, const CStrokePath& path, float angle) {
  if (Count() >= kCapacity - 1) return 0;
  const int stroke = path.GetStrokeIndex(point);
  const int direction = code < 0 ? DirectionCode(angle) : 0;
  m_entries.push_back({point, stroke, direction != 0 ? direction : code, angle});
  if (direction != 0) m_entries.push_back({point, stroke, kDirectionFollower, angle});
  return 1;
}

int CStrokeFeatureTable::Find(int point, int code) const {
  for (int k = 0; k < Count(); ++k) {
    if (m_entries[k].point == point && m_entries[k].code == code) return k;
  }
  return -1;
}

int CStrokeFeatureTable::FindPointInRange(int from, int to, int code) const {
  for (const CStrokeFeatureEntry& e : m_entries) {
    if (e.code == code && e.point >= from && e.point <= to) return e.point;
  }
  return -1;
}
