// Outline clipping by strokes (CStrokePathEx::ClipOutline and ClipOutlineByStrokes).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "core/path/stroke_marks.h"
#include "core/path/stroke_path_ex.h"
#include "core/path/stroke_work.h"

namespace {

// A rectangle contour with a point every step along its edges, clockwise on the paper
// (right along the top first) or the other way.
void AddRectContour(CStrokePath& o, int l, int t, int r, int b, int step, bool clockwise) {
  std::vector<CFPoint> pts;
  if (clockwise) {
    for (int x = l; x < r; x += step) pts.push_back(CFPoint(float(x), float(t)));
    for (int y = t; y < b; y += step) pts.push_back(CFPoint(float(r), float(y)));
    for (int x = r; x > l; x -= step) pts.push_back(CFPoint(float(x), float(b)));
    for (int y = b; y > t; y -= step) pts.push_back(CFPoint(float(l), float(y)));
  } else {
    for (int y = t; y < b; y += step) pts.push_back(CFPoint(float(l), float(y)));
    for (int x = l; x < r; x += step) pts.push_back(CFPoint(float(x), float(b)));
    for (int y = b; y > t; y -= step) pts.push_back(CFPoint(float(r), float(y)));
    for (int x = r; x > l; x -= step) pts.push_back(CFPoint(float(x), float(t)));
  }
  for (size_t k = 0; k < pts.size(); ++k) o.AppendPoint(int(pts[k].x), int(pts[k].y), k == 0 ? 1 : 0);
}

// A level centre stroke from (x0, y) to (x1, y), a point every step, with its side points
// half above and below.
void AddLevelStroke(CStrokePathEx& c, int x0, int x1, int y, int step, int half) {
  for (int x = x0; x <= x1; x += step) {
    const int i = c.GetCount();
    c.AppendPoint(x, y, x == x0 ? 1 : 0);
    c.m_pSide1[i] = CFPoint(float(x), float(y - half));
    c.m_pSide2[i] = CFPoint(float(x), float(y + half));
  }
}

// Each contour of a path: its points and its mark.
struct Contour {
  std::vector<CFPoint> points;
  int mark = 0;
};

std::vector<Contour> ContoursOf(const CStrokePath& p) {
  std::vector<Contour> out;
  for (int s = 0, k = 0; s < p.GetCount(); ++k) {
    const int e = p.FindStrokeEnd(s);
    Contour c;
    for (int i = s; i <= e; ++i) c.points.push_back(p.m_pPoints[i]);
    c.mark = p.m_pStrokeMarks ? p.m_pStrokeMarks->GetMark(k) : 0;
    out.push_back(c);
    s = e + 1;
  }
  return out;
}

bool AllPointsFrom(const CStrokePath& result, const CStrokePath& o) {
  for (int i = 0; i < result.GetCount(); ++i) {
    bool found = false;
    for (int j = 0; j < o.GetCount() && !found; ++j) found = result.m_pPoints[i] == o.m_pPoints[j];
    if (!found) return false;
  }
  return true;
}

// 三: three level strokes at y 100, 200 and 300 from x 100 to 300, 20 wide, each with its
// own rectangle outline (a point every 10).
class ThreeStrokes : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int y : {100, 200, 300}) {
      AddLevelStroke(c, 100, 300, y, 50, 10);
      AddRectContour(o, 100, y - 10, 300, y + 10, 10, true);
    }
    o.CollectStrokeOutlines(0);
  }

  CStrokePathEx c{64};
  CStrokeWork o{512};
};

TEST_F(ThreeStrokes, ASelectedStrokeLosesTheOutlinePointsAtItsEndsAndIsJoinedAgain) {
  CStrokeWork result(512);
  const std::vector<uint8_t> selection = {0, 1, 0};
  EXPECT_EQ(c.ClipOutline(o, selection, result), 1);
  const std::vector<Contour> given = ContoursOf(o);
  const std::vector<Contour> got = ContoursOf(result);
  ASSERT_EQ(got.size(), 3u);
  // The untouched contours come first, unchanged; the middle stroke's follows, without
  // the two points at its stroke's ends, top edge then bottom edge.
  EXPECT_EQ(got[0].points, given[0].points);
  EXPECT_EQ(got[1].points, given[2].points);
  std::vector<CFPoint> expected;
  for (const CFPoint& p : given[1].points) {
    if (!(p == CFPoint(100, 200) || p == CFPoint(300, 200))) expected.push_back(p);
  }
  EXPECT_EQ(got[2].points, expected);
  for (const Contour& k : got) EXPECT_EQ(k.mark, 0);
  EXPECT_TRUE(AllPointsFrom(result, o));
}

