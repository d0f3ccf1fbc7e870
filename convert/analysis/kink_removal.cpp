#include "convert/analysis/kink_removal.h"

#include <cstdlib>

#include "core/path/stroke_path.h"

namespace {

// Rounded steps of three points in a row.
struct Steps {
  tmb::Point d1;  // p to q
  tmb::Point d2;  // q to r
  tmb::Point d0;  // p to r
};

bool Reverses(int a, int b) { return (a > 0 && b < 0) || (a < 0 && b > 0); }

bool IsUnitAxis(const tmb::Point& d) { return std::abs(d.x) + std::abs(d.y) == 1; }

bool IsUnitDiagonal(const tmb::Point& d) { return std::abs(d.x) == 1 && std::abs(d.y) == 1; }

// A step three points in a row make that lays the middle point onto the first.
bool IsKink(const Steps& s, int level) {
  if (s.d0.x == 0 && s.d0.y == 0) return true;  // r is back at p
  if (level <= 0) return false;
  const bool wide = level >= 2;
  if (Reverses(s.d1.x, s.d2.x) && (wide || std::abs(s.d0.y) < 3)) return true;
  if (Reverses(s.d1.y, s.d2.y) && (wide || std::abs(s.d0.x) < 3)) return true;
  return level >= 2 && ((IsUnitAxis(s.d1) && IsUnitDiagonal(s.d2)) || (IsUnitDiagonal(s.d1) && IsUnitAxis(s.d2)));
}

tmb::Point Step(const tmb::Point& a, const tmb::Point& b) { return {b.x - a.x, b.y - a.y}; }

// One round over every stroke; whether a point moved.
bool RemoveKinksOnce(CStrokePath& path, int level) {
  bool changed = false;
  for (int s = 0; s < path.GetCount();) {
    const int e = path.FindStrokeEnd(s);
    if (e - s >= 2) {
      for (int i = s; i <= e; ++i) {
        const int q = path.NextInStroke(i, -1);
        const int r = path.NextInStroke(q, -1);
        const tmb::Point P = path.m_pPoints[i].RoundToPoint();
        const tmb::Point Q = path.m_pPoints[q].RoundToPoint();
        const tmb::Point R = path.m_pPoints[r].RoundToPoint();
        if (!IsKink({Step(P, Q), Step(Q, R), Step(P, R)}, level)) continue;
        if (path.m_pPoints[q] != path.m_pPoints[i]) {
          path.m_pPoints[q] = path.m_pPoints[i];
          changed = true;
        }
      }
    }
    s = e + 1;
  }
  return changed;
}

}  // namespace

int RemoveKinks(CStrokePath& path, int level) {
  path.Densify(1);
  path.RemoveRepeatsInRange(-1, -1);
  int rounds = 0;
  while (rounds < kMaxKinkRounds) {
    ++rounds;
    if (!RemoveKinksOnce(path, level)) break;
    const int before = path.GetCount();
    path.RemoveRepeatsInRange(-1, -1);
    if (path.GetCount() == before) break;
  }
  return rounds;
}
