// The outline merge on small drawn outlines: boxes and bars, apart, crossing and inside
// one another.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "convert/analysis/stroke_crossings.h"
#include "convert/driver/path_resampling.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_path.h"
#include "core/state/animation_flags.h"
#include "support/path_points.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_messages.h"

namespace {

using tmb::test::PathPoint;
using tmb::test::PointsOf;
using tmb::test::StrokeRanges;

// Appends the box as a closed outline clockwise on the paper (along the top to the right
// first), a point every pixel, the first flagged flag.
void AddBox(CStrokePath& path, float left, float top, float right, float bottom, int flag = 3) {
  const int first = path.GetCount();
  for (float x = left; x < right; ++x) path.AddPointUnique(x, top, 0, 1);
  for (float y = top; y < bottom; ++y) path.AddPointUnique(right, y, 0, 1);
  for (float x = right; x > left; --x) path.AddPointUnique(x, bottom, 0, 1);
  for (float y = bottom; y > top; --y) path.AddPointUnique(left, y, 0, 1);
  path.m_pFlags[first] = uint8_t(flag);
}

class OutlineMergeTest : public ::testing::Test {
 protected:
  void SetUp() override { gPathSequence.Init(1); }
  void TearDown() override {
    gPathSequence.FreePath();
    gFrameRecording = 0;
    gUnitPassActive = 0;
  }
  int Merge(int mode = 1) { return outlines.BuildOutlineViaBitmap(&canvas.screen, 0x000000, mode); }
  const CStrokePath& Result() const { return *gPathSequence.m_pPath; }

