// What the main window's commands do to the drawing state and to the current character:
// the choices that tick one item of a group, the detailed conversion switches of the
// current record, values that hold for one redraw only, the rectangles of the edit mode,
// the sheets of a window kind and undo's enabling.
#include <QSplitter>
#include <QTest>

#include "app/app_fixture.h"
#include "app/conversion_switches.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "core/record/param_defaults.h"
#include "resources/command_ids.h"
#include "support/ui/paint_counter.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

class FrameCommandValues : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
  }
  bool Checked(int id) const { return frame()->QueryCommand(id).checked(); }
  static CCharDataFull& Record(int kind) { return *GetCharDocumentOfKind(kind)->DrawnRecord(); }
  static CTmbView* View(int kind) { return qobject_cast<CTmbView*>(FrameOfKind(kind)->activeView()); }
  void MakeCurrent(int kind) {
    frame()->ActivateViewOfKind(kind, 0);
    ASSERT_EQ(gDrawState.ResolveKind(kKindCurrentDraw), kind);
  }
};

TEST_F(FrameCommandValues, EachChoiceTicksOneItemOfItsGroup) {
  const std::vector<std::vector<int>> groups = {
      {33127, 33128, 33129},                                                  // switch 20
      {kCmdPrintRangeAll, kCmdPrintRangeRegion},                              // print range
      {kCmdPrintModeVector, kCmdPrintModeImage},                              // print mode
      {kCmdPrintTargetActive, kCmdPrintTargetA, kCmdPrintTargetB, kCmdPrintTargetEditor,
       kCmdPrintTargetPreview},                                               // print target
      {kCmdRedrawNever, kCmdRedrawAfterStrokes, kCmdRedrawAlways},            // redraw mode
  };
  for (const std::vector<int>& group : groups) {
    for (int chosen : group) {
      ASSERT_TRUE(frame()->ExecuteCommand(chosen)) << chosen;
      for (int id : group) {
        EXPECT_EQ(Checked(id), id == chosen) << "chose " << chosen << ", item " << id;
        // The menu item shows it too.
        if (QAction* action = frame()->ActionOf(id)) {
          EXPECT_EQ(action->isChecked(), id == chosen) << id;
        }
      }
    }
  }
  // The values the fields take.
  struct Case {
    int id;
    const int* field;
    int value;
  } cases[] = {
      {33128, &Record(kKindDrawA).m_param[330], 1},
      {kCmdPrintRangeRegion, &gDrawState.m_nPrintRange, 1},
      {kCmdPrintModeImage, &gDrawState.m_nPrintMode, 0},
      {kCmdPrintTargetEditor, &gDrawState.m_nPrintTarget, kKindImageEditor},
      {kCmdPrintTargetActive, &gDrawState.m_nPrintTarget, -1},
      {kCmdRedrawAfterStrokes, &gDrawState.m_nRedrawSteps, 1},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(frame()->ExecuteCommand(c.id));
    EXPECT_EQ(*c.field, c.value) << c.id;
  }
}

