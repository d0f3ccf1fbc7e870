// Step squaring: direction reversals cut a stroke into runs, and every slanted run is
// replaced by an L-shaped step.
#include "convert/analysis/step_squaring.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/geometry/point_distance.h"
#include "core/geometry/saturate.h"
#include "core/path/stroke_work.h"

namespace {

int SignOf(float v) { return v < 0 ? -1 : 1; }

// The record of the run from point last to point i (chord c), or nothing when the chord
// is level or upright: which side of the chord most of its points lie on decides which
// way the step turns.
void WriteRecord(const CStrokePath& path, CStepRecord& record, int last, int i) {
  const CFPoint* p = path.m_pPoints;
  const CFPoint c = p[i] - p[last];
  int below = 0, above = 0;
  for (int j = last; j < i; ++j) {
    const int yl = SaturateToInt((double(p[j].x) - p[last].x) * c.y / c.x + p[last].y);
    if (yl < p[j].y) {
      ++below;
    } else if (!(yl == p[j].y)) {
      ++above;
    }
  }
  record.corner = p[last];
  record.index = last;
  if (below > above) {
    record.side = -1;
    record.verticalFirst = c.y >= 0 ? 1 : 0;
  } else {
    record.side = 1;
    record.verticalFirst = c.y >= 0 ? 0 : 1;
  }
}

// Where the perpendicular through q to the run's chord a meets the two legs of the step
// from A to B: q moves to the nearer one.
CFPoint OntoStep(const CFPoint& q, const CFPoint& a, const CFPoint& A, const CFPoint& B, int verticalFirst) {
  const double x = q.x, y = q.y;
  const double ax = a.x, ay = a.y;
  CFPoint c1, c2;
  if (verticalFirst == 0) {
    c1 = CFPoint(float(x + (y - A.y) * ay / ax), A.y);
    c2 = CFPoint(B.x, float(y + (x - B.x) * ax / ay));
  } else {
    c1 = CFPoint(A.x, float(y + (x - A.x) * ax / ay));
    c2 = CFPoint(float(x + (y - B.y) * ay / ax), B.y);
  }
  return SquaredDistance(c2, q) < SquaredDistance(c1, q) ? c2 : c1;
}

}  // namespace

int LimitStepShift(std::span<const CStepRecord> records, int n, int i, int shift, int axis) {
  n = std::min(n, int(records.size()));
  if (i < 0 || i >= n) return shift;
  const CFPoint C = records[size_t(i)].corner;
  for (int r = 0; r < n - 1; ++r) {
    if (r == i - 1 || r == i || r == i + 1) continue;
    const CFPoint A = records[size_t(r)].corner;
    const CFPoint B = records[size_t(r + 1)].corner;
    const double dx = double(B.x) - A.x, dy = double(B.y) - A.y;
    double v;
    if (axis == 0) {
      v = dy != 0 ? (double(C.y) - A.y) * dx / dy + A.x : (std::fabs(A.x - C.x) < std::fabs(B.x - C.x) ? A.x : B.x);
      v -= C.x;
    } else {
      v = dx != 0 ? (double(C.x) - A.x) * dy / dx + A.y : (std::fabs(A.y - C.y) < std::fabs(B.y - C.y) ? A.y : B.y);
      v -= C.y;
    }
    // Held within the int range before the truncation.
    const int t = SaturateToInt(v);
    if ((t < 0) == (shift < 0) && std::abs(int64_t{shift}) > std::abs(int64_t{t})) shift = t;
  }
  return shift;
}

void SquareStepRuns(CStrokePath& path, std::span<CStepRecord> records, int n, int amount, int snap) {
  n = std::min(n, int(records.size()));
  if (amount != 1) {
    for (int i = 1; i < n - 1; ++i) {
      CStepRecord& rec = records[size_t(i)];
      if (rec.strokeBreak != 0 || records[size_t(i + 1)].strokeBreak != 0) continue;
      const CFPoint b = rec.corner - records[size_t(i - 1)].corner;
      const int axis = rec.verticalFirst == 0 ? 1 : 0;
      const float along = axis == 1 ? b.y : b.x;
      int shift = SaturateToInt((int64_t{amount} - 1) * (along <= 0 ? -1 : 1));
      if (snap) shift = LimitStepShift(records, n, i, shift, axis);
      if (axis == 1) {
        rec.corner.y = float(double(rec.corner.y) + shift);
      } else {
        rec.corner.x = float(double(rec.corner.x) + shift);
      }
    }
  }
  CFPoint* p = path.m_pPoints;
  for (int i = 0; i < n - 1; ++i) {
    if (records[size_t(i + 1)].strokeBreak != 0) continue;
    const int first = std::max(records[size_t(i)].index, 0);
    const int end = std::min(records[size_t(i + 1)].index, path.m_nCount - 1);
    if (first >= end) continue;
    const CFPoint a = p[end] - p[first];
    if (a.x == 0 || a.y == 0) continue;
    const CStepRecord& from = records[size_t(i)];
    const CFPoint to = records[size_t(i + 1)].corner;
    for (int j = first; j < end; ++j) p[j] = OntoStep(p[j], a, from.corner, to, from.verticalFirst);
  }
}

void CStrokeWork::SquareStrokeSteps(int mode, int amount, int snap) {
  std::vector<CStepRecord> records(size_t(m_nCount) + 1);
  int n = 0, sx = 0, sy = 0, changes = 0, last = 0;
  for (int i = 0; i < m_nCount; ++i) {
    if (mode != 2 && m_pFlags[i] != 0) {
      changes = sx = sy = 0;
      records[size_t(n)].strokeBreak = 1;
      continue;
    }
    // The path's last point has no successor, so no direction to reverse.
    if (i + 1 >= m_nCount) break;
    const CFPoint d = m_pPoints[i + 1] - m_pPoints[i];
    const bool change = (d.x != 0 && SignOf(d.x) != sx) || (d.y != 0 && SignOf(d.y) != sy);
    if (!change) continue;
    sx = SignOf(d.x);
    sy = SignOf(d.y);
    ++changes;
    if (changes > 1) {
      const CFPoint c = m_pPoints[i] - m_pPoints[last];
      if (c.x != 0 && c.y != 0) WriteRecord(*this, records[size_t(n++)], last, i);
    }
    last = i;
  }
  SquareStepRuns(*this, records, n, amount, snap);
}
