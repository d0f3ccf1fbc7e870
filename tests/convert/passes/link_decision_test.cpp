#include "convert/passes/link_decision.h"

#include <gtest/gtest.h>

#include "convert/driver/analysis_overlay.h"
#include "core/path/stroke_work.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;

enum class Mark { kNone, kFirstStroke };

class LinkDecisionTest : public ::testing::Test {
 protected:
  void SetUp() override { gAnalysisOverlay.Clear(); }
  void TearDown() override { gAnalysisOverlay.Clear(); }

  // A level stroke of length len (11 points) in a mark of its own, whose rectangle is len
  // wide, so that the mark's size is len / 4; then the next stroke, flagged flag, starting
  // gap away from its end. Returns whether DecideLinks linked the two.
  bool Linked(int flag, CFPoint gap, int reach, float len = 200, Mark mark = Mark::kFirstStroke, int sum = 8) {
    path.SetCount(0);
    gAnalysisOverlay.Clear();
    AddPolyline(path, {{0, 0}, {len, 0}}, len / 10);
    const int start = AddPolyline(path, {{len + gap.x, gap.y}, {len + gap.x + 50, gap.y}}, 10);
    path.m_pFlags[start] = static_cast<uint8_t>(flag);
    if (mark == Mark::kFirstStroke) gAnalysisOverlay.AddMark(0, start - 1, path);
    reference.CopyFrom(path);
    reference.m_pFlags[start] = 1;
    path.m_param[0] = sum - sum / 2;
    path.m_param[1] = sum / 2;
    path.m_param[2] = reach;
    DecideLinks(path, reference);
    referenceFlag = reference.m_pFlags[start];
    for (int i = 1; i < path.GetCount(); ++i) {
      if (i != start) {
        EXPECT_EQ(path.m_pFlags[i], 0) << "only the start may change";
      }
    }
    return path.m_pFlags[start] == 0;
  }

  CStrokeWork path{256};
  CStrokeWork reference{256};
  int referenceFlag = 0;
};

TEST_F(LinkDecisionTest, PlainStartsLinkWithinTwiceTheReach) {
  struct Case {
    const char* what;
    int flag;
    CFPoint gap;
    int reach;
    bool linked;
  };
  const Case cases[] = {
      {"reach 0 is 2: under 4", 1, {3.9f, 0}, 0, true},
      {"reach 0 is 2: not 4.1", 1, {4.1f, 0}, 0, false},
      {"reach 1 is 2", 1, {0, 3.9f}, 1, true},
      {"reach 2", 1, {4.1f, 0}, 2, false},
      {"reach 12: under 24", 1, {23.9f, 0}, 12, true},
      {"reach 12: not 24.1", 1, {24.1f, 0}, 12, false},
      {"up and right", 1, {15, -15}, 12, true},
      {"down and left", 1, {-15, 15}, 12, true},
      {"up and left needs a third: 7.07", 1, {-5, -5}, 12, true},
      {"up and left needs a third: 9.9", 1, {-7, -7}, 12, false},
      {"kind 57 links as plain", '9', {20, 0}, 12, true},
      {"kind 59 links as plain", ';', {20, 0}, 12, true},
      {"kind 60 links as plain", '<', {20, 0}, 12, true},
      {"kind 60 not 24.1", '<', {24.1f, 0}, 12, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Linked(c.flag, c.gap, c.reach), c.linked);
    EXPECT_EQ(referenceFlag, 1);
  }
}

TEST_F(LinkDecisionTest, StrongAndWeakLinksNeedAReachAbove12AndTheMarksSize) {
  struct Case {
    const char* what;
    int flag;
    float gap;
    int reach;
    float len;  // the mark's size is len / 4, its bound size x reach / 5
    Mark mark;
    bool linked;
  };
  const Case cases[] = {
      {"strong at 12", '2', 10, 12, 200, Mark::kFirstStroke, false},
      {"strong at 13", '2', 10, 13, 200, Mark::kFirstStroke, true},
      {"strong under 4 x 26", '2', 103, 13, 200, Mark::kFirstStroke, true},
      {"strong not 105", '2', 105, 13, 200, Mark::kFirstStroke, false},
      {"strong under the size bound 26", '2', 25, 13, 40, Mark::kFirstStroke, true},
      {"strong not over the size bound", '2', 27, 13, 40, Mark::kFirstStroke, false},
      {"strong in no mark", '2', 1, 40, 200, Mark::kNone, false},
      {"weak at 12", '5', 10, 12, 200, Mark::kFirstStroke, false},
      {"weak at 13 under 26", '5', 25, 13, 200, Mark::kFirstStroke, true},
      {"weak at 13 not 27", '5', 27, 13, 200, Mark::kFirstStroke, false},
      {"weak under the size bound 13", '5', 12, 13, 20, Mark::kFirstStroke, true},
      {"weak not over the size bound", '5', 14, 13, 20, Mark::kFirstStroke, false},
      {"weak over the size bound at 30", '5', 40, 30, 20, Mark::kFirstStroke, false},
      {"weak past the size bound from 31", '5', 40, 31, 20, Mark::kFirstStroke, true},
      {"weak in no mark from 31", '5', 1, 31, 200, Mark::kNone, false},
      {"weak after a fall at 12", '6', 10, 12, 200, Mark::kFirstStroke, false},
      {"weak after a fall at 13", '6', 10, 13, 200, Mark::kFirstStroke, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Linked(c.flag, {c.gap, 0}, c.reach, c.len, c.mark), c.linked);
    // Only a strong link tells the main linking pass through the reference copy.
    EXPECT_EQ(referenceFlag, c.linked && c.flag == '2' ? 4 : 1);
  }
}

TEST_F(LinkDecisionTest, CornersAndKeptPointsNeverLink) {
  for (int flag : {3, int{'>'}, int{'?'}}) {
    for (int reach : {0, 12, 40}) EXPECT_FALSE(Linked(flag, {0.5f, 0}, reach)) << flag << " " << reach;
  }
}

TEST_F(LinkDecisionTest, NoCursiveDegreeAndNoBrushVeinLinkNothing) {
  for (int flag : {1, int{'2'}, int{'5'}, int{'9'}}) {
    EXPECT_FALSE(Linked(flag, {1, 0}, 40, 200, Mark::kFirstStroke, 0)) << flag;
  }
  EXPECT_TRUE(Linked(1, {1, 0}, 40, 200, Mark::kFirstStroke, 1));
}

}  // namespace