TEST_F(FrameCommandValues, EachSwitchCommandFlipsItsSwitchInTheCurrentRecord) {
  // (command, switch i): entry 310 + i.
  const std::pair<int, int> table[] = {
      {33108, 1},  {33109, 2},  {33110, 3},  {33111, 4},  {33112, 5},  {33113, 6},  {33114, 7},
      {33115, 8},  {33116, 9},  {33117, 10}, {33118, 11}, {33119, 12}, {33122, 15}, {33123, 16},
      {33124, 17}, {33125, 18}, {33126, 19}, {33130, 23}, {33132, 25}, {33133, 26}, {33139, 27},
      {33140, 28}, {33141, 29}, {33146, 31}, {33151, 32}, {33160, 33}, {33164, 35}, {33165, 36},
      {33166, 37}, {33172, 38}, {33174, 41}, {33175, 42}, {33184, 44}, {33186, 46}, {33187, 47},
      {33193, 51}, {33194, 52},
  };
  EXPECT_EQ(SwitchCommands().size(), std::size(table));
  for (int kind : {kKindDrawA, kKindDrawB}) {
    MakeCurrent(kind);
    CCharDataFull& rec = Record(kind);
    CCharDataFull& other = Record(kind == kKindDrawA ? kKindDrawB : kKindDrawA);
    for (auto [id, i] : table) {
      const size_t entry = size_t(310 + i);
      const int before = rec.m_param[entry];
      const int otherBefore = other.m_param[entry];
      rec.m_nOutlineDirty = 0;
      ASSERT_TRUE(frame()->ExecuteCommand(id)) << id;
      EXPECT_EQ(rec.m_param[entry], before ? 0 : 1) << id;
      EXPECT_EQ(rec.m_nOutlineDirty, 1) << id;
      EXPECT_EQ(other.m_param[entry], otherBefore) << id;
      EXPECT_EQ(Checked(id), rec.m_param[entry] != 0) << id;
      ASSERT_TRUE(frame()->ExecuteCommand(id));
      EXPECT_EQ(rec.m_param[entry], before ? 1 : 0) << id;
      EXPECT_EQ(Checked(id), before != 0) << id;
    }
  }
}

TEST_F(FrameCommandValues, AllOnAllOffAndKeepingTheConversionValues) {
  MakeCurrent(kKindDrawB);
  CCharDataFull& rec = Record(kKindDrawB);
  ParamBlock expected = rec.m_param;
  InitStyleEnableFlags(nullptr, expected);
  std::fill_n(rec.m_param.begin() + kStyleFlagFirst, kStyleFlagCount, 7);
  rec.m_nOutlineDirty = 0;
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdSwitchesAllOn));
  EXPECT_EQ(rec.m_param, expected);
  EXPECT_EQ(rec.m_nOutlineDirty, 1);
  // Some switches stay off: the pattern is not all ones.
  EXPECT_NE(std::count(expected.begin() + kStyleFlagFirst, expected.begin() + kStyleFlagFirst + kStyleFlagCount, 1),
            kStyleFlagCount);

  ASSERT_TRUE(frame()->ExecuteCommand(kCmdSwitchesAllOff));
  for (int i = 0; i < kStyleFlagCount; ++i) EXPECT_EQ(rec.m_param[size_t(kStyleFlagFirst + i)], 0) << i;
  EXPECT_EQ(rec.m_param[309], expected[309]);
  EXPECT_EQ(rec.m_param[374], expected[374]);

  const int keep = rec.m_param[380];
  rec.m_nOutlineDirty = 0;
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdKeepConversion));
  EXPECT_EQ(rec.m_param[380], keep ? 0 : 1);
  EXPECT_EQ(rec.m_nOutlineDirty, 1);
  EXPECT_EQ(Checked(kCmdKeepConversion), rec.m_param[380] != 0);
  EXPECT_EQ(Record(kKindDrawA).m_param[380], keep);
}

TEST_F(FrameCommandValues, OneRedrawValuesComeBackOnEveryPath) {
  ShowAndPaint();
  gDrawState.m_nRedrawSteps = 0;
  gDrawState.m_bDrawTempOriginalLine = 1;
  // The stepped redraw of 33190 runs as "always": the settings panel follows each step,
  // which a plain redraw at mode 0 leaves alone.
  auto* panel = qobject_cast<QSplitter*>(View(kKindDrawA)->parentWidget())->widget(2);
  PaintCounter counter;
  counter.Watch(panel);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay));
  EXPECT_EQ(counter.paints, 0);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRedrawOnce));
  EXPECT_GT(counter.paints, 0);
  EXPECT_EQ(gDrawState.m_nRedrawSteps, 0);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdOverlayDisplay));
  EXPECT_EQ(gDrawState.m_bDrawTempOriginalLine, 1);

  // The current window is gone: the lookup fails and the values still come back.
  DestroyDrawingFrame(kKindDrawB);
  gDrawState.m_nCurDrawKind = kKindDrawB;
  ASSERT_EQ(GetViewOfKind(kKindCurrentDraw), nullptr);
  for (int steps : {0, 1}) {
    gDrawState.m_nRedrawSteps = steps;
    gDrawState.m_bDrawTempOriginalLine = 1 - steps;
    EXPECT_TRUE(frame()->ExecuteCommand(kCmdRedrawOnce));
    EXPECT_TRUE(frame()->ExecuteCommand(kCmdOverlayDisplay));
    EXPECT_EQ(gDrawState.m_nRedrawSteps, steps);
    EXPECT_EQ(gDrawState.m_bDrawTempOriginalLine, 1 - steps);
  }
}

