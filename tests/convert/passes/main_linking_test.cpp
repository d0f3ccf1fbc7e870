// The main linking in both its forms: how joined strokes are smoothed and how corners and
// turning points get their codes.
#include "convert/passes/main_linking.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/marker_list.h"
#include "convert/passes/main_linking_alt.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"
#include "support/reference_copy.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::FlagCodes;
using tmb::test::MakeReference;
using tmb::test::PointsOf;
using Codes = std::map<int, int>;
using LinkingPass = int (*)(CStrokeWork&, const CStrokeWork&);

// What a corner of a test stroke is before the pass: a plain point, a corner (flag 3), or
// the start of an old stroke that the linking joined on (0 here, 1 in the reference; at a
// stroke's first corner the whole stroke is joined on to the one before).
enum Role { kPlain, kCorner, kJoin };

struct Corner {
  float x, y;
  Role role = kPlain;
};

class MainLinkingTest : public ::testing::Test {
 protected:
  void SetUp() override { gAnalysisOverlay.Clear(); }
  void TearDown() override {
    gAnalysisOverlay.Clear();
    gMarkers.Clear();
  }

  void Reset(int p) {
    path.SetCount(0);
    path.m_param[3] = p;
    joins.clear();
  }
  // Appends a stroke through the corners, a point every `step` pixels; the index of each
  // corner's point.
  std::vector<int> Add(const std::vector<Corner>& corners, float step = 10) {
    std::vector<CFPoint> points;
    for (const Corner& c : corners) points.push_back({c.x, c.y});
    std::vector<int> at;
    AddPolyline(path, points, step, at);
    for (size_t k = 0; k < corners.size(); ++k) {
      if (corners[k].role == kCorner) path.m_pFlags[at[k]] = 3;
      if (corners[k].role == kJoin) {
        path.m_pFlags[at[k]] = 0;
        joins.push_back(at[k]);
      }
    }
    return at;
  }
  // The codes of a path of one stroke through corners at `at`: flags[k] at corner k.
  static Codes Expected(const std::vector<int>& at, const std::vector<int>& flags) {
    Codes codes;
    for (size_t k = 0; k < flags.size(); ++k) {
      if (flags[k] != 0) codes[at[k]] = flags[k];
    }
    return codes;
  }
  Codes Shape(LinkingPass pass, const std::vector<int>& strongStarts = {}) {
    MakeReference(path, ref, joins, strongStarts);
    EXPECT_EQ(pass(path, ref), 1);
    EXPECT_FALSE(gMarkers.IsPosting());
    return FlagCodes(path);
  }
  Codes Shape(const std::vector<int>& strongStarts = {}) { return Shape(ShapeLinkedStrokes, strongStarts); }

  CStrokeWork path{256};
  CStrokeWork ref{256};
  std::vector<int> joins;
};

using ShapeLinkedStrokesTest = MainLinkingTest;
using ShapeLinkedStrokesAltTest = MainLinkingTest;

