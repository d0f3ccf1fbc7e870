// The frame-part commands on a character record: keeping, cutting, moving and replacing the
// strokes of the current frame, and what they do once the record changed under them.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/record/char_data.h"
#include "core/record/char_data_full.h"
#include "support/scripted_messages.h"

namespace tmb::test {
namespace {

// Stroke k (1, 2, 3 ...) is two points at x = 100 k, y = 100 and 110: a frame around one
// x holds exactly that stroke.
void AddStroke(CCharData& rec, int k) {
  for (int i = 0; i < 2; ++i) {
    const int n = rec.m_nPoints++;
    rec.m_pPoints[n] = {100 * k, 100 + 10 * i};
    rec.m_pFlags[n] = i == 0 ? 1 : 0;
  }
}

Rect FrameOn(int k) { return {100 * k - 20, 50, 100 * k + 20, 200}; }

class FramePart : public ::testing::Test {
 protected:
  void SetUp() override {
    rec->ClearPoints();
    saved->ClearPoints();
    for (int k : {1, 2, 3}) AddStroke(*rec, k);
  }
  // The strokes in writing order, each named by its number.
  std::vector<int> Order() const {
    std::vector<int> order;
    for (int i = 0; i < rec->m_nPoints; ++i) {
      if (rec->m_pFlags[i] == 1) order.push_back(rec->m_pPoints[i].x / 100);
    }
    return order;
  }
  int Run(int mode, int frameOn) { return rec->ReplaceFramePart(mode, FrameOn(frameOn), *saved); }
  void EraseLastStroke() {
    int first = 0, end = 0;
    rec->GetStrokeBounds(rec->m_nPoints - 1, &first, &end);
    rec->DeletePoints(first, rec->m_nPoints);
  }

  ScriptedMessages messages;
  std::unique_ptr<CCharDataFull> rec = std::make_unique<CCharDataFull>();
  std::unique_ptr<CCharData> saved = std::make_unique<CCharData>();
};

TEST_F(FramePart, ACutPartIsReplacedByWhatIsWrittenUntilTheNextDisplay) {
  ASSERT_EQ(Run(kFrameCutForNew, 2), 1);
  EXPECT_EQ(Order(), (std::vector<int>{1, 3}));
  EXPECT_EQ(rec->m_nFrameSplit, 4);
  rec->m_nFramePending = 1;  // as the view sets it
  AddStroke(*rec, 4);
  ASSERT_EQ(Run(kFrameFinishPending, 2), 1);
  EXPECT_EQ(Order(), (std::vector<int>{1, 4, 3}));
  EXPECT_EQ(rec->m_nFramePending, 0);
}

TEST_F(FramePart, AKeptPartHasWhatIsWrittenUntilTheNextDisplayPutInFrontOfIt) {
  ASSERT_EQ(Run(kFrameKeepForNew, 2), 1);
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3}));
  rec->m_nFramePending = 2;
  AddStroke(*rec, 4);
  ASSERT_EQ(Run(kFrameFinishPending, 2), 1);
  EXPECT_EQ(Order(), (std::vector<int>{1, 4, 2, 3}));
}

TEST_F(FramePart, TheWritingOrderCommandsMoveTheSavedPart) {
  // Saved on 2, then put first.
  ASSERT_EQ(Run(kFrameKeep, 2), 1);
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(Run(kFrameMoveFirst, 2), 1);
  EXPECT_EQ(Order(), (std::vector<int>{2, 1, 3}));

  // Saved on 3, then moved behind the strokes of a frame on 1.
  SetUp();
  ASSERT_EQ(Run(kFrameKeep, 3), 1);
  ASSERT_EQ(Run(kFrameMoveAfter, 1), 1);
  EXPECT_EQ(Order(), (std::vector<int>{1, 3, 2}));
}

TEST_F(FramePart, AMoveWhoseRangeNoLongerHoldsTheSavedPartChangesNothing) {
  ASSERT_EQ(Run(kFrameKeep, 2), 1);
  EraseLastStroke();
  EraseLastStroke();
  EXPECT_EQ(Run(kFrameMoveAfter, 1), 0);
  EXPECT_EQ(Order(), (std::vector<int>{1}));
  EXPECT_EQ(Run(kFrameMoveFirst, 1), 0);
  EXPECT_EQ(Order(), (std::vector<int>{1}));

  // A copy over the saved part (33004) leaves the range naming other strokes.
  SetUp();
  ASSERT_EQ(Run(kFrameKeep, 2), 1);
  ASSERT_EQ(Run(kFrameCopy, 3), 1);
  EXPECT_EQ(Run(kFrameMoveFirst, 1), 0);
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3}));

  // Moving behind a frame whose only strokes are the saved part itself puts it back.
  SetUp();
  ASSERT_EQ(Run(kFrameKeep, 2), 1);
  EXPECT_EQ(Run(kFrameMoveAfter, 2), 0);
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3}));
}

TEST_F(FramePart, APendingReplacementWhoseNewStrokesWereErasedIsDropped) {
  ASSERT_EQ(Run(kFrameCutForNew, 2), 1);
  rec->m_nFramePending = 1;
  EraseLastStroke();  // below the split: nothing written since, and more gone
  EXPECT_EQ(Run(kFrameFinishPending, 2), 0);
  EXPECT_EQ(Order(), (std::vector<int>{1}));
  EXPECT_EQ(rec->m_nFramePending, 0);
}

TEST_F(FramePart, AnEmptyFrameSavesAndDeletesNothingAndSetsNoReplacementUp) {
  const Rect empty{600, 600, 700, 700};
  EXPECT_EQ(rec->ReplaceFramePart(kFrameCut, empty, *saved), 1);
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(saved->m_nPoints, 0);
  EXPECT_EQ(rec->m_nFrameFirst, 0);
  EXPECT_EQ(rec->m_nFrameEnd, 0);
  EXPECT_EQ(rec->ReplaceFramePart(kFrameCutForNew, empty, *saved), 0);
  EXPECT_EQ(rec->m_nFramePending, 0);
  // An empty record: a move has nothing to move and inserts nothing at 0.
  rec->ClearPoints();
  EXPECT_EQ(rec->ReplaceFramePart(kFrameMoveAfter, FrameOn(1), *saved), 0);
  EXPECT_EQ(rec->m_nPoints, 0);
}

TEST_F(FramePart, FinishingWithNothingPendingOnlyMarksTheOutline) {
  rec->m_nOutlineDirty = 0;
  EXPECT_EQ(Run(kFrameFinishPending, 2), 1);
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(rec->m_nOutlineDirty, 1);
  EXPECT_EQ(saved->m_nPoints, 0);
}

}  // namespace
}  // namespace tmb::test