TEST_F(FrameCommandValues, UndoFollowsTheFlagOfTheCurrentWindow) {
  MakeCurrent(kKindDrawB);
  GetCharDocumentOfKind(kKindDrawB)->engine().SaveUndoCopy();
  EXPECT_TRUE(frame()->QueryCommand(kCmdEditUndo).enabled());
  // Window A closed: B's undo is still there.
  DestroyDrawingFrame(kKindDrawA);
  ASSERT_EQ(gDrawState.m_windowOpen[kKindDrawA], 0);
  EXPECT_TRUE(frame()->QueryCommand(kCmdEditUndo).enabled());
  gDrawState.m_windowOpen[kKindDrawB] = 0;
  EXPECT_FALSE(frame()->QueryCommand(kCmdEditUndo).enabled());
  gDrawState.m_windowOpen[kKindDrawB] = -1;
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdEditUndo));
  EXPECT_FALSE(frame()->QueryCommand(kCmdEditUndo).enabled());  // the one copy was used
}

TEST_F(FrameCommandValues, ModesAndViewSwitchesTickFromTheView) {
  MakeCurrent(kKindDrawA);
  gDrawState.m_bViewsReady = 1;
  CTmbView* view = View(kKindDrawA);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdEditMode));
  EXPECT_EQ(view->m_nMode, CTmbView::kModeEdit);
  EXPECT_TRUE(Checked(kCmdEditMode));
  EXPECT_FALSE(Checked(kCmdDrawMode));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdDrawMode));
  EXPECT_EQ(view->m_nMode, CTmbView::kModeDraw);
  EXPECT_TRUE(Checked(kCmdDrawMode));
  // The registration panel keeps the mode.
  gDrawState.m_toolPanel.m_bShown = 1;
  EXPECT_FALSE(frame()->ExecuteCommand(kCmdEditMode));
  EXPECT_EQ(view->m_nMode, CTmbView::kModeDraw);
  gDrawState.m_toolPanel.m_bShown = 0;

  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdCaptureFirstChar));
    EXPECT_EQ(view->m_bCaptureOption, 1 - i);
    EXPECT_EQ(Checked(kCmdCaptureFirstChar), i == 0);
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdPointDisplay));
    EXPECT_EQ(Checked(kCmdPointDisplay), i == 0);
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdTempOriginalLine));
    EXPECT_EQ(Checked(kCmdTempOriginalLine), gDrawState.m_bDrawTempOriginalLine != 0);
  }
  EXPECT_EQ(View(kKindDrawB)->m_bCaptureOption, 0);
}

