#include "convert/driver/analysis_overlay.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/path/stroke_path.h"
#include "platform/gdi/device_context.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

class AnalysisOverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Three strokes: two close together, one apart.
    Fill(path, {{10, 10, 1}, {30, 40, 0}, {12, 12, 1}, {28, 20, 0}, {100, 100, 1}, {120, 101, 0}});
  }
  std::unique_ptr<CAnalysisOverlay> overlay = std::make_unique<CAnalysisOverlay>();
  CStrokePath path{32};
};

TEST_F(AnalysisOverlayTest, ClearingGivesEveryMarkItsColoursAndNoRuns) {
  overlay->AddMark(0, 3, path);
  overlay->m_marks[0].label.assign(1, 'x');
  overlay->Clear();
  EXPECT_EQ(overlay->m_nCount, 0);
  EXPECT_TRUE(overlay->m_runStarts.empty());
  const COverlayMark& mark = overlay->m_marks[0];
  EXPECT_EQ(mark.label, "");
  EXPECT_EQ(mark.tag, 255);
  const tmb::Colour colours[] = {0xff0000, 0x00ffff, 0x00ff00, 0x0000ff};
  const int shown[] = {1, 1, 1, 0};
  for (int p = 0; p < 4; ++p) {
    EXPECT_EQ(mark.parts[p].colour, colours[p]);
    EXPECT_EQ(mark.parts[p].shown, shown[p]);
    EXPECT_EQ(mark.parts[p].hidden, 0);
    EXPECT_EQ(mark.parts[p].reserved, (std::array<int, 4>{-1, -1, -1, -1}));
  }
}

TEST_F(AnalysisOverlayTest, AMarkHoldsItsRunAndTheBoundsOfItsPoints) {
  ASSERT_EQ(overlay->AddMark(0, 3, path), 1);
  const COverlayMark& mark = overlay->m_marks[0];
  for (int p : {0, 3}) {
    EXPECT_EQ(mark.parts[p].first, 0);
    EXPECT_EQ(mark.parts[p].last, 3);
    EXPECT_EQ(mark.parts[p].firstPoint, CFPoint(10, 10));
    EXPECT_EQ(mark.parts[p].lastPoint, CFPoint(28, 20));
  }
  for (const COverlayPart& part : mark.parts) EXPECT_EQ(part.rect, (tmb::Rect{10, 10, 30, 40}));
}

TEST_F(AnalysisOverlayTest, NarrowRunsGetRectanglesOfAtLeastThreePixels) {
  overlay->AddMark(4, 4, path);  // one point
  overlay->AddMark(4, 5, path);  // a level line
  EXPECT_EQ(overlay->m_marks[0].parts[3].rect, (tmb::Rect{100, 100, 103, 103}));
  EXPECT_EQ(overlay->m_marks[1].parts[3].rect, (tmb::Rect{100, 100, 120, 103}));
}

TEST_F(AnalysisOverlayTest, MarksPastTheCapacityOrOutsideThePathAreDropped) {
  EXPECT_EQ(overlay->AddMark(3, 6, path), 0);
  EXPECT_EQ(overlay->AddMark(-1, 2, path), 0);
  EXPECT_EQ(overlay->AddMark(3, 2, path), 0);
  for (int k = 0; k < CAnalysisOverlay::kCapacity; ++k) ASSERT_EQ(overlay->AddMark(0, 1, path), 1);
  EXPECT_EQ(overlay->AddMark(0, 1, path), 0);
  EXPECT_EQ(overlay->m_nCount, CAnalysisOverlay::kCapacity);
}

TEST_F(AnalysisOverlayTest, PointsFindTheFirstShownMarkThatHoldsThem) {
  overlay->AddMark(0, 3, path);
  overlay->AddMark(2, 5, path);
  EXPECT_EQ(overlay->FindEntryOfPoint(0), 0);
  EXPECT_EQ(overlay->FindEntryOfPoint(3), 0);
  EXPECT_EQ(overlay->FindEntryOfPoint(4), 1);
  EXPECT_EQ(overlay->FindEntryOfPoint(6), -1);
  EXPECT_EQ(overlay->FindEntryOfPoint(-1), -1);
  overlay->m_marks[0].parts[0].hidden = 1;
  EXPECT_EQ(overlay->FindEntryOfPoint(3), 1);
  EXPECT_EQ(overlay->FindEntryOfPoint(1), -1);
}

TEST_F(AnalysisOverlayTest, RunStartsListTheStrokesThatOpenANewMark) {
  overlay->AddMark(0, 3, path);
  overlay->AddMark(4, 5, path);
  overlay->BuildRunStarts(path);
  EXPECT_EQ(overlay->m_runStarts, (std::vector<int>{2}));
  // A path outside every mark changes marks nowhere.
  overlay->Clear();
  overlay->BuildRunStarts(path);
  EXPECT_TRUE(overlay->m_runStarts.empty());
}

TEST_F(AnalysisOverlayTest, TheAverageMarkSizeLeavesHiddenMarksOut) {
  EXPECT_EQ(overlay->GetAverageMarkSize(), CFPoint(0, 0));
  overlay->AddMark(0, 3, path);  // 20 x 30
  overlay->AddMark(4, 5, path);  // 20 x 3
  EXPECT_EQ(overlay->GetAverageMarkSize(), CFPoint(20, 16.5f));
  overlay->m_marks[1].parts[3].hidden = 1;
  EXPECT_EQ(overlay->GetAverageMarkSize(), CFPoint(20, 30));
}

}  // namespace

namespace {

TEST_F(AnalysisOverlayTest, DrawingFramesThePartsInTheirColoursOutsideInAndSkipsHiddenOnes) {
  overlay->Clear();
  overlay->AddMark(4, 5, path);  // rectangle (100, 100)-(121, 104)
  overlay->m_marks[0].parts[3].rect = {90, 90, 130, 120};
  tmb::Surface s;
  ASSERT_TRUE(s.Create(160, 160, tmb::PixelFormat::kColour32));
  s.Fill(0xFFFFFF);
  tmb::DeviceContext dc(&s);
  overlay->Draw(dc, false, true);
  // Part 3 on its rectangle's edge; part 0 (shown: one pixel inside) drawn before it.
  EXPECT_EQ(s.GetPixel(90, 95), overlay->m_marks[0].parts[3].colour);
  EXPECT_EQ(s.GetPixel(110, 101), overlay->m_marks[0].parts[0].colour);
  EXPECT_EQ(s.GetPixel(110, 100), 0xFFFFFFu);
  // Parts 1 and 2 only without lastOnly: they frame the same place after part 0.
  overlay->Draw(dc, false, false);
  EXPECT_EQ(s.GetPixel(110, 101), overlay->m_marks[0].parts[2].colour);
  // A hidden part is left out.
  s.Fill(0xFFFFFF);
  overlay->m_marks[0].parts[3].hidden = 1;
  overlay->Draw(dc, false, true);
  EXPECT_EQ(s.GetPixel(90, 95), 0xFFFFFFu);
}

}  // namespace
