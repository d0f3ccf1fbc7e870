#include "convert/analysis/kink_removal.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

// A closed 4 x 3 rectangle outline on whole pixels.
void Rectangle(CStrokePath& path) { Fill(path, {{0, 0, 1}, {4, 0, 0}, {4, 3, 0}, {0, 3, 0}}); }

TEST(RemoveKinks, ACleanOutlineIsOnlyDensified) {
  CStrokePath path(100);
  Rectangle(path);
  EXPECT_EQ(RemoveKinks(path, 1), 1);
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {4, 1, 0}, {4, 2, 0},
                                    {4, 3, 0}, {3, 3, 0}, {2, 3, 0}, {1, 3, 0}, {0, 3, 0}, {0, 2, 0}, {0, 1, 0}}));
}

TEST(RemoveKinks, SpikesAndBackAndForthStepsAreLaidFlat) {
  struct Case {
    const char* name;
    Points outline;
    int level;
    Points expected;
  } cases[] = {
      // A one-pixel spike above the top edge.
      {"spike", {{0, 0, 1}, {2, 0, 0}, {3, -1, 0}, {4, 0, 0}, {6, 0, 0}, {6, 2, 0}, {0, 2, 0}}, 1,
       {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {4, 0, 0}, {5, 0, 0}, {6, 0, 0}, {6, 1, 0}, {6, 2, 0}, {5, 2, 0},
        {4, 2, 0}, {3, 2, 0}, {2, 2, 0}, {1, 2, 0}, {0, 2, 0}, {0, 1, 0}}},
      // A hair that runs out and straight back, at any level: r is back at p.
      {"hair", {{0, 0, 1}, {2, 0, 0}, {2, -2, 0}, {2, 0, 0}, {4, 0, 0}, {4, 2, 0}, {0, 2, 0}}, 0,
       {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {4, 1, 0}, {4, 2, 0}, {3, 2, 0}, {2, 2, 0},
        {1, 2, 0}, {0, 2, 0}, {0, 1, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CStrokePath path(200);
    for (const PathPoint& p : c.outline) path.AppendPoint(int(p.x), int(p.y), p.flag);
    EXPECT_GE(RemoveKinks(path, c.level), 2);
    EXPECT_EQ(PointsOf(path), c.expected);
  }
}

TEST(RemoveKinks, LevelZeroLeavesTurnsAndTheRoundsEndWhenNothingIsRemoved) {
  CStrokePath spike(100);
  Fill(spike, {{0, 0, 1}, {2, 0, 0}, {3, -1, 0}, {4, 0, 0}, {6, 0, 0}, {6, 2, 0}, {0, 2, 0}});
  CStrokePath copy(100);
  copy.CopyFrom(spike);
  copy.Densify(1);
  EXPECT_EQ(RemoveKinks(spike, 0), 1);
  EXPECT_EQ(PointsOf(spike), PointsOf(copy));
  // Two strokes are walked each on its own, and an empty path is no work.
  CStrokePath empty(10);
  EXPECT_EQ(RemoveKinks(empty, 2), 1);
  EXPECT_EQ(empty.GetCount(), 0);
}

}  // namespace