TEST_F(ThreeStrokes, EveryStrokeInTurnGivesOneRoundAndTheRoundsFollowInOrder) {
  CStrokeWork all(2048);
  EXPECT_EQ(c.ClipOutlineByStrokes(o, -1, 0, all), 1);
  // The same as clipping with each stroke selected alone, one after the other.
  CStrokeWork expected(2048);
  expected.EnsureAuxBuffer(2048);
  for (int s = 0; s < 3; ++s) {
    std::vector<uint8_t> selection(3, 0);
    selection[size_t(s)] = 1;
    CStrokeWork round(512);
    c.ClipOutline(o, selection, round);
    expected.AppendSelectedStrokes(round, -1);
  }
  ASSERT_EQ(all.GetCount(), expected.GetCount());
  const std::vector<Contour> got = ContoursOf(all);
  const std::vector<Contour> want = ContoursOf(expected);
  ASSERT_EQ(got.size(), 9u);
  for (size_t k = 0; k < got.size(); ++k) {
    EXPECT_EQ(got[k].points, want[k].points) << k;
    EXPECT_EQ(got[k].mark, want[k].mark) << k;
  }
  // Round r ends with stroke r's joined contour, two points short.
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(got[size_t(3 * r + 2)].points.front(), CFPoint(100, float(100 * (r + 1) - 10)));
    EXPECT_EQ(got[size_t(3 * r + 2)].points.size(), ContoursOf(o)[size_t(r)].points.size() - 2);
  }
  EXPECT_TRUE(AllPointsFrom(all, o));
}

TEST_F(ThreeStrokes, InvertSelectsEveryStrokeButTheOneNamed) {
  CStrokeWork result(512);
  EXPECT_EQ(c.ClipOutlineByStrokes(o, 1, 1, result), 1);
  const std::vector<Contour> got = ContoursOf(result);
  const std::vector<Contour> given = ContoursOf(o);
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].points, given[1].points);  // the named stroke stays whole
  EXPECT_EQ(got[1].points.size(), given[0].points.size() - 2);
  EXPECT_EQ(got[2].points.size(), given[2].points.size() - 2);
  EXPECT_TRUE(AllPointsFrom(result, o));
}

TEST(OutlineClipping, HolesKeepTheirMarksWholeOrJoined) {
  // A square ring: the outer contour clockwise, the hole the other way.
  CStrokeWork o(512);
  AddRectContour(o, 0, 0, 100, 100, 10, true);
  AddRectContour(o, 30, 30, 70, 70, 10, false);
  o.CollectStrokeOutlines(0);
  ASSERT_EQ(o.GetStrokeMark(0), 0);
  ASSERT_EQ(o.GetStrokeMark(50), 1);
  struct Case {
    int y;            // where the selected stroke runs from x 30 to 70
    size_t holeSize;  // points of the hole in the result
  } cases[] = {{500, 16}, {50, 14}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.y);
    CStrokePathEx c(16);
    AddLevelStroke(c, 30, 70, k.y, 10, 5);
    CStrokeWork result(512);
    c.ClipOutline(o, std::vector<uint8_t>{1}, result);
    const std::vector<Contour> got = ContoursOf(result);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].points.size(), 40u);
    EXPECT_EQ(got[0].mark, 0);
    EXPECT_EQ(got[1].points.size(), k.holeSize);
    EXPECT_EQ(got[1].mark, 1);
    EXPECT_TRUE(AllPointsFrom(result, o));
  }
}

TEST(OutlineClipping, CurvedContoursNearASelectedStrokeBreakWithoutLeavingTheOutline) {
  // A contour of quadratic runs (control points of attribute 3) round a stroke that a
  // selected stroke crosses: its pieces may break anywhere, but every point stays one of
  // the outline's.
  CStrokeWork o(256);
  const int n = 24;
  for (int k = 0; k < n; ++k) {
    const double a = k * 2 * 3.14159265358979 / n;
    o.AppendPoint(int(std::lround(200 + 60 * std::cos(a))), int(std::lround(200 + 30 * std::sin(a))), k == 0 ? 1 : 0);
    if (k % 2 == 1) o.m_pAttrs[k] = CStrokePath::kAttrSkip;
  }
  CStrokePathEx c(32);
  AddLevelStroke(c, 140, 260, 200, 10, 30);
  AddLevelStroke(c, 100, 300, 400, 50, 10);
  for (int stroke = -1; stroke < 2; ++stroke) {
    CStrokeWork result(1024);
    c.ClipOutlineByStrokes(o, stroke, 0, result);
    EXPECT_TRUE(AllPointsFrom(result, o)) << stroke;
  }
}

TEST(OutlineClipping, ManyMorePiecesThanAThousandAreHeld) {
  // One long contour cut by 600 selected strokes: 1,200 cuts and as many pieces.
  constexpr int kStrokes = 600;
  auto o = std::make_unique<CStrokeWork>(8000);
  AddRectContour(*o, 0, 0, 24 * kStrokes, 100, 4, true);
  auto c = std::make_unique<CStrokePathEx>(2 * kStrokes);
  for (int m = 0; m < kStrokes; ++m) {
    for (int x : {24 * m + 12, 24 * m + 24}) {
      const int i = c->GetCount();
      c->AppendPoint(x, 0, x == 24 * m + 12 ? 1 : 0);
      c->m_pSide1[i] = CFPoint(float(x), -1);
      c->m_pSide2[i] = CFPoint(float(x), 1);
    }
  }
  std::vector<uint8_t> selection(kStrokes, 1);
  auto result = std::make_unique<CStrokeWork>(8000);
  c->ClipOutline(*o, selection, *result);
  // Every point but the cut ones, in pieces that no end can join to just one other.
  EXPECT_EQ(result->GetCount(), o->GetCount() - 2 * kStrokes);
  EXPECT_EQ(int(ContoursOf(*result).size()), 2 * kStrokes);
}

}  // namespace
