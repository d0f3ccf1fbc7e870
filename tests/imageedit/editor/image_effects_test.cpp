// The image editor's single effects on its picture: the numbered effect on the area, the
// colour change by its dialog's buttons and the scaling of the area.
#include "imageedit/editor/image_effects.h"

#include <gtest/gtest.h>

#include "brush/bitmap/image_effect.h"
#include "core/state/draw_state.h"
#include "imageedit/editor/bmp_view.h"
#include "core/effect/effect_dialogs.h"
#include "support/editor_host.h"
#include "support/paper_state.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_effect_dialogs.h"
#include "support/scripted_messages.h"
#include "support/surface_copies.h"

namespace {

using tmb::Colour;
using tmb::Rect;

constexpr int kWidth = 80, kHeight = 60;
constexpr Colour kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0x0000FF, kYellow = 0x00FFFF;
constexpr int kMsgSetArea = 61544;

int gRuns = 0;
void CountRun(CEffectDef&, tmb::DeviceContext*, tmb::Surface*, tmb::Surface*, int, CEffectRandom&) { ++gRuns; }

class ImageEffects : public ::testing::Test {
 protected:
  void SetUp() override {
    tmb::test::ResetDrawStateForPaper(kWidth, kHeight);
    view.OnInitialUpdate();
    ASSERT_TRUE(view.EnsureSetup(nullptr));
    view.m_bmpWork.Fill(kWhite);
    tmb::DeviceContext dc(&view.m_bmpWork);
    dc.FillSolidRect({10, 10, 30, 20}, kBlack);
    dc.FillSolidRect({50, 30, 60, 50}, kRed);
    gRuns = 0;
  }
  void TearDown() override {
    ResetImageEffectRoutines();
    gColorChangeDlg = CColorChangeDlg();
    gZoomDlg = CZoomDlg();
    gDrawState.Reset();
  }

