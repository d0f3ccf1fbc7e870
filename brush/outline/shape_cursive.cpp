// The cursive shaping pass: over as many passes as the cursive degree, each point is
// pulled toward the middle of its two neighbours (or, for type 5, squared onto one of
// them), which rounds the strokes and, across short jumps, links them. An optional pull
// moves each stroke on in the direction it was entered from.
#include <algorithm>
#include <cmath>
#include <memory>

#include "brush/outline/side_by_side_rounds.h"
#include "core/geometry/point_distance.h"
#include "core/record/char_data.h"
#include "core/record/param_block.h"

namespace {

constexpr int kPasses = 0;
constexpr int kJoinDistance = 6;
constexpr int kCursiveType = 11;
constexpr int kPullOn = 211;
constexpr int kPullStrength = 210;
constexpr int kPullPosition = 212;
constexpr int kHalve = 234;
constexpr int kGrowingJoin = -100;
// No control goes near this many passes; a damaged file could ask for billions, which
// would hang the program in one rebuild. 1,000 passes over 16,000 points take about 0.1 s.
constexpr int kMaxPasses = 1000;

// Per-point marks of the shaping, allocated once.
struct ShapeMarks {
  std::unique_ptr<uint8_t[]> jump = std::make_unique<uint8_t[]>(kMaxCharPoints);
  std::unique_ptr<uint8_t[]> moves = std::make_unique<uint8_t[]>(kMaxCharPoints);
};

ShapeMarks& Marks() {
  static ShapeMarks marks;
  return marks;
}

// A stroke start that lies at least sqrt(t2) from the last continuation point before it
// is a jump: that point and every point after it up to the start are flagged.
void MarkJumps(const CCharData& rec, int64_t t2, uint8_t* jump) {
  const int n = rec.m_nPoints;
  std::fill_n(jump, n, uint8_t{0});
  int lastContinuation = -1;
  for (int i = 0; i < n; ++i) {
    const uint8_t flag = rec.m_pFlags[i];
    if (flag == 0) {
      lastContinuation = i;
    } else if (flag == 1 && lastContinuation >= 0 &&
               SquaredDistance(rec.m_pPoints[lastContinuation], rec.m_pPoints[i]) >= t2) {
      std::fill(jump + lastContinuation, jump + i, uint8_t{1});
    }
  }
}

// moves[i] is 1 when point i + 1 moves in a pass; it depends only on the prepared integer
// points, their flags, the jumps and the threshold, none of which a pass changes.
void MarkMoves(const CCharData& rec, int type, int64_t t2, const uint8_t* jump, uint8_t* moves) {
  const int n = rec.m_nPoints;
  const uint8_t* f = rec.m_pFlags.get();
  const tmb::Point* p = rec.m_pPoints.get();
  // One loop per type: the type test in the loop cost more than the marks.
  const auto mark = [n, moves](auto move) {
    for (int i = 0; i + 2 < n; ++i) moves[i] = move(i) ? 1 : 0;
  };
  const auto near = [p, t2](int i) { return SquaredDistance(p[i], p[i + 2]) < t2; };
  switch (type) {
    case 0:
    case 5:
      mark(near);
      break;
    case 1:
      mark([f](int i) { return f[i + 1] == 0 && f[i + 2] == 0; });
      break;
    case 2:
      mark([f, near](int i) { return f[i + 2] == 0 && near(i); });
      break;
    case 3:
      mark([f, near](int i) { return f[i + 1] == 0 && near(i); });
      break;
    case 4:
      mark([jump](int i) { return jump[i] == 0; });
      break;
    default:
      mark([](int) { return false; });
      break;
  }
}

// Moves each stroke on by the step from the previous stroke's end to its start (at most
// `limit` per coordinate), fully at position `percent` of the stroke and less toward
// both ends.
void PullStrokes(const CCharData& rec, CFPoint* f, float limit, int percent) {
  const int n = rec.m_nPoints;
  for (int i = 1; i < n; ++i) {
    if (rec.m_pFlags[i] != 1) continue;
    double dx = double(f[i].x) - f[i - 1].x;
    double dy = double(f[i].y) - f[i - 1].y;
    const double tx = std::fabs(std::trunc(dx));
    const double ty = std::fabs(std::trunc(dy));
    if (tx > limit || ty > limit) {
      const double scale = limit / std::max(tx, ty);
      dx *= scale;
      dy *= scale;
    }
    const int last = rec.FindStrokeEnd(i);
    const int len = last - i + 1;
    const float p = float(len) * float(percent) / 100.0f;
    float m = p != 0 ? p : float(len);
    for (int j = i; j <= last; ++j) {
      const float t = std::trunc(p - float(j - i));
      if (t >= 0 && p != 0) {
        m = p;
      } else if (float(len) - p > 0) {
        m = float(len) - p;
      }
      const double w = 1.0 - std::fabs(double(t) / m);
      f[j] = CFPoint(static_cast<float>(f[j].x + dx * w), static_cast<float>(f[j].y + dy * w));
    }
  }
}

}  // namespace