// A stroke of length `length` to the right, then across `gap` the old next stroke, joined
// on unless `apart`, down from there.
TEST_F(ShapeLinkedStrokesTest, AShortStrokeJoinedOnAcrossAGapIsSmoothedIntoTheJoin) {
  struct Case {
    const char* what;
    float length, gap;
    bool apart;
    bool smoothed;
  };
  const Case cases[] = {
      {"20 long across 20", 20, 20, false, true},
      {"as long as p", 30, 20, false, false},
      {"across p / 4 (7)", 20, 7, false, false},
      {"across 8", 20, 8, false, true},
      {"the old next stroke still apart", 20, 20, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset(30);
    Add({{0, 0}, {c.length, 0}});
    const float x = c.length + c.gap;
    const int next = Add({{x, 0, c.apart ? kPlain : kJoin}, {x, 100}})[0];
    const auto before = PointsOf(path);
    Shape();
    const auto after = PointsOf(path);
    EXPECT_EQ(after != before, c.smoothed);
    EXPECT_EQ(after.front(), before.front());
    EXPECT_EQ(after[size_t(next)], before[size_t(next)]);
  }
}

// After a first stroke elsewhere: a stroke from (0, 0) that first climbs `hook` to its top
// (`dx` to the side) and then runs down to (0, 100), so that its first steps lead away
// from its end. The walk reads its angles as the vector angle does: a resting pen (a step
// of no length) reads 0 and is walked past, a step exactly opposite the way on reads 180
// and stops the walk.
TEST_F(ShapeLinkedStrokesTest, AStrokeStartingWithAHookAwayFromItsEndGetsACorner) {
  struct Case {
    const char* what;
    float dx, hook;
    int p;
    int restAtStart, restAtTop;  // the pen rests there: the point stands this many times more
    bool corner;                 // at the top's last point
  };
  const Case cases[] = {
      {"a hook of 25", -5, 25, 40, 0, 0, true},
      {"a hook of 25 after a resting pen", -5, 25, 40, 3, 0, true},
      {"a hook of 25 resting at its top: the corner where the pen leaves", -5, 25, 40, 0, 3, true},
      {"a hook straight back along the stroke reads as going on", 0, 25, 40, 0, 0, false},
      {"a chord of p or less", -5, 20, 110, 0, 0, false},
      {"a hook within p / 8", -2, 10, 90, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset(c.p);
    Add({{500, 500}, {510, 500}});
    std::vector<Corner> corners(size_t(1 + c.restAtStart), Corner{0, 0});
    corners.insert(corners.end(), size_t(1 + c.restAtTop), Corner{c.dx, -c.hook});
    corners.push_back({0, 100});
    const std::vector<int> at = Add(corners, 5);
    Codes expected = {{0, 1}, {at[0], 1}};
    // It lies farther than p / 2 from the start and goes on steeply down: it stays a corner.
    if (c.corner) expected[at[corners.size() - 2]] = 3;
    EXPECT_EQ(Shape(), expected);
  }
}

TEST_F(ShapeLinkedStrokesTest, CornersAreCodedByTheWaysInAndOn) {
  struct Case {
    const char* what;
    std::vector<Corner> corners;
    int code;
  };
  const Case cases[] = {
      {"going on steeply down", {{0, 0}, {80, 0, kCorner}, {80, 80}}, 3},
      {"going on upwards", {{0, 0}, {80, 0, kCorner}, {80, -80}}, 22},
      {"coming steeply down, going on level right", {{0, 0}, {0, 80, kCorner}, {80, 80}}, 3},
      {"coming down to the right, going on level right", {{0, 0}, {60, 60, kCorner}, {140, 60}}, 5},
      {"rising steeply on for more than p", {{0, 0}, {80, 0, kCorner}, {130, -80}}, 22},
      {"a tail under p / 2 at the end", {{0, 0}, {80, 0, kCorner}, {80, 20}}, 26},
      {"a tail under p at the end, turning sideways", {{0, 0}, {80, 0, kCorner}, {80, -25}}, 21},
      {"within p / 2 after the start", {{0, 0}, {10, 0, kCorner}, {10, 100}}, 25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset(30);
    const std::vector<int> at = Add(c.corners);
    EXPECT_EQ(Shape(), Expected(at, {1, c.code, 0}));
  }
}

TEST_F(ShapeLinkedStrokesTest, ARunIntoALinkTurnsInto) {
  // A corner before the start of a strong link in its run.
  Reset(30);
  int corner = Add({{0, 0}, {80, 0, kCorner}, {80, 80}})[1];
  EXPECT_EQ(Shape({corner + 4}), (Codes{{0, 1}, {corner, 22}}));
  // A corner going down past the end of its old stroke into the joined next one, which
  // goes on down: the fall is more than 1.5 times the way to the old end, within 2p.
  for (bool joined : {true, false}) {
    Reset(30);
    corner = Add({{0, 0}, {80, 0, kCorner}, {80, 30}})[1];
    const int next = Add({{80, 40, joined ? kJoin : kPlain}, {80, 100}})[0];
    Codes expected = {{0, 1}, {corner, joined ? 22 : 3}};
    if (!joined) expected[next] = 1;
    EXPECT_EQ(Shape(), expected) << joined;
  }
}

// A stroke to the right and down (a corner at (80, 0)) with later strokes of its mark
// above it, each starting at `starts`: in a mark of up to three old strokes the corner is
// a fold unless a later stroke starts to the left of or below the first one's start.
TEST_F(ShapeLinkedStrokesTest, CornersInMarksOfFewOldStrokesAreFolds) {
  struct Case {
    const char* what;
    std::vector<CFPoint> starts;
    bool inMark;
    int code;
  };
  const Case cases[] = {
      {"three old strokes", {{10, -20}, {20, -40}}, true, 5},
      {"four old strokes", {{10, -20}, {20, -40}, {30, -60}}, true, 3},
      {"a later stroke starting to the left", {{-10, -20}, {20, -40}}, true, 3},
      {"a start in no mark", {{10, -20}, {20, -40}}, false, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset(30);
    gAnalysisOverlay.Clear();
    const int corner = Add({{0, 0}, {80, 0, kCorner}, {80, 80}})[1];
    Codes expected = {{0, 1}, {corner, c.code}};
    for (const CFPoint& s : c.starts) expected[Add({{s.x, s.y}, {s.x + 40, s.y}})[0]] = 1;
    if (c.inMark) gAnalysisOverlay.AddMark(0, path.GetCount() - 1, path);
    EXPECT_EQ(Shape(), expected);
  }
}

// A 90-degree turn as drawn points have it: both ways along the axes, or across them.
TEST_F(ShapeLinkedStrokesAltTest, CornersAreCodedByTheWaysInAndOnAndTheirAngle) {
  struct Case {
    const char* what;
    std::vector<Corner> corners;
    std::vector<int> flags;  // at each corner, the first (the stroke's start) included
  };
  const Case cases[] = {
      {"a join going on almost straight (160 degrees)", {{0, 0}, {100, 0, kJoin}, {200, 36.4f}}, {1, 0, 0}},
      {"a join bending to 140 degrees: a corner, written as a fold", {{0, 0}, {100, 0, kJoin}, {176.6f, 64.3f}},
       {1, 5, 0}},
      {"a join turning down: a corner that stays", {{0, 0}, {100, 0, kJoin}, {100, 100}}, {1, 3, 0}},
      {"a join turning straight back reads as going on (180 degrees)", {{0, 0}, {100, 0, kJoin}, {20, 0}}, {1, 0, 0}},
      {"from above, on level right", {{0, 0}, {0, 100, kCorner}, {100, 100}}, {1, 3, 0}},
      {"from the upper right, on level right", {{100, 0}, {60, 100, kCorner}, {160, 100}}, {1, 3, 0}},
      {"from above, on down to the left", {{0, 0}, {0, 100, kCorner}, {-100, 200}}, {1, 22, 0}},
      {"from above, on up to the right", {{0, 0}, {0, 100, kCorner}, {100, 50}}, {1, 22, 0}},
      {"in to the right, on up at 93 degrees: a fold", {{0, 0}, {100, 0, kCorner}, {105, -100}}, {1, 5, 0}},
      // The joint angle is the vector angle's: a cosine of exactly 0 (a right angle, on
      // the axes or off them) reads as 0 degrees, a sharp corner; a cosine of exactly 1
      // (the way on straight back) reads as 180, a fold.
      {"in to the right, on upwards at exactly 90 degrees", {{0, 0}, {100, 0, kCorner}, {100, -100}}, {1, 22, 0}},
      {"in falling gently, on up at exactly 90 degrees off the axes", {{0, 0}, {100, 20, kCorner}, {120, -80}},
       {1, 22, 0}},
      {"in to the right, on straight back", {{0, 0}, {100, 0, kCorner}, {10, 0}}, {1, 5, 0}},
      // (Not split into two movements by the turn splitting: wider than high.)
      {"in to the right, back up to the left at 11 degrees", {{0, 0}, {100, 0, kCorner}, {0, -20}}, {1, 22, 0}},
      {"in to the right, on steeply down", {{0, 0}, {100, 0, kCorner}, {100, 100}}, {1, 3, 0}},
      {"in to the right, down 90 to a code", {{0, 0}, {100, 0, kCorner}, {100, 100, kCorner}, {200, 100}},
       {1, 3, 3, 0}},
      {"in to the right, down 30 (under 3p / 2) to a code", {{0, 0}, {100, 0, kCorner}, {100, 40, kCorner}, {200, 40}},
       {1, 22, 3, 0}},
      {"a tail of 10 in the segment's last run", {{0, 0}, {100, 0, kCorner}, {100, 20}}, {1, 21, 0}},
      {"a tail of 10 after a fold", {{0, 0}, {100, 0, kCorner}, {100, -20}}, {1, 21, 0}},
      {"a corner within p / 2 after the start", {{0, 0}, {10, 0, kCorner}, {10, 100}}, {1, 25, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset(30);
    const std::vector<int> at = Add(c.corners);
    const auto before = PointsOf(path);
    EXPECT_EQ(Shape(ShapeLinkedStrokesAlt), Expected(at, c.flags));
    ASSERT_EQ(PointsOf(path).size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(path.m_pPoints[i], CFPoint(before[i].x, before[i].y)) << i;
    }
  }
}

TEST_F(MainLinkingTest, FlagsZeroAndOneOnlyAreLeftAsTheyAre) {
  for (LinkingPass pass : {ShapeLinkedStrokes, ShapeLinkedStrokesAlt}) {
    Reset(30);
    Add({{0, 0}, {100, 0}, {100, 100}});
    Add({{0, 50}, {60, 80}});
    Add({{200, 0}});
    const auto before = PointsOf(path);
    Shape(pass);
    EXPECT_EQ(PointsOf(path), before);
  }
}

TEST_F(MainLinkingTest, ASegmentShorterThanPLosesItsCodesAndIsSmoothed) {
  for (LinkingPass pass : {ShapeLinkedStrokes, ShapeLinkedStrokesAlt}) {
    Reset(30);
    Add({{0, 0}, {10, 0, kCorner}, {10, 10}});
    EXPECT_EQ(Shape(pass), (Codes{{0, 1}}));
    EXPECT_EQ(path.m_pPoints[1], CFPoint(5, 5));
    // As long as p, it keeps them.
    Reset(30);
    const std::vector<int> at = Add({{0, 0}, {30, 0, kCorner}, {30, 100}});
    EXPECT_EQ(Shape(pass), Expected(at, {1, 3, 0}));
  }
}

// What lies past the path's count, and past the reference's, changes nothing: the slot
// after the last point reads as a stroke start, the reference past its count as no old
// stroke start.
TEST_F(MainLinkingTest, NothingPastEitherCountIsRead) {
  struct Case {
    LinkingPass pass;
    // A corner, and a last stroke shorter than p that must not read as joined on across a
    // gap; a join that bends down into a fall shorter than 3p / 2 ending at the path's end,
    // which no code follows.
    std::vector<std::vector<Corner>> strokes;
  };
  const Case cases[] = {
      {ShapeLinkedStrokes, {{{0, 0}, {80, 0, kCorner}, {80, 30}}, {{200, 0}, {210, 0}, {210, 10}}}},
      {ShapeLinkedStrokesAlt, {{{0, 0}, {100, 0, kJoin}, {100, 30}}}},
  };
  for (const Case& c : cases) {
    auto build = [&] {
      Reset(30);
      for (const auto& stroke : c.strokes) Add(stroke);
      MakeReference(path, ref, joins);
    };
    build();
    c.pass(path, ref);
    const auto clean = PointsOf(path);
    for (uint8_t poison : {0, 1, 3, 25, 62}) {
      build();
      for (int i = path.GetCount(); i < path.GetCapacity(); ++i) {
        path.m_pFlags[i] = poison;
        path.m_pPoints[i] = CFPoint(1e30f, -1e30f);
        ref.m_pFlags[i] = poison == 0 ? 4 : 1;
      }
      c.pass(path, ref);
      EXPECT_EQ(PointsOf(path), clean) << int(poison);
    }
  }
  // A reference of two points knows only the first old stroke start: the join is none.
  Reset(30);
  const int join = Add({{0, 0}, {100, 0, kJoin}, {100, 30}})[1];
  MakeReference(path, ref, joins);
  ref.SetCount(2);
  ref.m_pFlags[join] = 1;
  ShapeLinkedStrokesAlt(path, ref);
  EXPECT_EQ(path.m_pFlags[join], 0);
}

}  // namespace
