// Geometry on point paths: line points, densifying and rasterising, lengths and
// transformation.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/geometry/point_distance.h"
#include "core/path/pixel_mask.h"
#include "core/path/stroke_path.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF;

// The unit stepping of a line between integer points: the major axis is y when
// |dx| <= |dy|, n steps along it in direction s.
struct LineSteps {
  LineSteps(int64_t ax, int64_t ay, int64_t bx, int64_t by) {
    int64_t dx = bx - ax;
    int64_t dy = by - ay;
    yMajor = std::llabs(dx) <= std::llabs(dy);
    dMajor = yMajor ? dy : dx;
    dMinor = yMajor ? dx : dy;
    aMajor = yMajor ? ay : ax;
    aMinor = yMajor ? ax : ay;
    n = std::llabs(dMajor);
    s = dMajor < 0 ? -1 : 1;
  }
  bool yMajor;
  int64_t dMajor, dMinor, aMajor, aMinor, n, s;
};

}  // namespace

bool CStrokePath::AppendLinePoints(tmb::Point a, tmb::Point b, int mode, const PixelMask* mask) {
  if (a == b) return true;
  LineSteps line(a.x, a.y, b.x, b.y);
  int64_t from = mode == 2 ? 1 : 0;
  int64_t to = mode == 2 ? line.n - 1 : line.n;
  bool first = true;
  for (int64_t k = from; k <= to; ++k) {
    int64_t major = line.aMajor + k * line.s;
    // Wide enough for any pair of int coordinates, however far a mask lets the walk run.
    int64_t minor = line.aMinor + static_cast<int64_t>(static_cast<__int128>(line.dMinor) * (k * line.s) / line.dMajor);
    int x = static_cast<int>(line.yMajor ? minor : major);
    int y = static_cast<int>(line.yMajor ? major : minor);
    if (mask && mask->GetPixel(x, y) == kWhite) continue;
    if (!AppendPoint(x, y, kFlagContinue)) return false;
    if (mode == 0 && first) m_pFlags[m_nCount - 1] = kFlagStart;
    first = false;
  }
  return true;
}

bool CStrokePath::AppendFloatLinePoints(CFPoint a, CFPoint b, int mode) {
  tmb::Point ra = a.RoundToPoint();
  tmb::Point rb = b.RoundToPoint();
  if (ra == rb) return true;
  LineSteps line(ra.x, ra.y, rb.x, rb.y);
  auto put = [&](float x, float y) {
    if (m_nCount >= m_nCapacity) return false;
    m_pPoints[m_nCount++] = CFPoint(x, y);  // the slot keeps its flag and attribute bytes
    return true;
  };
  if (mode != 2 && !put(a.x, a.y)) return false;
  int64_t from = mode == 2 ? 1 : 0;
  int64_t to = mode == 2 ? line.n - 1 : line.n;
  for (int64_t k = from; k <= to; ++k) {
    double major = double(line.aMajor + k * line.s);
    double minor = double(line.aMinor) + double(line.dMinor) * double(k * line.s) / double(line.dMajor);
    float x = static_cast<float>(line.yMajor ? minor : major);
    float y = static_cast<float>(line.yMajor ? major : minor);
    if (!put(x, y)) return false;
  }
  return true;
}

int CStrokePath::Densify(int closed) {
  std::unique_ptr<CStrokePath> out = NewEmptyLike();
  for (int i = 0; i < m_nCount; ++i) {
    if (!out->AppendPointFrom(*this, i)) return 0;
    bool last = IsStrokeLast(i);
    if (last && !closed) continue;
    int next = last ? FindStrokeStart(i) : i + 1;
    CFPoint d = m_pPoints[next] - m_pPoints[i];
    if (std::fabs(d.x) > 1.0f || std::fabs(d.y) > 1.0f) {
      if (!out->AppendLinePoints(m_pPoints[i].RoundToPoint(), m_pPoints[next].RoundToPoint(), 2, nullptr)) return 0;
    }
  }
  // Points only: the stroke marks stay as they are.
  CopyRangeFrom(*out, 0, out->m_nCount);
  return 1;
}

