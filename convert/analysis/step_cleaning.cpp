#include "convert/analysis/step_cleaning.h"

#include <cstdlib>

#include "core/path/stroke_path.h"

namespace {

bool SameWay(int a, int b) { return (a > 0 && b > 0) || (a < 0 && b < 0); }

// Whether a, b, c and d make a notch across x (runs along x, a unit step in y), or with
// the axes swapped.
bool IsNotch(const CFPoint& a, const CFPoint& b, const CFPoint& c, const CFPoint& d, bool alongX) {
  auto along = [alongX](const CFPoint& from, const CFPoint& to) { return int(alongX ? to.x - from.x : to.y - from.y); };
  auto across = [alongX](const CFPoint& from, const CFPoint& to) { return int(alongX ? to.y - from.y : to.x - from.x); };
  return across(a, b) == 0 && across(c, d) == 0 && SameWay(along(a, b), along(c, d)) && along(b, c) == 0 &&
         std::abs(across(b, c)) == 1;
}

}  // namespace

StepWindow StepWindowAt(const CStrokePath& path, int a) {
  const int b = path.NextInStroke(a, -1), c = path.NextInStroke(b, -1);
  return {a, b, c, path.NextInStroke(c, -1)};
}

NotchAxis NotchOf(const CFPoint* p, const StepWindow& w) {
  if (IsNotch(p[w.a], p[w.b], p[w.c], p[w.d], true)) return kNotchAlongX;
  if (IsNotch(p[w.a], p[w.b], p[w.c], p[w.d], false)) return kNotchAlongY;
  return kNoNotch;
}

int CleanStepsPass(CStrokePath& path, int mode, int densify) {
  path.RoundPoints(-1, -1);
  if (densify) path.Densify(1);
  path.RemoveRepeatsInRange(-1, -1);
  int changes = 0;
  CFPoint* p = path.m_pPoints;
  for (int s = 0; s < path.GetCount();) {
    const int e = path.FindStrokeEnd(s);
    // A notch needs four different points.
    if (e - s >= 3) {
      for (int a = s; a <= e; ++a) {
        const StepWindow w = StepWindowAt(path, a);
        const NotchAxis axis = NotchOf(p, w);
        if (axis == kNoNotch) continue;
        const bool alongX = axis == kNotchAlongX;
        float& to = alongX ? (mode == 0 ? p[w.b].y : p[w.c].y) : (mode == 0 ? p[w.b].x : p[w.c].x);
        to = alongX ? (mode == 0 ? p[w.c].y : p[w.b].y) : (mode == 0 ? p[w.c].x : p[w.b].x);
        ++changes;
      }
    }
    s = e + 1;
  }
  return changes;
}

int CleanSteps(CStrokePath& path, int repeat, int densify) {
  int total = CleanStepsPass(path, 0, densify);
  for (int pass = 0; repeat && pass < kMaxStepCleaningPasses; ++pass) {
    const int changes = CleanStepsPass(path, pass == 0 ? 0 : 1, densify);
    total += changes;
    if (changes == 0) break;
  }
  path.RemoveRepeatsInRange(-1, -1);
  return total;
}
