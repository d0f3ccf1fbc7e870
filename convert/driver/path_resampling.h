// Resampling of a path at an equal spacing along its strokes, so that point indexes stand
// for equal lengths before the passes measure shapes.
#pragma once

#include <span>

class CStrokePath;

// The adaptive-spacing switch: while it is non-zero every stroke is resampled at a spacing
// taken from its own length (so that it gets 8 to 32 points). The conversion driver holds
// it at 1 while its first passes run; the unit grouping holds it at 0 while it works.
extern int gUnitPassActive;

// The adaptive-spacing switch for the length of a scope, put back as it was after.
class ScopedUnitPass {
 public:
  explicit ScopedUnitPass(int value) : saved_(gUnitPassActive) { gUnitPassActive = value; }
  ~ScopedUnitPass() { gUnitPassActive = saved_; }
  ScopedUnitPass(const ScopedUnitPass&) = delete;
  ScopedUnitPass& operator=(const ScopedUnitPass&) = delete;

 private:
  int saved_;
};

// End rules of ResamplePath.
constexpr int kResampleNoEnds = -2;   // a stroke's end point is never added again
constexpr int kResampleAllEnds = -1;  // it is added whenever it lies farther than the end distance

// What a resampling did: the new point count (0 when nothing was done), and whether the
// path filled up and ended the walk early (the path then holds what fitted).
struct ResampleResult {
  int count = 0;
  bool truncated = false;
};

// Replaces the points of path by points at straight-line distance s from one another
// along each stroke. Every stroke start (any non-zero flag, and the first point) stays
// where it was with its flag and per-point values; new points take the values of the
// point they follow and flag 0. A stroke's last point is added again when it lies farther
// than the square root of endDistance2 from the last new point, unless endRule is
// kResampleNoEnds, or endRule is a count of points that the stroke walked past while
// something was written after its start. The walk ends as soon as the points along a
// segment bring the path to one point short of its capacity.
// When s squared is not above 0 the path is left unchanged and the count is 0.
ResampleResult ResamplePath(CStrokePath& path, float s, int endRule, int endDistance2);
// The same walk with path left as it is and the new points written into out (emptied
// first; another path than path), within out's capacity. The count is out's.
ResampleResult ResamplePathInto(const CStrokePath& path, CStrokePath& out, float s, int endRule, int endDistance2);
// The count ResamplePathInto would give into a path of capacity, without writing a point.
int CountResampledPoints(const CStrokePath& path, float s, int endRule, int endDistance2, int capacity);

// The spacing for the stroke that holds point i: its length / 8 when 8 s is longer than
// the stroke, its length / 32 when 32 s is shorter, else s.
float AdaptiveSpacing(const CStrokePath& path, int i, float s);

// Smooths values[a..b] (each value becomes the mean of its neighbours, left to right) for
// at least passes and at most 10 x passes rounds, stopping once no two neighbours differ
// by more than 1.
void SmoothValueRun(std::span<float> values, int a, int b, int passes);