  tmb::test::ScopedWorkCanvas canvas{kWidth, kHeight};
  tmb::test::ScriptedMessages messages;
  tmb::test::ScriptedEffectDialogs dialogs;
  tmb::test::EditorHost host{kWidth + 64, kHeight + 64};
  CBmpView view{&host};
};

TEST_F(ImageEffects, AnEffectNeedsAnAreaButTheWholePaperChangeDoesNot) {
  gImageEffectRoutines[17] = CountRun;
  view.m_region = {kWidth + 5, 0, kWidth + 9, 9};  // off the picture
  view.m_effectDef.m_nCurrentEffect = kEffectColourPaperAll;  // the last run's number must not decide
  view.m_nEffect = 17;
  EXPECT_EQ(RunImageEffect(view), 0);
  EXPECT_EQ(gRuns, 0);
  EXPECT_EQ(messages.ids, (std::vector<int>{kMsgSetArea}));
  EXPECT_EQ(view.m_nUndoKind, CBmpView::kUndoNone) << "nothing saved for undo";

  view.m_nEffect = kEffectColourPaperAll;
  view.m_effectDef.m_colour1[kEffectColourBack] = kYellow;
  EXPECT_EQ(RunImageEffect(view), 1);
  EXPECT_EQ(view.m_bmpWork.GetPixel(0, 0), kYellow);
  EXPECT_EQ(view.m_bmpWork.GetPixel(15, 15), kBlack);
  EXPECT_EQ(view.m_effectDef.m_crPaper, kYellow);

  view.m_region = {0, 0, 40, 30};
  view.m_nEffect = 17;
  EXPECT_EQ(RunImageEffect(view), 1);
  EXPECT_EQ(gRuns, 1);
  EXPECT_EQ(view.m_sizeClip, (tmb::Size{40, 30})) << "the area goes to the clip buffer";
  EXPECT_EQ(view.m_bModified, 1);
}

TEST_F(ImageEffects, EachChangeButtonRunsItsEffect) {
  const struct {
    int button, setChoice, effect;
  } cases[] = {{1, 0, 57}, {2, 0, 55}, {3, 0, 56}, {4, 0, 58}, {5, 0, 50}, {5, 3, 53},
               {5, 4, 0},  {6, 0, 59}, {0, 0, 0},  {7, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ColourChangeEffect(c.button, c.setChoice), c.effect) << c.button << " " << c.setChoice;
  }
}

TEST_F(ImageEffects, TheColourChangeWithoutAButtonOrCancelledRunsNothing) {
  const tmb::Surface before = tmb::test::CopyOfSurface(view.m_bmpWork);
  for (int answer : {tmb::kAnswerOk, tmb::kAnswerCancel}) {
    gColorChangeDlg.m_nAction = 3;  // left from an earlier run
    dialogs.colourChange = [&](CColorChangeDlg& d) {
      d.m_slots[CColorChangeDlg::kSlotBackground] = RgbSlotOf(kYellow);
      return answer;
    };
    EXPECT_EQ(ChangeImageColours(view), 0);
    EXPECT_TRUE(tmb::test::SamePixels(view.m_bmpWork, before));
    EXPECT_EQ(view.m_bModified, 0);
  }
}

TEST_F(ImageEffects, TheColourChangeTakesTheAreasCornerColour) {
  view.m_region = {55, 40, 5, 5};  // reversed: the top-left is (5, 5)
  dialogs.colourChange = [](CColorChangeDlg&) { return tmb::kAnswerCancel; };
  ChangeImageColours(view);
  EXPECT_EQ(view.m_effectDef.m_colour1[kEffectColourBoxTopLeft], kWhite);
  view.m_region = {52, 35, 70, 55};
  ChangeImageColours(view);
  EXPECT_EQ(view.m_effectDef.m_colour1[kEffectColourBoxTopLeft], kRed);
}

TEST_F(ImageEffects, TheScalingTakesTheAreaAndItsChoice) {
  view.m_region = {10, 10, 30, 20};  // the black block
  int seenWidth = 0, seenHeight = 0;
  dialogs.zoom = [&](CZoomDlg& d) {
    seenWidth = int(d.m_nWidth);
    seenHeight = int(d.m_nHeight);
    d.m_nMode = 0;  // pixels: 10 x 5
    d.m_nWidth = 10;
    d.m_nHeight = 5;
    return tmb::kAnswerOk;
  };
  // The background comes with the dialogs' values.
  gColorChangeDlg.m_slots[CColorChangeDlg::kSlotBackground] = RgbSlotOf(kYellow);
  EXPECT_EQ(ScaleImageArea(view), 1);
  EXPECT_EQ(seenWidth, 20);
  EXPECT_EQ(seenHeight, 10);
  EXPECT_EQ(view.m_sizeArea, (tmb::Size{20, 10}));
  EXPECT_EQ(view.m_bmpWork.GetPixel(10, 10), kBlack);
  EXPECT_EQ(view.m_bmpWork.GetPixel(19, 14), kBlack);
  EXPECT_EQ(view.m_bmpWork.GetPixel(20, 10), kYellow) << "the rest of the area is background";
  EXPECT_EQ(view.m_bmpWork.GetPixel(10, 15), kYellow);
  EXPECT_EQ(view.m_bmpWork.GetPixel(35, 15), kWhite) << "outside the area nothing changes";
  EXPECT_EQ(view.m_effectDef2.m_value1[41], 10) << "the undo copy holds the values it ran with";
  view.Undo();
  EXPECT_EQ(view.m_bmpWork.GetPixel(25, 15), kBlack);

  // An empty area starts the dialog at the canvas size and is refused after it.
  view.m_region = {20, 20, 20, 40};
  EXPECT_EQ(ScaleImageArea(view), 0);
  EXPECT_EQ(seenWidth, kWidth);
  EXPECT_EQ(seenHeight, kHeight);
  EXPECT_EQ(messages.CountOf(kMsgSetArea), 1);
}

}  // namespace
