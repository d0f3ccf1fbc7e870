#include "convert/passes/stroke_extension.h"

#include <cmath>
#include <cstdint>

#include "convert/analysis/mark_extent.h"
#include "core/path/stroke_work.h"

namespace {

struct Chord {
  CFPoint d;
  double len2;
};

Chord ChordOf(const CStrokePath& path, int i, int e) {
  const CFPoint d = path.m_pPoints[e] - path.m_pPoints[i];
  return {d, double(d.x) * d.x + double(d.y) * d.y};
}

double Squared(int64_t v) { return double(v) * double(v); }

bool Qualifies(const CStrokePath& path, int i, const Chord& c, int mode, const CMarkExtent& mark) {
  const double ax = std::fabs(double(c.d.x));
  const double ay = std::fabs(double(c.d.y));
  if (mode == kExtendLevelStart) {
    if (!(c.d.x > 0 && 2 * ay < ax)) return false;
    // A short stroke that starts away from the mark's left edge is not the one to reach out.
    const bool shortStroke = Squared(mark.width * 6 / 10) >= c.len2;
    const bool awayFromLeft = double(mark.width / 8) <= std::fabs(double(mark.left) - path.m_pPoints[i].x);
    return !(shortStroke && awayFromLeft);
  }
  if (mode == kExtendFallingEnd) {
    return Squared(mark.height * 5 / 10) < c.len2 && c.d.x < 0 && c.d.y > 0 && ay < 4 * ax && ax < 4 * ay;
  }
  return false;
}

// The longest qualifying single-segment stroke starting in [s, last); -1 when none.
int ChooseStroke(const CStrokePath& path, int s, int mode, const CMarkExtent& mark) {
  int chosen = -1;
  double longest = 0;
  for (int i = s; i < mark.last;) {
    const int e = path.FindSegmentEnd(i);
    if (e == path.FindStrokeEnd(i)) {
      const Chord c = ChordOf(path, i, e);
      if (Qualifies(path, i, c, mode, mark) && (chosen < 0 || c.len2 > longest)) {
        chosen = i;
        longest = c.len2;
      }
    }
    i = e + 1;
  }
  return chosen;
}

void MovePoints(CStrokePath& path, int from, int to, double dx, double dy) {
  for (int j = from; j <= to; ++j) {
    CFPoint& p = path.m_pPoints[j];
    p = CFPoint(static_cast<float>(p.x - dx), static_cast<float>(p.y + dy));
  }
}

}  // namespace

int ExtendStrokeEnds(CStrokeWork& path, int mode, int percent) {
  CMarkExtent mark;
  for (int s = 0; s < path.GetCount(); ++s) {
    if (path.m_pFlags[s] != CStrokePath::kFlagStart || !FindMarkExtent(path, s, mark)) continue;
    const double dx = static_cast<float>(double(mark.width) * percent / 100);
    const double dy = static_cast<float>(double(mark.height) * percent / 100);
    const int b = ChooseStroke(path, s, mode, mark);
    if (b >= 0) {
      const int f = path.FindSegmentEnd(b);
      const int eighth = (f - b) / 8;
      if (mode == kExtendLevelStart) {
        MovePoints(path, b, b + eighth, dx, 0);
      } else {
        MovePoints(path, f - eighth, f, dx, dy);
      }
    }
    s = mark.last;
  }
  return 1;
}
