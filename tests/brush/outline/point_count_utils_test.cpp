#include <gtest/gtest.h>

#include <vector>

#include "brush/outline/in_box.h"
#include "support/brush_fixture.h"

namespace {

using tmb::Point;
using tmb::test::AddLine;
using tmb::test::FlagsOf;
using tmb::test::PointsOf;

class PointCountUtilsTest : public tmb::test::BrushEngineTest {
 protected:
  std::vector<int> Xs() const {
    std::vector<int> xs;
    for (int i = 0; i < work->m_nPoints; ++i) xs.push_back(work->m_pPoints[i].x);
    return xs;
  }
};

TEST_F(PointCountUtilsTest, RepeatingAndInsertingKeepOneStrokeStart) {
  AddLine(*work, {0, 0}, 1, 0, 3);
  work->RepeatPoints(6);
  EXPECT_EQ(Xs(), (std::vector<int>{0, 0, 1, 1, 2, 2}));
  EXPECT_EQ(FlagsOf(*work), (std::vector<int>{1, 0, 0, 0, 0, 0}));

  work->ClearPoints();
  AddLine(*work, {0, 0}, 1, 0, 4);
  work->InsertEvenly(1.5f);  // one more point every second point
  EXPECT_EQ(Xs(), (std::vector<int>{0, 1, 1, 2, 3, 3}));
  EXPECT_EQ(FlagsOf(*work), (std::vector<int>{1, 0, 0, 0, 0, 0}));
}

TEST_F(PointCountUtilsTest, DoubleStrokeEndsUpToALimit) {
  struct Case {
    int limit;
    int left;
    std::vector<int> xs;
  };
  for (const Case& c : {Case{1, 0, {0, 1, 1, 5, 6}}, Case{5, 3, {0, 1, 1, 5, 6, 6}}}) {
    work->ClearPoints();
    AddLine(*work, {0, 0}, 1, 0, 2);
    AddLine(*work, {5, 0}, 1, 0, 2);
    EXPECT_EQ(work->DoubleStrokeEnds(c.limit), c.left);
    EXPECT_EQ(Xs(), c.xs);
  }
}

TEST_F(PointCountUtilsTest, ThinByStepKeepsStrokeEnds) {
  struct Case {
    float step;
    std::vector<int> xs;
  };
  const Case cases[] = {
      {2.0f, {0, 2, 4, 6, 8, 9, 20, 22, 23}},
      {2.5f, {0, 3, 5, 8, 9, 20, 23}},  // 2.5 rounds to 3, 7.5 to 8
      {1.0f, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 21, 22, 23}},
  };
  for (const Case& c : cases) {
    work->ClearPoints();
    AddLine(*work, {0, 0}, 1, 0, 10);
    AddLine(*work, {20, 0}, 1, 0, 4);
    EXPECT_EQ(work->ThinByStep(c.step), int(c.xs.size()));
    EXPECT_EQ(Xs(), c.xs) << c.step;
  }
}

TEST_F(PointCountUtilsTest, EvenStepsAreRemovedUpToTheTarget) {
  AddLine(*work, {0, 0}, 1, 0, 5);
  EXPECT_EQ(work->RemoveEvenSteps(1, 0), 1);
  EXPECT_EQ(Xs(), (std::vector<int>{0, 2, 3, 4}));

  work->ClearPoints();
  AddLine(*work, {0, 0}, 1, 0, 9);
  EXPECT_EQ(work->ReduceToCount(3), 3);
  EXPECT_EQ(Xs(), (std::vector<int>{0, 4, 8}));

  // A target below zero asks for as few points as the even steps allow.
  for (int target : {0, -1, INT32_MIN}) {
    work->ClearPoints();
    AddLine(*work, {0, 0}, 1, 0, 9);
    EXPECT_EQ(work->ReduceToCount(target), 2) << target;
  }

  // A point before a stroke start stays.
  work->ClearPoints();
  AddLine(*work, {0, 0}, 1, 0, 3);
  AddLine(*work, {3, 0}, 1, 0, 3);
  EXPECT_EQ(work->RemoveEvenSteps(10, 1), 2);
  EXPECT_EQ(Xs(), (std::vector<int>{0, 2, 3, 5}));
}

TEST_F(PointCountUtilsTest, ResamplingTwiceWithAHugeStepKeepsTheStrokeEnds) {
  AddLine(*work, {0, 0}, 3, 0, 10);
  work->ResampleTwice(INT32_MAX, 0);
  // The first pass, 2 px apart, ends the stroke at 26 (its points continue the stroke,
  // the one made on the first segment too); the second keeps only the ends.
  EXPECT_EQ(Xs(), (std::vector<int>{0, 26}));
}

TEST_F(PointCountUtilsTest, PullMovesLaterStrokesInTheirEntryDirection) {
  AddLine(*work, {0, 0}, 10, 0, 3);
  AddLine(*work, {100, 0}, 10, 0, 5);
  work->PullStrokesInt(10, 50);
  EXPECT_EQ(Xs(), (std::vector<int>{0, 10, 20, 100, 115, 130, 135, 140}));
}

TEST_F(PointCountUtilsTest, RepeatStrokeHeadsWeighsTheFirstTenthsOfEachStroke) {
  AddLine(*work, {-5, 0}, 1, 0, 1);
  work->m_pFlags[0] = 0;  // before the first stroke: dropped
  AddLine(*work, {0, 0}, 1, 0, 11);
  work->RepeatStrokeHeads(0);
  EXPECT_EQ(Xs(), (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 2, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(FlagsOf(*work)[3], 1);
}

TEST_F(PointCountUtilsTest, CutStrokeEndsByTheirLengthBeyondTheFlow) {
  struct Case {
    int flow;
    int divisor;
    std::vector<int> xs;
  };
  const Case cases[] = {
      {10, 2, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},  // (20 - 10) / 2 = 5 px off each end
      {20, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
      {10, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
  };
  for (const Case& c : cases) {
    work->ClearPoints();
    AddLine(*work, {0, 0}, 1, 0, 21);
    work->m_param[6] = c.flow;
    work->CutStrokeEnds(c.divisor, 0);
    EXPECT_EQ(Xs(), c.xs) << c.flow << " " << c.divisor;
    EXPECT_EQ(work->m_pFlags[0], 1);
  }
}

TEST(InBoxTest, CornersInEitherOrder) {
  struct Case {
    int x0, y0, x, y, x1, y1;
    bool in;
  };
  const Case cases[] = {
      {0, 0, 5, 5, 10, 10, true}, {10, 10, 5, 5, 0, 0, true}, {0, 10, 10, 0, 10, 0, true},
      {0, 0, 11, 5, 10, 10, false}, {0, 0, 5, -1, 10, 10, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsInBox(c.x0, c.y0, c.x, c.y, c.x1, c.y1), c.in);
}

}  // namespace
