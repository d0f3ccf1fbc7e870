// The edit modes' gestures: rubber-band rectangles of the edit regions, and points
// inserted and deleted one at a time with their pressures and widths in step.
#include "core/document/tmb_doc.h"
#include "views/input/pen_fixture.h"

namespace tmb::test {
namespace {

class EditGestures : public PenInputTest {
 protected:
  CEditRegions& Regions() { return a.m_regions.m_list; }
  void Drag(Point from, Point to) {
    pen->Press(At(from.x, from.y));
    pen->Move(At((from.x + to.x) / 2, (from.y + to.y) / 2));
    pen->Move(At(to.x, to.y));
    pen->Release(At(to.x, to.y));
  }
  // A stroke of points with pressures 10, 20, ... and width levels 1, 2, ...
  void AddPressedStroke(std::initializer_list<Point> points) {
    const int first = a.m_nPoints;
    AddStroke(a, points);
    for (int i = first; i < a.m_nPoints; ++i) {
      a.m_pPressure[i] = 10 * (i + 1);
      a.m_pWidthLevel[i] = uint8_t(i + 1);
    }
  }
  std::vector<Point> Points() const { return {a.m_pPoints.get(), a.m_pPoints.get() + a.m_nPoints}; }
  std::vector<int> Flags() const { return {a.m_pFlags.get(), a.m_pFlags.get() + a.m_nPoints}; }
  std::vector<int> Pressures() const { return {a.m_pPressure.get(), a.m_pPressure.get() + a.m_nPoints}; }
  std::vector<int> Widths() const { return {a.m_pWidthLevel.get(), a.m_pWidthLevel.get() + a.m_nPoints}; }
};

TEST_F(EditGestures, ARubberBandReplacesTheRectanglesOrIsAddedToThem) {
  view->SetEditMode(CTmbView::kModeEdit);
  Drag({100, 100}, {200, 180});
  ASSERT_EQ(Regions().m_nCount, 1);
  EXPECT_EQ(Regions().m_rects[0], (Rect{100, 100, 200, 180}));
  EXPECT_EQ(Regions().m_nDisplay, 1);
  EXPECT_EQ(view->m_nRubber, 0);
  // Dragged up and to the left, then normalised; without the append flag it replaces.
  Drag({300, 300}, {250, 260});
  ASSERT_EQ(Regions().m_nCount, 1);
  EXPECT_EQ(Regions().m_rects[0], (Rect{250, 260, 300, 300}));
  Regions().m_bAppend = 1;
  Drag({20, 20}, {60, 70});
  ASSERT_EQ(Regions().m_nCount, 2);
  EXPECT_EQ(Regions().m_rects[1], (Rect{20, 20, 60, 70}));
  // A click picks the rectangle under it.
  pen->Press(At(270, 280));
  pen->Release(At(270, 280));
  EXPECT_EQ(Regions().m_nCurrent, 0);
  EXPECT_EQ(Regions().m_nCount, 2);
  // Nothing of this touched the strokes.
  EXPECT_EQ(a.m_nPoints, 0);
}

TEST_F(EditGestures, AFullListTakesNoFurtherRectangle) {
  view->SetEditMode(CTmbView::kModeEdit);
  Regions().m_bAppend = 1;
  Regions().m_nCount = kEditRegionCount;
  Regions().m_rects2[0] = {1, 2, 3, 4};
  Drag({100, 100}, {200, 180});
  EXPECT_EQ(Regions().m_nCount, kEditRegionCount);
  EXPECT_EQ(Regions().m_rects2[0], (Rect{1, 2, 3, 4}));
  EXPECT_EQ(messages.beeps, 1);
}

TEST_F(EditGestures, APointInsertedBetweenTwoTakesItsPlaceWithPressuresAndWidthsInStep) {
  AddPressedStroke({{100, 100}, {200, 100}, {300, 100}});
  AddPressedStroke({{350, 100}, {450, 100}});
  a.m_nOutlineDirty = 0;
  view->m_nMode = CTmbView::kModePointEdit;
  const auto click = [this](int x, int y) {
    pen->Press(At(x, y));
    pen->Release(At(x, y));
  };
  click(150, 103);
  EXPECT_EQ(Points(), (std::vector<Point>{{100, 100}, {150, 103}, {200, 100}, {300, 100}, {350, 100}, {450, 100}}));
  EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 0, 0, 1, 0}));
  EXPECT_EQ(Pressures(), (std::vector<int>{10, 10, 20, 30, 40, 50}));
  EXPECT_EQ(Widths(), (std::vector<int>{1, 1, 2, 3, 4, 5}));
  EXPECT_EQ(view->m_ptEdited, (Point{100, 100}));
  EXPECT_EQ(view->m_nEditedIndex, 0);
  EXPECT_EQ(view->m_nEditedFlag, 1);
  EXPECT_EQ(a.m_nOutlineDirty, 1);
  // Inserted before a stroke's start, the point starts the stroke.
  click(325, 101);
  EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 0, 0, 1, 0, 0}));
  EXPECT_EQ(a.m_pPoints[4], (Point{325, 101}));
  EXPECT_EQ(a.m_pPressure[5], 40);
  EXPECT_EQ(StrokeCount(a), 2);
  // Far from every pair nothing happens.
  click(100, 400);
  EXPECT_EQ(a.m_nPoints, 7);
  EXPECT_EQ(messages.beeps, 0);
}

TEST_F(EditGestures, APointDeletedTakesItsPressureAndWidthAlongAndAStrokeKeepsItsStart) {
  AddPressedStroke({{100, 100}, {200, 100}, {300, 100}});
  AddPressedStroke({{350, 100}, {450, 100}});
  view->m_nMode = CTmbView::kModePointEdit;
  const auto rightClick = [this](int x, int y) {
    pen->Press(At(x, y), Qt::RightButton);
    pen->Release(At(x, y), Qt::RightButton);
  };
  rightClick(202, 101);
  EXPECT_EQ(Points(), (std::vector<Point>{{100, 100}, {300, 100}, {350, 100}, {450, 100}}));
  EXPECT_EQ(Pressures(), (std::vector<int>{10, 30, 40, 50}));
  EXPECT_EQ(Widths(), (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(view->m_nEditedIndex, 1);
  // The first point of the second stroke goes: the stroke starts at its next point.
  rightClick(352, 99);
  EXPECT_EQ(Points(), (std::vector<Point>{{100, 100}, {300, 100}, {450, 100}}));
  EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(StrokeCount(a), 2);
  // Nothing within 50 pixels: a beep.
  rightClick(100, 300);
  EXPECT_EQ(a.m_nPoints, 3);
  EXPECT_EQ(messages.beeps, 1);
}

TEST_F(EditGestures, AFullCharacterTakesNoInsertedPoint) {
  for (int i = 0; i < kMaxCharPoints; ++i) {
    a.m_pPoints[i] = {100 + i % 2, 100};
    a.m_pFlags[i] = i == 0 ? 1 : 0;
  }
  a.m_nPoints = kMaxCharPoints;
  view->m_nMode = CTmbView::kModePointEdit;
  pen->Press(At(100, 101));
  pen->Release(At(100, 101));
  EXPECT_EQ(a.m_nPoints, kMaxCharPoints);
  EXPECT_EQ(messages.ids, std::vector<int>{62045});
}

}  // namespace
}  // namespace tmb::test
