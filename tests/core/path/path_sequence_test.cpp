#include "core/path/path_sequence.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/canvas/work_canvas.h"
#include "core/path/stroke_marks.h"
#include "support/path_points.h"

namespace {

class PathSequenceTest : public ::testing::Test {
 protected:
  void TearDown() override { gPathSequenceHold = 0; }
  tmb::test::ScopedMaxPoints maxPoints_{100};
};

TEST_F(PathSequenceTest, InitMakesAPathForEveryFrameWithMarksAndTheCanvasRectangle) {
  CPathSequence seq;
  gWorkCanvas.m_rect = {0, 0, 320, 240};
  EXPECT_EQ(seq.Init(5), 1);
  ASSERT_NE(seq.m_pPath, nullptr);
  EXPECT_EQ(seq.m_nFrames, 5);
  EXPECT_EQ(seq.m_nFrameCounter, 0);
  EXPECT_EQ(seq.m_pPath->GetCapacity(), 500);
  EXPECT_EQ(seq.m_pPath->GetCount(), 0);
  ASSERT_NE(seq.m_pPath->m_pStrokeMarks, nullptr);
  EXPECT_EQ(seq.m_pPath->m_pStrokeMarks->m_nSize, 256);
  EXPECT_EQ(seq.m_rcCanvas, (tmb::Rect{0, 0, 320, 240}));
  gWorkCanvas.m_rect = {0, 0, 500, 750};
}

TEST_F(PathSequenceTest, LaterInitsGrowThePathOnlyBelowHalfTheNeed) {
  CPathSequence seq;
  seq.Init(4);  // 400
  seq.m_pPath->AppendPoint(1, 1, 1);
  seq.Init(6);  // half of 600 is 300: big enough
  EXPECT_EQ(seq.m_pPath->GetCapacity(), 400);
  EXPECT_EQ(seq.m_pPath->GetCount(), 0);
  seq.Init(10);  // half of 1,000 is 500
  EXPECT_EQ(seq.m_pPath->GetCapacity(), 500);
  seq.Init(1);
  EXPECT_EQ(seq.m_pPath->GetCapacity(), 500);  // never shrinks below what it has
}

TEST_F(PathSequenceTest, HoldFlagKeepsTheFramesUnderWay) {
  CPathSequence seq;
  seq.Init(3);
  seq.m_nFrameCounter = 2;
  gPathSequenceHold = 1;
  seq.Init(8);
  EXPECT_EQ(seq.m_nFrames, 3);
  EXPECT_EQ(seq.m_nFrameCounter, 2);
  gPathSequenceHold = 0;
  seq.Init(8);
  EXPECT_EQ(seq.m_nFrames, 8);
  EXPECT_EQ(seq.m_nFrameCounter, 0);
}

TEST_F(PathSequenceTest, FrameCountsOutsideTheTableAreClamped) {
  struct Case {
    int frames, stored;
  } cases[] = {{0, 1}, {-4, 1}, {1000, 1000}, {5000, 1000}};
  for (const Case& c : cases) {
    CPathSequence seq;
    seq.Init(c.frames);
    EXPECT_EQ(seq.m_nFrames, c.stored) << c.frames;
    EXPECT_EQ(seq.m_pPath->GetCapacity(), 100 * c.stored) << c.frames;
  }
}

TEST_F(PathSequenceTest, CapacityStaysCountableForHugePointSettings) {
  tmb::test::ScopedMaxPoints huge(2000000000);
  EXPECT_GT(CPathSequence::PathCapacityFor(1000), 0);
  EXPECT_LE(CPathSequence::PathCapacityFor(1000), 2147483647 / 32);
}

TEST_F(PathSequenceTest, FreePathDeletesAnOwnedPath) {
  CPathSequence seq;
  seq.Init(1);
  seq.FreePath();
  EXPECT_EQ(seq.m_pPath, nullptr);
  EXPECT_EQ(seq.m_bOwnsPath, 0);
  seq.FreePath();
}

TEST_F(PathSequenceTest, AddFrameRecordsThePictureValuesAndRefusesThe1001st) {
  auto seq = std::make_unique<CPathSequence>();
  ParamBlock param{};
  param[157] = 0x00FFEEDD;
  param[159] = 0x00112233;
  for (int k = 0; k < 4; ++k) {
    param[size_t(152 + k)] = 0x10 * (k + 1);
    param[size_t(172 + k)] = 25 * k;
  }
  EXPECT_EQ(seq->AddFrame(0x0000FF, param), 1);
  EXPECT_EQ(seq->m_nFrameCounter, 1);
  const CSequenceFrame& f = seq->m_frames[0];
  EXPECT_EQ(f.colour, 0x0000FFu);
  EXPECT_EQ(f.colourB, 0x00FFEEDDu);
  EXPECT_EQ(f.colourC, 0x00112233u);
  EXPECT_EQ(f.gradient, (std::array<tmb::Colour, 4>{0x10, 0x20, 0x30, 0x40}));
  EXPECT_EQ(f.weights, (std::array<int32_t, 4>{0, 25, 50, 75}));

  for (int n = 1; n < CPathSequence::kMaxFrames; ++n) ASSERT_EQ(seq->AddFrame(tmb::Colour(n), param), 1);
  EXPECT_EQ(seq->AddFrame(0x123456, param), 0);
  EXPECT_EQ(seq->m_nFrameCounter, CPathSequence::kMaxFrames);
  EXPECT_EQ(seq->m_frames[999].colour, 999u);
}

TEST_F(PathSequenceTest, InitClearsTheBackAndForthFlagUnlessHeld) {
  CPathSequence seq;
  seq.m_bBackAndForth = 1;
  gPathSequenceHold = 1;
  seq.Init(2);
  EXPECT_EQ(seq.m_bBackAndForth, 1);  // a frame of the animation under way
  gPathSequenceHold = 0;
  seq.Init(2);
  EXPECT_EQ(seq.m_bBackAndForth, 0);
  EXPECT_EQ(seq.m_bKeepFirstPicture, 1);
  EXPECT_EQ(seq.m_bKeepLastPicture, 1);
  EXPECT_EQ(seq.m_gradient.mode, 0);
}

}  // namespace