  tmb::test::ScopedWorkCanvas canvas{200, 150, 4000};
  CStrokePath outlines{4000};
};

TEST_F(OutlineMergeTest, OutlinesApartComeBackAsTheyWereWithoutTheTinyOnes) {
  AddBox(outlines, 10, 10, 40, 30);
  AddBox(outlines, 60, 10, 61, 11);  // four points: never kept
  AddBox(outlines, 100, 50, 130, 90);
  ASSERT_EQ(Merge(), 1);
  const auto want = PointsOf(outlines);
  auto got = PointsOf(Result());
  ASSERT_EQ(got.size(), want.size() - 4);
  for (size_t k = 0; k < got.size(); ++k) {
    const PathPoint& w = want[k < 100 ? k : k + 4];
    EXPECT_EQ(got[k].x, w.x) << k;
    EXPECT_EQ(got[k].y, w.y) << k;
    EXPECT_EQ(got[k].flag, k == 0 || k == 100 ? 1 : 0) << k;
  }
}

TEST_F(OutlineMergeTest, CrossingBarsBecomeOneContourRoundTheirUnion) {
  AddBox(outlines, 20, 60, 180, 80);  // level bar
  AddBox(outlines, 90.5f, 10.5f, 110.5f, 140.5f);  // upright bar across it, off the other's points
  std::vector<CCrossingRecord> records(outlines.GetCount());
  CStrokePath b(4000);
  b.CopyFrom(outlines);
  for (int i = 0; i < b.GetCount(); ++i) b.m_pFlags[i] = b.m_pFlags[i] != 0 ? 1 : 0;
  ASSERT_EQ(AnalyseStrokeCrossings(b, 0, b.GetCount(), records, kCrossRange, 10), 4);

  ASSERT_EQ(Merge(), 1);
  const auto contours = StrokeRanges(Result());
  ASSERT_EQ(contours.size(), 1u);
  // No point inside the other bar, and the bars' outer corners all there.
  const CStrokePath& r = Result();
  for (int i = 0; i < r.GetCount(); ++i) {
    const CFPoint p = r.m_pPoints[i];
    EXPECT_FALSE(p.x > 90.5f && p.x < 110.5f && p.y > 60 && p.y < 80) << p.x << "," << p.y;
  }
  int corners = 0;
  // The corners of the union: the crossing points themselves are not inserted.
  for (CFPoint c : {CFPoint(20, 60), CFPoint(90.5f, 10.5f), CFPoint(110.5f, 10.5f), CFPoint(180, 60),
                    CFPoint(180, 80), CFPoint(110.5f, 140.5f), CFPoint(90.5f, 140.5f), CFPoint(20, 80)}) {
    for (int i = 0; i < r.GetCount(); ++i) corners += r.m_pPoints[i] == c;
  }
  EXPECT_EQ(corners, 8);
  // Where the walk reaches point a of a crossing of segments (a, a + 1) and (b, b + 1), it
  // goes on at point b + 1 of the other outline.
  const CCrossingRecord& x = records[0];
  bool changedOver = false;
  for (int i = 0; i + 1 < r.GetCount(); ++i) {
    changedOver |= r.m_pPoints[i] == outlines.m_pPoints[x.first] && r.m_pPoints[i + 1] == outlines.m_pPoints[x.second + 1];
  }
  EXPECT_TRUE(changedOver);
}

TEST_F(OutlineMergeTest, AnOutlineBuriedInInkIsLeftOut) {
  AddBox(outlines, 20, 20, 120, 120);
  for (int k = 0; k < 3; ++k) AddBox(outlines, 40 + 20 * k, 50, 50 + 20 * k, 90);
  ASSERT_EQ(Merge(), 1);
  const auto contours = StrokeRanges(Result());
  ASSERT_EQ(contours.size(), 1u);
  EXPECT_EQ(contours[0].second + 1, 400);
}

// A contour left out is judged alone: the walk goes on past points it may not take (here
// flagged 200) without judging the contour before it again by the hidden points of the
// one left out, which are more than a quarter of the kept box's 400.
TEST_F(OutlineMergeTest, AContourLeftOutDoesNotTakeTheOneBeforeItAlong) {
  AddBox(outlines, 20, 20, 120, 120);
  AddBox(outlines, 40, 40, 100, 100);  // 240 points, every one inside the ink
  const int flagged = outlines.GetCount();
  AddBox(outlines, 150, 20, 160, 30);
  for (int i = flagged; i < outlines.GetCount(); ++i) outlines.m_pFlags[i] = 200;
  ASSERT_EQ(Merge(), 1);
  const auto contours = StrokeRanges(Result());
  ASSERT_EQ(contours.size(), 1u);
  EXPECT_EQ(contours[0].second + 1, 400);
  EXPECT_EQ(Result().m_pPoints[0], CFPoint(20, 20));
}

TEST_F(OutlineMergeTest, AnInputLargerThanTheDefaultCapacityIsWalkedWhole) {
  // 800 points in, the box of 400 out, at a default capacity of 500.
  tmb::test::ScopedMaxPoints capacity(500);
  gPathSequence.Init(1);
  AddBox(outlines, 20, 20, 120, 120);
  for (int k = 0; k < 4; ++k) AddBox(outlines, 30 + 20 * k, 30, 45 + 20 * k, 115);
  ASSERT_GT(outlines.GetCount(), 500);
  ASSERT_EQ(Merge(), 1);
  EXPECT_EQ(Result().GetCount(), 400);
}

TEST_F(OutlineMergeTest, PointsFlaggedAbove127AreNeverTaken) {
  AddBox(outlines, 10, 10, 60, 60);
  AddBox(outlines, 100, 10, 150, 60);
  for (int i = 20; i < 25; ++i) outlines.m_pFlags[i] = 200;
  ASSERT_EQ(Merge(), 1);
  for (int i = 0; i < Result().GetCount(); ++i) {
    for (int k = 20; k < 25; ++k) ASSERT_NE(Result().m_pPoints[i], outlines.m_pPoints[k]);
  }
  EXPECT_EQ(Result().GetCount(), outlines.GetCount() - 5);
}

TEST_F(OutlineMergeTest, TheModeFlagsEachContourAndTheUnitSwitchIsKept) {
  AddBox(outlines, 10, 10, 60, 60, 1);
  AddBox(outlines, 100, 10, 150, 60, 2);
  gUnitPassActive = 1;
  ASSERT_EQ(Merge(2), 1);
  EXPECT_EQ(gUnitPassActive, 1);
  for (auto [s, e] : StrokeRanges(Result())) EXPECT_EQ(Result().m_pFlags[s], 3);
  ASSERT_EQ(Merge(1), 1);
  for (auto [s, e] : StrokeRanges(Result())) EXPECT_EQ(Result().m_pFlags[s], 1);
}

TEST_F(OutlineMergeTest, AnOutlineOnThePapersBorderIsKept) {
  // Outside the picture counts as no ink: the border points are not buried.
  AddBox(outlines, 0, 0, 199, 149);
  ASSERT_EQ(Merge(), 1);
  EXPECT_EQ(Result().GetCount(), outlines.GetCount());
}

TEST_F(OutlineMergeTest, AResultTooLargeIsReportedAndTheSequenceKept) {
  tmb::test::ScriptedMessages messages;
  tmb::test::ScopedMaxPoints capacity(150);
  AddBox(outlines, 10, 10, 40, 40);
  AddBox(outlines, 100, 10, 130, 40);
  gPathSequence.m_pPath->SetCount(0);
  gPathSequence.m_pPath->AppendPoint(7, 7, 1);
  gFrameRecording = 1;
  EXPECT_EQ(Merge(), -1);
  EXPECT_EQ(messages.ids, (std::vector<int>{62115}));
  EXPECT_EQ(PointsOf(Result()), (std::vector<PathPoint>{{7, 7, 1}}));
}

TEST_F(OutlineMergeTest, WithoutThePictureNothingChanges) {
  AddBox(outlines, 10, 10, 40, 40);
  gPathSequence.m_pPath->AppendPoint(7, 7, 1);
  gWorkCanvas.m_scaledDibs[1].FreeBits();
  EXPECT_EQ(Merge(), 0);
  EXPECT_EQ(PointsOf(Result()), (std::vector<PathPoint>{{7, 7, 1}}));
}

}  // namespace
