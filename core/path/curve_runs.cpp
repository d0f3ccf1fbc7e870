#include "core/path/curve_runs.h"

#include <cmath>
#include <cstdlib>

#include "core/path/quad_sampling.h"

int gOutlineCurveMode = 0;

namespace {

// A first guess at the points a run gives: a kept sample moves a pixel from the one before
// it, and a curve stays within its control points, so the run's length along x plus its
// length along y bounds the samples, with a few for the rounding at each piece.
size_t GuessSamples(std::span<const CFPoint> run) {
  double length = 0;
  for (size_t k = 1; k < run.size(); ++k) {
    length += std::fabs(double(run[k].x) - run[k - 1].x) + std::fabs(double(run[k].y) - run[k - 1].y);
  }
  return size_t(std::min(length, 1e7)) + 4 * run.size() + 4;
}

}  // namespace

int FlattenCurveRun(std::span<const CFPoint> run, std::vector<CFPoint>& out) {
  const int n = int(run.size());
  out.resize(GuessSamples(run));
  for (;;) {
    const int count = gOutlineCurveMode == 1 ? SampleBSplinePolyline(run, 0, n, out, 0, {}, {})
                                             : SampleQuadraticPolyline(run, 0, n, out, 0, {}, {});
    // A full buffer may have cut the run short: take it again with room to spare.
    if (size_t(count) < out.size() || out.size() >= size_t(kCurveSamples) * (run.size() + 1)) {
      out.resize(size_t(count));
      return count;
    }
    out.resize(out.size() * 2);
  }
}