TEST_F(FrameCommandValues, EditRectanglesAreClearedAndTheSeveralFramesSwitchToggles) {
  MakeCurrent(kKindDrawA);
  CEditRegions& cells = Record(kKindDrawA).m_regions.m_list;
  const auto fill = [&] {
    cells.m_rects[0] = {10, 10, 50, 50};
    cells.m_rects[1] = {60, 60, 90, 90};
    cells.m_nCount = 2;
    cells.m_nCurrent = 1;
  };
  fill();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdClearCells));
  EXPECT_EQ(cells.m_nCount, 0);
  EXPECT_EQ(cells.m_nCurrent, 0);
  EXPECT_FALSE(Checked(kCmdSeveralFrames));
  fill();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdSeveralFrames));
  EXPECT_NE(cells.m_bAppend, 0);
  EXPECT_EQ(cells.m_nCount, 0);
  EXPECT_TRUE(Checked(kCmdSeveralFrames));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdSeveralFrames));
  EXPECT_EQ(cells.m_bAppend, 0);
  EXPECT_FALSE(Checked(kCmdSeveralFrames));
  EXPECT_EQ(Record(kKindDrawB).m_regions.m_list.m_bAppend, 0);
}

TEST_F(FrameCommandValues, SheetCommandsAddressTheWindowTheCurrentKindResolvesTo) {
  struct Case {
    int id;
    bool showsB;
    int page;  // -99: the page is left as it was
  } cases[] = {
      {kCmdSheetTarget, true, -10},  {kCmdSheetSource, false, -10}, {kCmdFontAxisSheet, true, -99},
      {kCmdSheetB, true, -99},       {kCmdCentreSheetA, false, -99}, {145, false, 0},
      {397, false, 4},
  };
  auto shown = [](QWidget* sheet) { return sheet && sheet->isVisible(); };
  for (const Case& c : cases) {
    for (QWidget* sheet : {frame()->m_pSheetFrameA.data(), frame()->m_pSheetFrameB.data()}) {
      if (sheet) sheet->hide();
    }
    gDrawState.m_nShapeSheetPage = -99;
    EXPECT_TRUE(frame()->QueryCommand(c.id).enabled()) << c.id;
    ASSERT_TRUE(frame()->RunCommand(c.id)) << c.id;
    EXPECT_EQ(shown(frame()->m_pSheetFrameB), c.showsB) << c.id;
    EXPECT_EQ(shown(frame()->m_pSheetFrameA), !c.showsB) << c.id;
    EXPECT_EQ(gDrawState.m_nShapeSheetPage, c.page) << c.id;
    // The view and the document of the current window agree on the window.
    const int kind = c.showsB ? kKindDrawB : kKindDrawA;
    EXPECT_EQ(GetViewOfKind(kKindCurrentDraw), View(kind)) << c.id;
    EXPECT_EQ(GetDocumentOfKind(kKindCurrentDraw), GetDocumentOfKind(kind)) << c.id;
  }
}

TEST_F(FrameCommandValues, TheSettingButtonsOfBothPanelsFollowOneSwitch) {
  EXPECT_FALSE(Checked(kCmdSettingButtons));
  for (int kind : {kKindDrawA, kKindDrawB, kKindDrawA}) {
    MakeCurrent(kind);
    const int before = gDrawState.m_bSettingViewButton;
    ASSERT_TRUE(frame()->RunCommand(kCmdSettingButtons));
    EXPECT_EQ(gDrawState.m_bSettingViewButton, before ? 0 : 1);
    EXPECT_EQ(Checked(kCmdSettingButtons), gDrawState.m_bSettingViewButton != 0);
  }
}

TEST_F(FrameCommandValues, PrintingFromThePreviewRemembersItAndGoesThroughTheDrawingWindow) {
  gDrawState.m_nCreatingKind = kKindPreview;
  ASSERT_TRUE(theApp.OpenWindowOfKind(kKindPreview));
  MakeCurrent(kKindDrawB);
  frame()->ActivateViewOfKind(kKindPreview, 0);
  ASSERT_EQ(frame()->GetActiveViewKind(), kKindPreview);
  std::vector<int> printed;
  CTmbView* view = View(kKindDrawB);
  for (int id : {kCmdFramePrint, kCmdFramePrintPreview}) view->OnCommand(id, [&printed, id] { printed.push_back(id); });
  gDrawState.m_nPrintTarget = -1;
  gPrintSourceKind = -1;
  ASSERT_TRUE(frame()->RunCommand(kCmdFilePrint));
  EXPECT_EQ(gPrintSourceKind, kKindPreview);
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindDrawB);
  // A named target leaves the source alone.
  gDrawState.m_nPrintTarget = kKindDrawA;
  frame()->ActivateViewOfKind(kKindPreview, 0);
  ASSERT_TRUE(frame()->RunCommand(kCmdFilePrintPreview));
  EXPECT_EQ(gPrintSourceKind, kKindPreview);
  EXPECT_EQ(printed, (std::vector<int>{kCmdFramePrint, kCmdFramePrintPreview}));
}

