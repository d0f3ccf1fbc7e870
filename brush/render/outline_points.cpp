// Edits of outline points before they are drawn or exported: midpoints between control
// points, snapping of points that stick out of level and upright runs, and thinning of
// straight runs by their angle.
#include <cmath>
#include <cstdlib>
#include <memory>

#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_work.h"

namespace {

constexpr float kWideAngleLimit = 160.0f;  // degrees over four points either way
constexpr int kWideAngleReach = 4;

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

int CStrokePath::InsertMidpoints() {
  std::unique_ptr<CStrokePath> result = NewEmptyLike();
  for (int i = 0; i < m_nCount; ++i) {
    if (!result->AppendPointFrom(*this, i)) return 0;
    const bool controlRun = m_pAttrs[i] == kAttrSkip && i + 1 < m_nCount && m_pAttrs[i + 1] == kAttrSkip &&
                            m_pFlags[i + 1] == 0;
    if (!controlRun) continue;
    const CFPoint mid = (m_pPoints[i] + m_pPoints[i + 1]) / 2.0f;
    if (!result->AddPointUnique(mid.x, mid.y, 0, 1)) return 0;
    result->m_pAttrs[result->m_nCount - 1] = 0;
  }
  CopyRangeFrom(*result, 0, result->m_nCount);
  return 1;
}

void CStrokePath::ThinByAngle(float threshold) {
  // The interior angle at point i between the directions to points a and b, in degrees
  // (180 on a straight line).
  auto angleAt = [this](int i, int a, int b) {
    const CFPoint u = m_pPoints[a] - m_pPoints[i];
    const CFPoint v = m_pPoints[b] - m_pPoints[i];
    return VectorAngle(u.x, u.y, v.x, v.y, kAngleBetween) * 180.0f / m_fParam;
  };
  std::unique_ptr<CStrokePath> kept = NewEmptyLike();
  for (int i = 0; i < m_nCount; ++i) {
    const bool end = i == 0 || m_pFlags[i] != 0 || IsStrokeLast(i);
    const bool keep = end || angleAt(i, i - 1, i + 1) <= threshold ||
                      angleAt(i, WrapIndexInStroke(i, -kWideAngleReach, -1, -1),
                              WrapIndexInStroke(i, kWideAngleReach, -1, -1)) <= kWideAngleLimit;
    if (keep) kept->AppendPointFrom(*this, i);
  }
  CopyRangeFrom(*kept, 0, kept->m_nCount);
}

// The work is done on whole pixels: the points are rounded, and a snapped coordinate is
// the neighbour's rounded one.
void CStrokeWork::SnapNearAxisPoints() {
  for (int i = 0; i < m_nCount; ++i) {
    CFPoint& p = m_pPoints[i];
    const tmb::Point ip = p.RoundToPoint();
    const tmb::Point iq = m_pPoints[PrevInStroke(i, -1)].RoundToPoint();
    const tmb::Point ir = m_pPoints[NextInStroke(i, -1)].RoundToPoint();
    const tmb::Point d1{ip.x - iq.x, ip.y - iq.y};
    const tmb::Point d2{ip.x - ir.x, ip.y - ir.y};
    if (std::abs(d1.x) < 2 && std::abs(d1.y) < 2) {
      if (d1.x != 0 && d2.x != 0 && Sign(d1.x) != Sign(d2.x)) p.x = float(iq.x);
      if (d1.y != 0 && d2.y != 0 && Sign(d1.y) != Sign(d2.y)) p.y = float(iq.y);
    } else {
      if (d1.y == 0 && d1.x != 0 && std::abs(d2.x) == 1 && Sign(d1.x) != Sign(d2.x)) p.x = float(ir.x);
      if (d2.x == 0 && d1.y != 0 && std::abs(d2.y) == 1 && Sign(d1.y) != Sign(d2.y)) p.y = float(ir.y);
    }
  }
}