void CCharData::ShapeCursive(CFPoint* f, const ParamBlock& params) {
  const int n = m_nPoints;
  const int passes = std::clamp(params[kPasses], 0, kMaxPasses);
  const int type = params[kCursiveType];
  const int64_t join = params[kJoinDistance];
  int64_t t2 = join * join;
  double strength = CursiveStrength(params);
  if (params[kHalve] != 0) strength /= 2;
  const double share = strength / 100;
  ShapeMarks& marks = Marks();
  uint8_t* jump = marks.jump.get();
  uint8_t* moves = marks.moves.get();

  MarkJumps(*this, t2, jump);
  MarkMoves(*this, type, t2, jump, moves);
  // Point j moves between its neighbours, the one before as moved in this pass.
  const auto moveWith = [f, moves](auto place) {
    return [f, moves, place](int j) {
      if (moves[j - 1]) place(f[j - 1], f[j], f[j + 1]);
    };
  };
  const auto square = moveWith([](const CFPoint& a, CFPoint& b, const CFPoint& c) {
    const double dx = std::fabs(std::trunc(double(c.x) - a.x));
    const double dy = std::fabs(std::trunc(double(c.y) - a.y));
    if (dx > dy) {
      b.y = a.y;
    } else {
      b.x = a.x;
    }
  });
  const auto middle = moveWith([](const CFPoint& a, CFPoint& b, const CFPoint& c) {
    b = CFPoint(static_cast<float>((double(a.x) + c.x) / 2), static_cast<float>((double(a.y) + c.y) / 2));
  });
  const auto toward = moveWith([share](const CFPoint& a, CFPoint& b, const CFPoint& c) {
    b = CFPoint(static_cast<float>(b.x * (1 - share) + (double(a.x) + c.x) * share / 2),
                static_cast<float>(b.y * (1 - share) + (double(a.y) + c.y) * share / 2));
  });
  // The passes with one kind of move, chosen once: a test per move cost as much as the move.
  const auto runPasses = [&](auto run) {
    if (type == 5) {
      run(square);
    } else if (strength == 100) {
      run(middle);
    } else {
      run(toward);
    }
  };
  // Without a pull or a growing join the marks stay, and the passes run side by side.
  const bool pulled = params[kPullOn] != 0 && params[kPullStrength] >= 1;
  if (!pulled && params[kPullOn] != kGrowingJoin) {
    runPasses([n, passes](auto move) { RunRoundsSideBySide(1, n - 2, passes, move); });
    for (int i = 0; i < n; ++i) m_pPoints[i] = f[i].RoundToPoint();
    return;
  }
  for (int k = 0; k < passes; ++k) {
    if (params[kPullOn] == kGrowingJoin) {
      const int64_t grown = join * (k + 1) / passes;
      t2 = grown * grown;
      MarkJumps(*this, t2, jump);
      MarkMoves(*this, type, t2, jump, moves);
    }
    if (params[kPullOn] != 0 && params[kPullStrength] >= 1) {
      PullStrokes(*this, f, float(params[kPullStrength]) / float(passes), params[kPullPosition]);
    }
    // In place: a point moved in this pass is seen by the next.
    runPasses([n](auto move) {
      for (int i = 0; i + 2 < n; ++i) move(i + 1);
    });
  }
  for (int i = 0; i < n; ++i) m_pPoints[i] = f[i].RoundToPoint();
}