int CStrokePath::Rasterize(int first, int last, std::span<CFPoint> out, int closed, std::span<int> indices) const {
  first = std::max(first, 0);
  size_t w = 0;
  auto put = [&](CFPoint p, int j) {
    if (w >= out.size()) return false;
    if (w < indices.size()) indices[w] = j;
    out[w++] = p;
    return true;
  };
  for (int j = first; j < std::min(last, m_nCount); ++j) {
    int next = closed && IsStrokeLast(j) ? FindStrokeStart(j) : j + 1;
    const CFPoint& p = m_pPoints[j];
    if (next >= m_nCount) {
      // The path's last point, open: no segment leads on, so it ends the run alone.
      if (!put(p, j)) return static_cast<int>(w);
      continue;
    }
    double dx = double(m_pPoints[next].x) - p.x;
    double dy = double(m_pPoints[next].y) - p.y;
    bool xMajor = std::fabs(dy) <= std::fabs(dx);
    double dMajor = xMajor ? dx : dy;
    double dMinor = xMajor ? dy : dx;
    double n = std::fabs(dMajor);
    double s = dMajor < 0 ? -1.0 : 1.0;
    for (double k = 0; k < n; k += 1.0) {
      double major = (xMajor ? p.x : p.y) + k * s;
      double minor = (xMajor ? p.y : p.x) + k * dMinor / n;
      CFPoint q(static_cast<float>(xMajor ? major : minor), static_cast<float>(xMajor ? minor : major));
      if (!put(q, j)) return static_cast<int>(w);
    }
  }
  // An end one past the points closes the loop without a final point to add.
  if (last >= first && last < m_nCount) put(m_pPoints[last], last);
  return static_cast<int>(w);
}

float CStrokePath::PathLength(int a, int b, int acrossStrokes) const {
  if (a > b) std::swap(a, b);
  a = std::max(a, 0);
  b = std::min(b, m_nCount - 1);
  double sum = 0;
  for (int j = a; j < b; ++j) {
    if (acrossStrokes != 1 && m_pFlags[j + 1] != 0) continue;
    sum += std::sqrt(SquaredDistance(m_pPoints[j], m_pPoints[j + 1]));
  }
  return static_cast<float>(sum);
}

float CStrokePath::StrokeLength(int i) const {
  if (m_nCount <= 0) return 0;
  return PathLength(FindStrokeStart(i), FindStrokeEnd(i), 0);
}

CFPoint CStrokePath::ChordVector(int i, int n) const {
  if (m_nCount <= 0) return CFPoint(0, 0);
  i = std::clamp(i, 0, m_nCount - 1);
  int e = FindStrokeEnd(i);
  int j = i + n;
  if (j > e) {
    j = e;
    i = std::max(e - n, 0);
  }
  j = std::clamp(j, 0, m_nCount - 1);
  return m_pPoints[j] - m_pPoints[i];
}

bool CStrokePath::PointsWithin(const CFPoint& a, const CFPoint& b, float tol) {
  return std::fabs(double(a.x) - b.x) <= tol && std::fabs(double(a.y) - b.y) <= tol;
}

void CStrokePath::Translate(float dx, float dy) {
  for (int i = 0; i < m_nCount; ++i) m_pPoints[i].AddInPlace(dx, dy);
}

bool CStrokePath::OffsetPoint(int i, float dx, float dy) {
  // A slot past the count is still the path's memory; one outside it is not.
  if (i < 0 || i >= m_nCapacity) return false;
  m_pPoints[i].AddInPlace(dx, dy);
  return true;
}

void CStrokePath::Scale(float s) { ScaleRange(s, s, 0, m_nCount); }

void CStrokePath::ScaleXY(float sx, float sy) { ScaleRange(sx, sy, 0, m_nCount); }

void CStrokePath::ScaleRange(float sx, float sy, int first, int last) {
  ClipRange(first, last);
  for (int i = first; i < last; ++i) m_pPoints[i] = m_pPoints[i].ScaleXY(sx, sy);
}

bool CStrokePath::CopyScaled(const CStrokePath& src, float s) {
  bool complete = CopyRangeFrom(src, 0, src.m_nCount);
  Scale(s);
  return complete;
}

int CStrokePath::AppendIntPointIfNew(int flag, int x, int y) {
  if (flag == 0 && m_nCount > 0 && m_pPoints[m_nCount - 1].RoundToPoint() == tmb::Point{x, y}) return 0;
  return AppendPoint(x, y, flag);
}
