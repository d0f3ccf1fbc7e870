#include "convert/passes/stroke_bow.h"

#include <cmath>
#include <cstdlib>

#include "convert/analysis/mark_extent.h"
#include "core/path/stroke_work.h"

namespace {

constexpr uint8_t kFlagCorner = 3;
constexpr double kRise = -0.1;  // y grows downwards
constexpr double kSink = 0.05;

bool HasCorner(const CStrokePath& path, int s, int e) {
  for (int i = s; i < e; ++i) {
    if (path.m_pFlags[i] == kFlagCorner) return true;
  }
  return false;
}

// The segment s..e is long and level enough against the mark's width w.
bool IsBowable(const CStrokePath& path, int s, int e, int64_t w) {
  const CFPoint d = path.m_pPoints[e] - path.m_pPoints[s];
  const double len2 = double(d.x) * d.x + double(d.y) * d.y;
  const double least = double(w * 6 / 10);
  return least * least < len2 && d.x > 0 && 2 * std::fabs(double(d.y)) < std::fabs(double(d.x)) &&
         !HasCorner(path, s, e);
}

void Bow(CStrokePath& path, int s, int e) {
  const CFPoint d = path.m_pPoints[e] - path.m_pPoints[s];
  const double len = std::sqrt(double(d.x) * d.x + double(d.y) * d.y);
  const int k = e - s;
  const int p1 = s + k / 3;
  const int p2 = s + 5 * k / 6;
  const double a = kRise * len;
  const double b = kSink * len;
  // Each piece is empty where its divisor would be 0.
  for (int i = s; i < e; ++i) {
    double dy;
    if (i < p1) {
      dy = (i - s) * a / (p1 - s);
    } else if (i < p2) {
      dy = (i - p1) * (b - a) / (p2 - p1) + a;
    } else {
      dy = b - (i - p2) * b / (e - p2);
    }
    float& y = path.m_pPoints[i].y;
    y = static_cast<float>(y + dy);
  }
}

}  // namespace

int BowHorizontalStrokes(CStrokeWork& path) {
  CMarkExtent mark;
  for (int s = 0; s < path.GetCount(); ++s) {
    if (path.m_pFlags[s] != CStrokePath::kFlagStart || !FindMarkExtent(path, s, mark)) continue;
    const int e = path.FindSegmentEnd(s);
    if (IsBowable(path, s, e, mark.width)) Bow(path, s, e);
    s = e;
  }
  return 1;
}
