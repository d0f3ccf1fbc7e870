// What a paint of the drawing view settles before and around its drawing: a brush set
// rendered again when the brush it came from changed, the conversion's feature marks when
// the record asks for them, the pending brush colour, and the busy state while it paints.
#include "convert/driver/marker_list.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "platform/service/progress.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"
#include "support/surface_text.h"
#include "views/pre_view.h"
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

TEST_F(ViewPaintSources, TheBrushKindTheLineModeMaskAndTheRedrawFlagsAlsoRenderTheBrushSetAgain) {
  CTmbView& view = MakeView();
  FirstPaint(view);
  const Surface rendered = CopyOfSurface(gBrushStates[0].m_brushSet);
  // Red, which no brush tip holds.
  constexpr Colour kStale = 0x0000FF;
  ASSERT_EQ(tmb::test::CountPixels(rendered, kStale), 0);
  auto Stale = [] { DeviceContext(&gBrushStates[0].m_brushSet).FillSolidRect({32, 960, 63, 991}, kStale); };
  struct Case {
    const char* what;
    int param;  // -1: none changed, the change detection's flags raised
    int value;
    bool rendered;
  } cases[] = {
      {"brush kind", 10, a.m_param[10] == 3 ? 4 : 3, true},
      {"line-mode mask", 176, a.m_param[176] ^ 1, true},
      {"parameter 181", 181, a.m_param[181] + 1, true},
      {"flags of a detected change", -1, 0, true},
      {"width", 3, a.m_param[3] + 20, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    a.m_flags[kFlagRedrawA] = a.m_flags[kFlagRedrawB] = 0;
    if (c.param >= 0) {
      a.m_param[size_t(c.param)] = c.value;
    } else {
      // A page stored parameter 181 and it went back before the paint: only the change
      // detection saw it.
      a.SnapshotSettings();
      a.m_param[181] += 1;
      a.DetectSettingsChanges();
      a.m_param[181] -= 1;
      ASSERT_EQ(a.m_flags[kFlagRedrawA], 1);
    }
    // A set gone stale in one of its cells (kind 1, size 31): a render makes it the brush
    // set again.
    Stale();
    view.RebuildOutlineAndRedraw(0);
    EXPECT_EQ(SamePixels(gBrushStates[0].m_brushSet, rendered), c.rendered);
    EXPECT_EQ(a.m_flags[kFlagRedrawA], 0);
    EXPECT_EQ(a.m_flags[kFlagRedrawB], 0);
    // A second paint with the same values leaves the set alone.
    Stale();
    view.RedrawInSteps(0);
    EXPECT_EQ(tmb::test::CountPixels(gBrushStates[0].m_brushSet, kStale), 31 * 31);
    gBrushStates[0].m_brushSet = CopyOfSurface(rendered);
  }
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
  // The conversion's stroke-start markers (code 1033) each show as a red square of four
  // pixels a side where a stroke of the converted character starts.
  constexpr int kStrokeStart = 1033;
  constexpr Colour kStartRed = 0x0000FF;
  std::vector<Point> marked;
  for (int i = 0; i < gMarkers.m_nCount; ++i) {
    if (gMarkers.m_codes[size_t(i)] == kStrokeStart) marked.push_back(gMarkers.m_points[size_t(i)].RoundToPoint());
  }
  // The same conversion again, for the converted character's stroke starts.
  CStrokeWork source, converted;
  a.ToStrokeWork(source);
  a.CopySettingsToWork(converted);
  converted.ConvertCharacter(source);
  std::vector<Point> strokeStarts;
  for (int i = 0; i < converted.GetCount(); ++i) {
    if (converted.m_pFlags[i] == CStrokePath::kFlagStart) strokeStarts.push_back(converted.m_pPoints[i].RoundToPoint());
  }
  ASSERT_EQ(strokeStarts.size(), 3u);
  ASSERT_EQ(marked, strokeStarts);
  for (const Point p : marked) {
    for (int y = p.y - 2; y < p.y + 2; ++y) {
      for (int x = p.x - 2; x < p.x + 2; ++x) EXPECT_EQ(BackBuffer().GetPixel(x, y), kStartRed) << x << "," << y;
    }
  }
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

TEST_F(ViewPaintSources, WithThePreviewsPictureAsTheSourceTheBlankPageOptionLeavesThatPictureAlone) {
  CPre_View preview(nullptr, 0);
  preview.OnInitialUpdate();
  CTmbView& view = MakeView();
  AddThreeStrokes(a);
  FirstPaint(view);
  view.m_bPreviewSource = 1;
  view.m_nPreviewSelector = 1;
  view.m_bBackgroundOption = 1;
  a.m_param[47] = 1;  // point display: the stamps go into the picture the view shows
  constexpr Colour kPreviewGreen = 0x00C000, kPaper = 0x80FFFF;
  a.m_param[kParamBackColour] = int32_t(kPaper);
  struct Case {
    int blank;  // parameter 76: draw on a blank page instead
    bool previewKept;
  } cases[] = {{1, true}, {0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.blank);
    preview.m_bmpPreview.Fill(kPreviewGreen);
    a.m_param[76] = c.blank;
    view.RedrawInSteps(0);
    const int previewGreen = tmb::test::CountPixels(preview.m_bmpPreview, kPreviewGreen);
    EXPECT_EQ(previewGreen == kPaperWidth * kPaperHeight, c.previewKept);
    // The character went onto the blank page in the record's paper colour, or onto the
    // preview's picture itself.
    const Surface& drawnOn = c.blank ? view.m_previewBlank : static_cast<const Surface&>(preview.m_bmpPreview);
    ASSERT_EQ(drawnOn.width(), kPaperWidth);
    EXPECT_EQ(drawnOn.GetPixel(20, 20), kPaper);
    int ink = 0;
    for (int y = 95; y < 140; ++y) {
      for (int x = 100; x < 300; ++x) ink += RedOf(drawnOn.GetPixel(x, y)) < 128;
    }
    EXPECT_GT(ink, 100);
    if (c.blank) SavePictureForViewing(drawnOn, "preview_source_blank_page");
  }
  // Its own picture was not drawn on either time.
  EXPECT_EQ(tmb::test::CountPixels(gBrushStates[0].m_bitmap, kPaper), 0);
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
