#include "platform/gdi/glyph_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tmb {
namespace {

GlyphVec Cubic(GlyphVec p0, GlyphVec c1, GlyphVec c2, GlyphVec p3, double t) {
  const double u = 1 - t;
  const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
  return {a * p0.x + b * c1.x + c * c2.x + d * p3.x, a * p0.y + b * c1.y + c * c2.y + d * p3.y};
}

GlyphVec Quadratic(GlyphVec p0, GlyphVec c, GlyphVec p1, double t) {
  const double u = 1 - t;
  return {u * u * p0.x + 2 * u * t * c.x + t * t * p1.x, u * u * p0.y + 2 * u * t * c.y + t * t * p1.y};
}

struct CubicCase {
  const char* name;
  GlyphVec p0, c1, c2, p3;
  int minPieces, maxPieces;
};

// The pieces follow the cubic within the tolerance at every parameter, join end to end
// and end exactly on its end point; a cubic that is a quadratic takes one piece.
TEST(SplitCubic, QuadraticPiecesKeepWithinAQuarterPixelOfTheCubic) {
  const CubicCase cases[] = {
      {"a quadratic raised to a cubic", {0, 0}, {80.0 / 3, 160.0 / 3}, {160.0 / 3, 160.0 / 3}, {80, 0}, 1, 1},
      {"a straight line", {0, 0}, {10, 10}, {20, 20}, {30, 30}, 1, 1},
      {"a letter's bowl", {0, 0}, {0, 120}, {180, 120}, {180, 0}, 2, 6},
      {"an S bend", {0, 0}, {300, 0}, {-100, 200}, {200, 200}, 4, 12},
      {"a loop", {0, 0}, {400, 400}, {-200, 400}, {200, 0}, 4, 16},
  };
  for (const CubicCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<GlyphVec> out;
    SplitCubic(c.p0, c.c1, c.c2, c.p3, kCubicSplitTolerance, out);
    ASSERT_EQ(out.size() % 2, 0u);
    const int n = int(out.size() / 2);
    EXPECT_GE(n, c.minPieces);
    EXPECT_LE(n, c.maxPieces);
    EXPECT_EQ(out.back(), c.p3);
    double worst = 0;
    GlyphVec start = c.p0;
    for (int k = 0; k < n; ++k) {
      const GlyphVec control = out[size_t(2 * k)], end = out[size_t(2 * k + 1)];
      for (int s = 0; s <= 64; ++s) {
        const double t = s / 64.0;
        const GlyphVec q = Quadratic(start, control, end, t), b = Cubic(c.p0, c.c1, c.c2, c.p3, (k + t) / n);
        worst = std::max(worst, std::hypot(q.x - b.x, q.y - b.y));
      }
      start = end;
    }
    EXPECT_LE(worst, kCubicSplitTolerance);
  }
}

TEST(SplitCubic, AFinerToleranceTakesMorePiecesAndNoneTakesOne) {
  std::vector<GlyphVec> coarse, fine, none;
  SplitCubic({0, 0}, {0, 120}, {180, 120}, {180, 0}, 1.0, coarse);
  SplitCubic({0, 0}, {0, 120}, {180, 120}, {180, 0}, 0.01, fine);
  SplitCubic({0, 0}, {0, 120}, {180, 120}, {180, 0}, 0.0, none);
  EXPECT_LT(coarse.size(), fine.size());
  EXPECT_EQ(none.size(), 2u);
}

}  // namespace
}  // namespace tmb
