// What a paint of the drawing view settles before and around its drawing: a brush set
// rendered again when the brush it came from changed, the conversion's feature marks when
// the record asks for them, the pending brush colour, and the busy state while it paints.
#include "core/document/tmb_doc.h"
#include "platform/service/progress.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"
#include "views/tmb_view_area.h"
#include "views/view_fixture.h"
#include "views/view_params.h"

namespace tmb::test {
namespace {

using ViewPaintSources = DrawingViewTest;

// Pixels whose three channels are not all alike: none in black ink on white paper.
int ColouredPixels(const Surface& s) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) {
      const Colour c = s.GetPixel(x, y);
      n += !(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c));
    }
  }
  return n;
}

TEST_F(ViewPaintSources, AChangedBrushStyleScatterOrSizeRendersTheBrushSetAgain) {
  CTmbView& view = MakeView();
  FirstPaint(view);
  struct Case {
    int param;
    int value;
    bool rendered;
  } cases[] = {
      {41, (a.m_param[41] + 1) % 3, true},  // brush size
      {40, (a.m_param[40] + 1) % 3, true},  // scatter
      {37, a.m_param[37] >= 200 ? 150 : 250, true},  // the style: the tips scaled otherwise
      {3, a.m_param[3] + 20, false},        // the width: the set stays as it is
  };
  for (const Case& c : cases) {
    const Surface before = CopyOfSurface(gBrushStates[0].m_brushSet);
    a.m_param[size_t(c.param)] = c.value;
    view.RebuildOutlineAndRedraw(0);
    EXPECT_EQ(!SamePixels(before, gBrushStates[0].m_brushSet), c.rendered) << c.param;
    EXPECT_EQ(gBrushStates[0].m_bRenderRequest, 0) << c.param;
    // A second paint with the same values leaves the set alone.
    const Surface after = CopyOfSurface(gBrushStates[0].m_brushSet);
    view.RedrawInSteps(0);
    EXPECT_TRUE(SamePixels(after, gBrushStates[0].m_brushSet)) << c.param;
  }
  SavePictureForViewing(gBrushStates[0].m_brushSet, "brush_set_after_kind_and_size_changes");
}

TEST_F(ViewPaintSources, FeatureMarksShowOverTheCharacterOnlyWhenTheRecordAsks) {
  CTmbView& view = MakeView();
  AddThreeStrokes(a);
  FirstPaint(view);
  EXPECT_EQ(ColouredPixels(BackBuffer()), 0);
  a.m_param[kParamShowFeatures] = 1;
  view.RedrawInSteps(0);
  SavePictureForViewing(BackBuffer(), "conversion_feature_marks");
  // Coloured squares at the stroke starts and ends, and the frames of the marked runs.
  EXPECT_GT(ColouredPixels(BackBuffer()), 3 * 9);
  a.m_param[kParamShowFeatures] = 0;
  view.RedrawInSteps(0);
  EXPECT_EQ(ColouredPixels(BackBuffer()), 0);
}

TEST_F(ViewPaintSources, APendingBrushColourRecoloursTheSetOnceAtTheNextPaint) {
  CTmbView& view = MakeView();
  AddThreeStrokes(a);
  FirstPaint(view);
  CTmbDoc& doc = *windows.docA;
  const Surface before = CopyOfSurface(gBrushStates[0].m_brushSet);
  doc.m_bBrushCharPending = 1;
  doc.m_crBrushCharPending = 0x0000C0;
  a.m_param[kShapeModeParam] = 1;  // a colour line mode stamps with the coloured set
  view.RedrawInSteps(0);
  EXPECT_EQ(doc.m_bBrushCharPending, 0);
  EXPECT_EQ(gBrushStates[0].m_saved[3], int(0x0000C0));
  EXPECT_GT(ColouredPixels(gBrushStates[0].m_brushSet), 0);
  EXPECT_FALSE(SamePixels(before, gBrushStates[0].m_brushSet));
}

TEST_F(ViewPaintSources, WithThePreviewAsItsSourceTheBackBufferIsAnotherPicture) {
  CTmbView& viewA = MakeView(kKindDrawA);
  CTmbView& viewB = MakeView(kKindDrawB);
  FirstPaint(viewA);
  FirstPaint(viewB);
  struct Case {
    int source, selector;
    const Surface* shown;
  } cases[] = {
      {0, 0, &gBrushStates[1].m_bitmap},  // its own picture
      {1, 0, &gBrushStates[0].m_bitmap},  // the first character window's
      {1, 1, &gBrushStates[1].m_bitmap},  // the preview's: none is open
  };
  for (const Case& c : cases) {
    viewB.m_bPreviewSource = c.source;
    viewB.m_nPreviewSelector = c.selector;
    CTmbView::ClientDC dc(viewB);
    viewB.PrepareOffscreenDCs(dc);
    EXPECT_EQ(viewB.BackBuffer(), c.shown) << c.source << c.selector;
    EXPECT_EQ(viewB.m_dcBack.surface(), c.shown) << c.source << c.selector;
    viewB.ReleaseOffscreenDCs();
  }
  // Clearing the window clears the picture it shows.
  viewB.m_bPreviewSource = 1;
  viewB.m_nPreviewSelector = 0;
  gBrushStates[0].m_bitmap.Fill(0x000000);
  {
    CTmbView::ClientDC dc(viewB);
    viewB.ClearWritingArea(dc, 1);
  }
  EXPECT_EQ(gBrushStates[0].m_bitmap.GetPixel(10, 10), kWhite);
}

// Notes whether the view was busy each time the painting reported its progress.
class BusyProgress final : public ProgressService {
 public:
  explicit BusyProgress(const CTmbView& view) : view_(view) { SetProgressService(this); }
  ~BusyProgress() override { SetProgressService(nullptr); }
  void SetPos(int) override { busy.push_back(view_.m_bBusy); }
  std::vector<int> busy;

 private:
  const CTmbView& view_;
};

TEST_F(ViewPaintSources, PaintingIsBusyWithTheWaitCursorAndEndsWithTheDrawingCursor) {
  CTmbView& view = MakeView();
  AddThreeStrokes(a);
  FirstPaint(view);
  BusyProgress progress(view);
  view.RedrawInSteps(0);
  ASSERT_FALSE(progress.busy.empty());
  for (int b : progress.busy) EXPECT_EQ(b, 1);
  EXPECT_EQ(view.m_bBusy, 0);
  EXPECT_NE(view.area()->viewport()->cursor().shape(), Qt::WaitCursor);
}

}  // namespace
}  // namespace tmb::test