TEST_F(FrameCommandValues, CommandsOfTheDrawingViewReachItFromAnotherActiveWindow) {
  MakeCurrent(kKindDrawB);
  frame()->ActivateViewOfKind(kKindImageEditor, 0);
  ASSERT_EQ(frame()->GetActiveViewKind(), kKindImageEditor);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdEditLayout));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdEditMoveAll));
  EXPECT_EQ(dialogs.shown, (std::vector<int>{276, 251}));  // the layout and move dialogs, cancelled
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindImageEditor);
}

TEST_F(FrameCommandValues, AfterWindowAClosedOneReopenOpensOneWindowAAtItsOwnSize) {
  const Rect entry = gDrawState.m_layout[kLayoutFrameA];
  ASSERT_GT(entry.Width(), gDrawState.m_layout[kLayoutDrawPane].Width());
  DestroyDrawingFrame(kKindDrawA);
  ASSERT_EQ(FrameOfKind(kKindDrawA), nullptr);
  ASSERT_EQ(gDrawState.m_windowOpen[kKindDrawA], 0);
  // The first time by its key.
  frame()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame()));
  frame()->UpdateAllActions();
  QTest::keyClick(frame(), Qt::Key_F2);
  ASSERT_TRUE(FrameOfKind(kKindDrawA));
  for (int press = 0; press < 2; ++press) {
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdReopenA));
    int frames = 0;
    for (ui::ChildFrame* f : frame()->ChildFrames()) {
      auto* v = qobject_cast<CFrame_View*>(f);
      frames += v && v->kind() == kKindDrawA;
    }
    EXPECT_EQ(frames, 1) << press;
  }
  CFrame_View* a = FrameOfKind(kKindDrawA);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->width(), entry.Width());
  EXPECT_EQ(a->pos(), QPoint(0, 0));
  EXPECT_EQ(gDrawState.m_windowOpen[kKindDrawA], -1);
  EXPECT_EQ(theApp.m_pKindDoc[kKindDrawA].data(), a->document());
  EXPECT_EQ(theApp.m_pSharedDoc.data(), a->document());
  EXPECT_EQ(gDrawState.ResolveKind(kKindCurrentDraw), kKindDrawA);
  EXPECT_EQ(GetViewOfKind(kKindDrawA), a->activeView());
  EXPECT_EQ(messages.beeps, 0);
}

TEST_F(FrameCommandValues, TheGuideFrameAndAutoRegistrationActOnTheCurrentWindow) {
  MakeCurrent(kKindDrawB);
  const int a33 = Record(kKindDrawA).m_param[33];
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 103, QStringLiteral("60"));
    return ScriptedDialogs::PressOk(d);
  });
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdGuideFrame));
  EXPECT_EQ(Record(kKindDrawB).m_param[33], 60);
  EXPECT_EQ(Record(kKindDrawA).m_param[33], a33);

  gDrawState.m_toolPanel.m_bShown = 0;
  EXPECT_FALSE(Checked(kCmdAutoRegistration));
  gDrawState.m_toolPanel.m_bShown = 1;
  EXPECT_TRUE(Checked(kCmdAutoRegistration));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdAutoRegistration));
  EXPECT_EQ(Record(kKindDrawB).m_param[334], 0) << "the store loader is asked for one repaint only";
  gDrawState.m_toolPanel.m_bShown = 0;
}

}  // namespace
}  // namespace tmb::test
