// The geometric transforms of the working character: move, scale or tilt, rotate and
// contract, each about the centre of the character's bounding rectangle or, on request,
// about the centre of the cell that holds each stroke's first point.
#include <algorithm>
#include <cmath>

#include "core/canvas/work_canvas.h"
#include "core/geometry/saturate.h"
#include "core/record/char_data.h"

namespace {

constexpr int kMove = 80;
constexpr int kMoveRelative = 81;
constexpr int kMoveX = 82;
constexpr int kMoveY = 83;
constexpr int kScale = 84;
constexpr int kTilt = 85;
constexpr int kScaleX = 86;
constexpr int kScaleY = 87;
constexpr int kRotate = 88;
constexpr int kAngle = 89;
constexpr int kAboutCell = 2;
constexpr int kContract = 3;
constexpr double kPi = 3.14159265358979;
// The bounding rectangle starts from these and only grows.
constexpr int kBoundStartMin = 100000;
constexpr int kBoundStartMax = 0;

// Nearest integer, halves away from zero; NaN (a NaN scale factor) gives 0.
int Round(double v) { return SaturateToInt(std::round(v)); }
double Radians(int degrees) { return degrees * kPi / 180; }

}  // namespace

tmb::Point CCharData::GetBoundRect(tmb::Rect& rect) const { return GetRangeBoundRect(rect, 0, m_nPoints); }

tmb::Point CCharData::GetRangeBoundRect(tmb::Rect& rect, int from, int to) const {
  rect = {kBoundStartMin, kBoundStartMin, kBoundStartMax, kBoundStartMax};
  from = std::max(from, 0);
  to = std::min(to, m_nPoints);
  for (int i = from; i < to; ++i) {
    const tmb::Point p = m_pPoints[i];
    rect.left = std::min(rect.left, p.x);
    rect.top = std::min(rect.top, p.y);
    rect.right = std::max(rect.right, p.x);
    rect.bottom = std::max(rect.bottom, p.y);
  }
  const int64_t width = int64_t{rect.right} - rect.left;
  const int64_t height = int64_t{rect.bottom} - rect.top;
  return {SaturateToInt(rect.left + width / 2), SaturateToInt(rect.top + height / 2)};
}

void CCharData::ScalePoints(float factor) {
  for (int i = 0; i < m_nPoints; ++i) {
    m_pPoints[i] = {Round(double(m_pPoints[i].x) * factor), Round(double(m_pPoints[i].y) * factor)};
  }
}

void CCharData::ApplyTransforms() {
  DrawGuideLines(gWorkCanvas.m_width, gWorkCanvas.m_height, nullptr);
  tmb::Rect rect;
  // The centre for point i: the character's, or the centre of the cell holding the first
  // point of i's stroke.
  auto centreFor = [&](int i, bool aboutCell, tmb::Point& centre) {
    if (aboutCell && m_pFlags[i] != 0) centre = m_cellGrid.SnapToCellCentre(m_pPoints[i].x, m_pPoints[i].y);
  };

  if (m_param[kMove] != 0) {
    GetBoundRect(rect);
    int64_t dx = m_param[kMoveX];
    int64_t dy = m_param[kMoveY];
    if (m_param[kMoveRelative] != 0) {
      dx = (int64_t{rect.right} - rect.left) * m_param[kMoveX] / 100;
      dy = (int64_t{rect.bottom} - rect.top) * m_param[kMoveY] / 100;
    }
    for (int i = 0; i < m_nPoints; ++i) {
      m_pPoints[i] = {SaturateToInt(m_pPoints[i].x + dx), SaturateToInt(m_pPoints[i].y + dy)};
    }
  }

  if (m_param[kScale] != 0) {
    tmb::Point c = GetBoundRect(rect);
    const bool aboutCell = m_param[kScale] == kAboutCell;
    const bool tilt = m_param[kTilt] != 0;
    const double cosX = std::cos(Radians(m_param[kScaleX]));
    const double cosY = std::cos(Radians(m_param[kScaleY]));
    for (int i = 0; i < m_nPoints; ++i) {
      centreFor(i, aboutCell, c);
      const int64_t x = int64_t{m_pPoints[i].x} - c.x;
      const int64_t y = int64_t{m_pPoints[i].y} - c.y;
      if (tilt) {
        m_pPoints[i] = {SaturateToInt(c.x + int64_t{Round(double(x) * cosX)}), SaturateToInt(c.y + int64_t{Round(double(y) * cosY)})};
      } else {
        m_pPoints[i] = {SaturateToInt(c.x + x * m_param[kScaleX] / 100), SaturateToInt(c.y + y * m_param[kScaleY] / 100)};
      }
    }
  }

  if (m_param[kRotate] != 0) {
    tmb::Point c = GetBoundRect(rect);
    const bool aboutCell = m_param[kRotate] == kAboutCell;
    const double a = Radians(m_param[kAngle]);
    const double cosA = std::cos(a);
    const double sinA = std::sin(a);
    for (int i = 0; i < m_nPoints; ++i) {
      centreFor(i, aboutCell, c);
      const double x = double(m_pPoints[i].x) - c.x;
      const double y = double(m_pPoints[i].y) - c.y;
      m_pPoints[i] = {Round(c.x + x * cosA + y * sinA), Round(c.y - x * sinA + y * cosA)};
    }
    if (m_param[kRotate] == kContract) {
      // Each stroke moves toward the character's centre (away from it for negative values).
      const tmb::Point centre = GetBoundRect(rect);
      for (int s = 0; s < m_nPoints;) {
        const int e = FindStrokeEnd(s);
        tmb::Rect strokeRect;
        const tmb::Point sc = GetRangeBoundRect(strokeRect, s, e + 1);
        const int64_t dx = (int64_t{sc.x} - centre.x) * m_param[kAngle] / 100;
        const int64_t dy = (int64_t{sc.y} - centre.y) * m_param[kAngle] / 100;
        for (int j = s; j <= e; ++j) m_pPoints[j] = {SaturateToInt(m_pPoints[j].x - dx), SaturateToInt(m_pPoints[j].y - dy)};
        s = e + 1;
      }
    }
  }
}
