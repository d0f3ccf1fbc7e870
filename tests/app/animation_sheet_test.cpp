// The animation sheet in the started application: the sheet commands open it on their
// tab, a confirmed page goes into both windows' records, a cancelled one leaves them and
// shows their values again, the file page's movie is written by the next picture sheet
// together with its index page, and its region button runs the region dialog.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QSplitter>

#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "convert/presets/preset_list.h"
#include "core/canvas/work_canvas.h"
#include "convert/presets/preset_sheets.h"
#include "export/animation/anim_sheet_values.h"
#include "export/animation/animation_params.h"
#include "export/animation/animation_windows.h"
#include "export/animation/frame_output.h"
#include "export/sheet/ani_base_page.h"
#include "export/sheet/ani_p_sheet.h"
#include "export/sheet/ani_save_page.h"
#include "export/sheet/animate_save_ex_page.h"
#include "export/swf/swf_animation_export.h"
#include "imageedit/editor/area_setting.h"
#include "imageedit/view/bmp_view_window.h"
#include "imageedit/view/clipboard_pictures.h"
#include "platform/ui/radio_choice.h"
#include "support/checking_tool.h"
#include "support/movie_probe.h"
#include "support/recorded_character.h"
#include "support/recorded_services.h"
#include "support/file_bytes.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"
#include "support/swf_display_list.h"
#include "support/temp_dir.h"
#include "support/ui/memory_clipboard.h"
#include "support/ui/menu_path.h"
#include "support/ui/paint_counter.h"
#include "views/pre_view.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {
namespace {

class AnimationSheet : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    // The pages show the records the tests set up, not the file page's first fill.
    gAnimSavePageFilled = 1;
    ASSERT_TRUE(Start());
  }
  void TearDown() override {
    gSaveOutput.Abandon();
    AppTest::TearDown();
  }
  static CCharDataFull& Record(int kind) { return *GetCharDocumentOfKind(kind)->DrawnRecord(); }
  CAniPSheet& Sheet() { return *frame()->AnimationSheet(); }
  CAniPage& ShownPage() { return *static_cast<CAniPage*>(Sheet().Page(Sheet().ActiveIndex())); }
  bool SheetShown() { return frame()->m_pAniSheetFrame && frame()->m_pAniSheetFrame->isVisible(); }
  void Click(int id) {
    auto* button = qobject_cast<QAbstractButton*>(ShownPage().Control(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
  }
  void Type(int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(ShownPage().Control(id));
    ASSERT_NE(edit, nullptr) << id;
    edit->setText(text);
  }

  // A and B written with characters of their own, their outputs going to the test's
  // folder under the base name "play".
  void LoadBothWindows() {
    ShowAndPaint();
    AppendRecordedCharacter(Record(kKindDrawA));
    AppendRecordedTrees(Record(kKindDrawB));
    for (int kind : {kKindDrawA, kKindDrawB}) {
      Record(kind).m_text[kTextFolder] = dir.path().string();
      Record(kind).m_text[kTextAnimationName] = "play";
    }
  }
  // Sets parameter p of both windows' records to value, as a confirmed page would.
  static void SetBoth(int p, int value) {
    for (int kind : {kKindDrawA, kKindDrawB}) Record(kind).m_param[size_t(p)] = value;
  }
  bool ChooseMenu(std::initializer_list<const char*> path) { return ChooseMenuItem(frame()->menuBar(), path); }
  // "フラッシュSWFファイル" ticked on the file page and "表示" pressed: the movie of the
  // frames' outlines.
  std::filesystem::path ShowWithSwfMovie() {
    SetBoth(kAnimMorphSwitch, 1);
    SetBoth(kSwfTimingModeParam, 0);  // one frame per picture for these waits
    SetBoth(kAnimSwf, 0);
    EXPECT_TRUE(ChooseMenu({"动画", "ファイル"}));
    Click(562);
    Click(CAniPage::kConfirm);
    EXPECT_TRUE(ChooseMenu({"动画", "基本設定"}));
    Click(CAniBasePage::kShowButton);
    return dir / "play.swf";
  }
  // Dark pixels of a picture: ink, not paper or guide lines.
  static int Ink(const Surface& s, Rect area) {
    int ink = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        const Colour c = s.GetPixel(x, y);
        ink += (c & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80 ? 1 : 0;
      }
    }
    return ink;
  }

  TempDir dir;
  RecordedShell shell;
};

// Notes the ink the window showed at each of its paints.
class ShownFrames final : public QObject {
 public:
  explicit ShownFrames(CTmbView& view) : view_(view) { view.area()->viewport()->installEventFilter(this); }
  ~ShownFrames() override { view_.area()->viewport()->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::Paint) return false;
    const Surface& shown = view_.windowSurface();
    int ink = 0;
    for (int y = 0; y < shown.height(); y += 2) {
      for (int x = 0; x < shown.width(); x += 2) ink += (shown.GetPixel(x, y) & 0xFF) < 0x80 ? 1 : 0;
    }
    inks.push_back(ink);
    return false;
  }
  std::vector<int> inks;

 private:
  CTmbView& view_;
};

TEST_F(AnimationSheet, TheCommandsOpenTheirTabsAndTheSheetButtonsKeepTheTabShown) {
  struct Case {
    int command;
    int tab;
  } cases[] = {{33100, CAniPSheet::kTabSave},    {33098, CAniPSheet::kTabMotion}, {33099, CAniPSheet::kTabSpecial},
               {33103, CAniPSheet::kTabFont},    {33101, CAniPSheet::kTabSaveEx}, {396, CAniPSheet::kTabSaveEx},
               {33102, CAniPSheet::kTabSwf},     {32907, CAniPSheet::kTabSwf},    {32908, CAniPSheet::kTabSwf}};
  // Numbers a file brought outside the pages' ranges never hold a page in front.
  Record(kKindDrawA).m_param[kAnimFrames] = 256;
  Record(kKindDrawA).m_param[kAnimWaitFirst] = -5;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    EXPECT_TRUE(frame()->ExecuteCommand(c.command));
    EXPECT_TRUE(SheetShown());
    EXPECT_EQ(Sheet().ActiveIndex(), c.tab);
    EXPECT_EQ(Sheet().m_bShown, 1);
  }
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(frame()->m_pAniSheetFrame->windowTitle(), QStringLiteral("Animation"));
  frame()->m_pAniSheetFrame->close();  // only hides it
  EXPECT_FALSE(SheetShown());
  EXPECT_EQ(Sheet().m_bShown, 0);
  ASSERT_TRUE(frame()->m_pAniSheetFrame);
}

// The sheet comes up with the keyboard, from each item of the animation menu, the preview
// window's "設定" and the preview's right-button "設定": Escape, typed without a click into
// the sheet, closes it.
TEST_F(AnimationSheet, ASheetOpenedByItsMenuLabelsTakesTheKeyboardSoEscapeClosesIt) {
  ShowAndPaint();
  ASSERT_EQ(theApp.OpenWindowOfKind(kKindPreview), 1);
  QCoreApplication::processEvents();
  ASSERT_TRUE(CPre_View::Instance());
  // The preview runs its right-button menu itself: "設定" is chosen once it is shown.
  auto rightButtonSettings = [] {
    QTimer::singleShot(0, [] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* a : menu->actions()) {
        if (MenuLabel(a) == QStringLiteral("設定")) {
          menu->close();
          a->trigger();
          return;
        }
      }
      menu->close();
    });
    QWidget* viewport = CPre_View::Instance()->area()->viewport();
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(60, 60));
    QTest::mouseRelease(viewport, Qt::RightButton, {}, QPoint(60, 60));
    return true;
  };
  struct Case {
    const char* how;
    std::function<bool()> open;
  };
  std::vector<Case> cases;
  for (const char* item : {"基本設定", "特殊動作", "ファイル", "ファイル拡張", "SWFオプション", "形状補正"}) {
    cases.push_back({item, [this, item] { return ChooseMenu({"动画", item}); }});
  }
  cases.push_back({"preview window", [this] { return ChooseMenu({"窗口", "ﾌﾟﾚﾋﾞｭｰｳｨﾝﾄﾞｳ", "設定"}); }});
  cases.push_back({"preview's right button", rightButtonSettings});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame()));
    ASSERT_TRUE(c.open());
    QWidget* sheet = frame()->m_pAniSheetFrame;
    ASSERT_TRUE(sheet && sheet->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([sheet] { return QGuiApplication::focusWindow() == sheet->windowHandle(); }));
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([sheet] { return !sheet->isVisible(); }));
  }
  EXPECT_TRUE(messages.ids.empty());
}

// The engine's request reaches the main frame: the sheet is made on first use and shown
// at the page asked for; -1 keeps the tab in front.
TEST_F(AnimationSheet, TheEnginesRequestShowsTheSheetAtItsPage) {
  ASSERT_EQ(frame()->AnimationSheet(), nullptr);
  OpenAnimationSheet(-1);
  ASSERT_NE(frame()->AnimationSheet(), nullptr);
  EXPECT_TRUE(SheetShown());
  EXPECT_EQ(Sheet().ActiveIndex(), 0) << "a sheet first shown at its tab in front opens at the first";
  OpenAnimationSheet(CAniPSheet::kTabSwf);
  EXPECT_EQ(Sheet().ActiveIndex(), CAniPSheet::kTabSwf);
  frame()->HideAnimationSheet();
  OpenAnimationSheet(-1);
  EXPECT_TRUE(SheetShown());
  EXPECT_EQ(Sheet().ActiveIndex(), CAniPSheet::kTabSwf);
  OpenAnimationSheet(CAniPSheet::kTabSpecial);
  EXPECT_EQ(Sheet().ActiveIndex(), CAniPSheet::kTabSpecial);
}

TEST_F(AnimationSheet, CancelLeavesTheRecordsAndShowsTheirValuesAgain) {
  Record(kKindDrawA).m_param[kAnimFrames] = 6;
  Record(kKindDrawB).m_param[kAnimFrames] = 6;
  ASSERT_TRUE(frame()->ExecuteCommand(33098));
  Type(CAniBasePage::kFramesEdit, QStringLiteral("40"));
  Click(CAniPage::kCancel);
  EXPECT_FALSE(SheetShown());
  EXPECT_EQ(Record(kKindDrawA).m_param[kAnimFrames], 6);
  EXPECT_EQ(Record(kKindDrawB).m_param[kAnimFrames], 6);
  EXPECT_EQ(Sheet().m_values.base.m_nFrames, 6);
  EXPECT_EQ(qobject_cast<QLineEdit*>(ShownPage().Control(CAniBasePage::kFramesEdit))->text(), QStringLiteral("6"));

  // The cancelled value is not written by a later confirm of another page.
  ASSERT_TRUE(frame()->ExecuteCommand(33099));
  Click(CAniPage::kConfirm);
  EXPECT_EQ(Record(kKindDrawA).m_param[kAnimFrames], 6);
  EXPECT_EQ(Record(kKindDrawB).m_param[kAnimFrames], 6);
}

TEST_F(AnimationSheet, TickingAviOnTheFilePageMakesTheNextPictureSheetAMovieAndAPage) {
  const bool probe = ToolInstalled("ffprobe"), lint = ToolInstalled("xmllint");
  ShowAndPaint();
  AppendRecordedCharacter(Record(kKindDrawA));
  Record(kKindDrawA).m_text[kTextFolder] = dir.path().string();
  Record(kKindDrawA).m_text[kTextAnimationName] = "sheet";
  Record(kKindDrawA).m_param[kAnimAvi] = 0;
  Record(kKindDrawB).m_param[kAnimAvi] = 0;

  ASSERT_TRUE(frame()->ExecuteCommand(33100));
  ASSERT_TRUE(SheetShown());
  EXPECT_EQ(ShownPage().caption(), "ファイル");
  Click(CAniSavePage::kAviCheck);
  Click(CAniPage::kOk);
  EXPECT_FALSE(SheetShown());
  for (int kind : {kKindDrawA, kKindDrawB}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(Record(kind).m_param[kAnimAvi], 1);
    EXPECT_EQ(Record(kind).m_text[kTextAnimationName], "sheet");
  }

  frame()->ActivateViewOfKind(kKindDrawA, 0);
  ASSERT_TRUE(frame()->ExecuteCommand(33136));
  EXPECT_TRUE(messages.ids.empty());
  const std::filesystem::path movie = dir / "sheet.avi", page = dir / "sheet.html";
  ASSERT_TRUE(std::filesystem::exists(movie));
  ASSERT_TRUE(std::filesystem::exists(page));
  if (probe) {
    const MovieProbe m = ProbeMovie(movie);
    EXPECT_TRUE(m.clean) << m.output;
    EXPECT_EQ(m.frames, 5) << m.output;
  }
  std::ifstream in(page);
  std::stringstream text;
  text << in.rdbuf();
  const CPresetSheetList presets = PresetSheetOf(kStyleSheetConversionTypes);
  ASSERT_EQ(presets.names.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NE(text.str().find("sheet_0" + std::to_string(i + 1) + ".png"), std::string::npos);
    EXPECT_NE(text.str().find(presets.names[size_t(i)]), std::string::npos) << presets.names[size_t(i)];
  }
  if (lint) {
    EXPECT_EQ(RunTool("xmllint --html --noout '" + page.string() + "' 2>&1").output, "");
  }
  if (!probe || !lint) GTEST_SKIP() << "ffprobe or xmllint is not installed";
}

TEST_F(AnimationSheet, ShowOnTheMotionPageRunsTheAnimationThroughItsOutputs) {
  ShowAndPaint();
  AppendRecordedCharacter(Record(kKindDrawA));
  AppendRecordedCharacter(Record(kKindDrawB));
  for (int kind : {kKindDrawA, kKindDrawB}) {
    Record(kind).m_text[kTextFolder] = dir.path().string();
    Record(kind).m_text[kTextAnimationName] = "play";
    Record(kind).m_param[kAnimFrameFiles] = 1;
    Record(kind).m_param[kAnimFrameFormat] = 1;  // PNG
  }
  ASSERT_TRUE(frame()->ExecuteCommand(33098));
  Type(CAniBasePage::kFramesEdit, QStringLiteral("3"));
  Click(CAniBasePage::kShowButton);
  EXPECT_FALSE(SheetShown());
  EXPECT_EQ(Record(kKindDrawB).m_param[kAnimFrames], 3);
  EXPECT_TRUE(messages.ids.empty());
  for (int i = 1; i <= 3; ++i) EXPECT_TRUE(std::filesystem::exists(dir / ("play_0" + std::to_string(i) + ".png"))) << i;
  EXPECT_FALSE(std::filesystem::exists(dir / "play_04.png"));

  // "OK" only applies.
  std::filesystem::remove(dir / "play_01.png");
  ASSERT_TRUE(frame()->ExecuteCommand(33098));
  Click(CAniPage::kOk);
  EXPECT_FALSE(SheetShown());
  EXPECT_FALSE(std::filesystem::exists(dir / "play_01.png"));
}

TEST_F(AnimationSheet, TheFilePagesRegionButtonRunsTheRegionDialogForTheSaveRegion) {
  gAnimRegionSet = 0;
  ASSERT_TRUE(frame()->ExecuteCommand(33100));
  dialogs.Then([](ui::DialogWindow&) { return ui::kIdCancel; });
  Click(CAniSavePage::kRegionButton);
  EXPECT_EQ(dialogs.shown, std::vector<int>{226});
  EXPECT_EQ(gAnimRegionSet, 0);
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Enter(d, CAreaSettingState::kLeft, "5");
    ScriptedDialogs::Enter(d, CAreaSettingState::kRight, "50");
    ScriptedDialogs::Enter(d, CAreaSettingState::kTop, "6");
    ScriptedDialogs::Enter(d, CAreaSettingState::kBottom, "60");
    return ScriptedDialogs::PressOk(d);
  });
  Click(CAniSavePage::kRegionButton);
  EXPECT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(gAnimRegionSet, 1);
  EXPECT_EQ(gAnimSaveRegion, (Rect{5, 6, 50, 60}));
  gAnimSaveRegion = {};
  gAnimRegionSet = 0;
}

// "実行" on the motion, file-extension and SWF pages puts the value changed there into
// both windows' records and hides the sheet; it makes no animation of its own.
TEST_F(AnimationSheet, RunOnEachPageAppliesItsValueToBothWindowsAndMakesNoAnimation) {
  LoadBothWindows();
  SetBoth(kAnimFrames, 3);
  SetBoth(kAnimFrameFiles, 1);
  SetBoth(kAnimFrameFormat, 1);  // PNG
  constexpr int kSplitOutput = 281, kOutlinesOnly = 254;
  SetBoth(kSplitOutput, 0);
  SetBoth(kOutlinesOnly, 0);
  struct Case {
    const char* page;
    std::function<void()> change;
    int param, value;
  } cases[] = {
      {"基本設定", [this] { Type(CAniBasePage::kFramesEdit, QStringLiteral("4")); }, kAnimFrames, 4},
      {"ファイル拡張", [this] { Click(617 + 2 * ui::kSecondButton); }, kSplitOutput, 2},  // "ステップ分割"
      {"SWFオプション", [this] { Click(567); }, kOutlinesOnly, 1},     // "輪郭線のみ"
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    ASSERT_TRUE(ChooseMenu({"动画", c.page}));
    c.change();
    Click(CAniPage::kConfirm);
    EXPECT_FALSE(SheetShown());
    for (int kind : {kKindDrawA, kKindDrawB}) EXPECT_EQ(Record(kind).m_param[size_t(c.param)], c.value) << kind;
    EXPECT_FALSE(std::filesystem::exists(dir / "play_01.png"));
  }
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(AnimationSheet, ShowMakesTheAnimationWithItsOutputsAndItsSwfMovie) {
  LoadBothWindows();
  SetBoth(kAnimFrames, 3);
  SetBoth(kAnimFrameFiles, 1);
  SetBoth(kAnimFrameFormat, 1);  // PNG
  SetBoth(kAnimSwf, 0);
  SetBoth(kAnimMorphSwitch, 1);
  // "表示" runs it with the outputs the settings switch on.
  ASSERT_TRUE(ChooseMenu({"动画", "基本設定"}));
  Click(CAniBasePage::kShowButton);
  for (int i = 1; i <= 3; ++i) EXPECT_TRUE(std::filesystem::exists(dir / ("play_0" + std::to_string(i) + ".png"))) << i;
  EXPECT_FALSE(std::filesystem::exists(dir / "play.swf"));

  // "フラッシュSWFファイル" ticked: the frames' outlines become a movie of three frames.
  const std::filesystem::path movie = ShowWithSwfMovie();
  EXPECT_TRUE(messages.ids.empty());
  ASSERT_TRUE(std::filesystem::exists(movie));
  SwfFileInfo info;
  std::string why;
  ASSERT_TRUE(ParseSwfFile(FileBytes(movie), info, why)) << why;
  const SwfDisplayFrames shown = PlaySwfTags(info.tags);
  EXPECT_TRUE(shown.faults.empty());
  ASSERT_EQ(shown.frames.size(), 3u);
  for (const SwfStage& stage : shown.frames) EXPECT_FALSE(stage.empty());
  EXPECT_NE(shown.frames.front(), shown.frames.back()) << "each frame shows its own outline";
}

// swfdump is the SWF users' own checker; Debian does not carry it, so this runs only where
// it was installed by hand.
TEST_F(AnimationSheet, SwfdumpReadsTheMovieOfAnAnimation) {
  if (!ToolInstalled("swfdump")) GTEST_SKIP() << "swfdump is not installed";
  LoadBothWindows();
  SetBoth(kAnimFrames, 3);
  const std::filesystem::path movie = ShowWithSwfMovie();
  ASSERT_TRUE(std::filesystem::exists(movie));
  EXPECT_EQ(RunTool("swfdump '" + movie.string() + "' >/dev/null").exitCode, 0);
}

// After "表示" the window shows its own character again, not the animation's last frame.
TEST_F(AnimationSheet, AfterShowTheWindowShowsItsOwnCharacterAgain) {
  LoadBothWindows();
  SetBoth(kAnimFrames, 3);
  SetBoth(kAnimMorphSwitch, 1);
  CTmbView* view = CTmbView::ViewOfKind(kKindDrawA);
  ASSERT_TRUE(view && view->DrawingBitmap());
  view->RepaintNow();
  QCoreApplication::processEvents();
  const Surface own = CopyOfSurface(*view->DrawingBitmap());
  const Surface shown = CopyOfSurface(view->windowSurface());
  ASSERT_GT(Ink(own, own.Bounds()), 100);

  ASSERT_TRUE(ChooseMenu({"动画", "基本設定"}));
  Click(CAniBasePage::kShowButton);
  QCoreApplication::processEvents();
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_TRUE(SamePixels(*view->DrawingBitmap(), own)) << "the window's picture";
  EXPECT_TRUE(SamePixels(view->windowSurface(), shown)) << "what the window shows";
}

TEST_F(AnimationSheet, ShowOnTheMotionPagePaintsEveryFrameOfTheMorphInTheWindowAndItsPane) {
  LoadBothWindows();
  SetBoth(kAnimFrames, 6);
  SetBoth(kAnimMorphSwitch, 1);
  CTmbView* view = CTmbView::ViewOfKind(kKindDrawA);
  ASSERT_NE(view, nullptr);
  auto* splitter = qobject_cast<QSplitter*>(view->parentWidget());
  ASSERT_TRUE(splitter && splitter->count() > 2);
  ShownFrames shown(*view);
  PaintCounter pane;
  pane.Watch(splitter->widget(2));

  ASSERT_TRUE(ChooseMenu({"动画", "基本設定"}));
  ASSERT_TRUE(SheetShown());
  Click(CAniBasePage::kShowButton);
  EXPECT_TRUE(messages.ids.empty());
  // Every frame reached the screen while the run went on, and the frames differ: the
  // morph was seen, not only its end.
  ASSERT_GE(shown.inks.size(), 6u);
  std::set<int> distinct(shown.inks.begin(), shown.inks.end());
  EXPECT_GE(distinct.size(), 4u);
  EXPECT_GE(pane.paints, 6);
}

TEST_F(AnimationSheet, EachFrameGoesToTheClipboardAndItsNoticeStopsTheRunWhenAskedTo) {
  LoadBothWindows();
  MemoryClipboard clipboard;
  SetBoth(kAnimFrames, 5);
  SetBoth(kAnimFrameFiles, 1);
  SetBoth(kAnimFrameFormat, 1);  // PNG
  ASSERT_TRUE(ChooseMenu({"动画", "ファイル"}));
  Click(431);  // "１枚ごとにクリップボードに送付"
  Click(CAniPage::kOk);
  EXPECT_EQ(Record(kKindDrawB).m_param[kAnimClipboard], 1);

  for (int i = 0; i < 5; ++i) dialogs.Then([](ui::DialogWindow&) { return ui::kIdOk; });
  ASSERT_TRUE(ChooseMenu({"动画", "基本設定"}));
  Click(CAniBasePage::kShowButton);
  EXPECT_EQ(dialogs.shown, std::vector<int>(5, 253));
  ASSERT_EQ(clipboard.images.size(), 5u);
  for (const QImage& image : clipboard.images) {
    EXPECT_EQ(image.size(), QSize(gWorkCanvas.m_width, gWorkCanvas.m_height));
  }
  EXPECT_TRUE(std::filesystem::exists(dir / "play_05.png"));

  // "全て中止" at the second notice: two pictures sent, one frame written, no more.
  for (int i = 1; i <= 5; ++i) std::filesystem::remove(dir / ("play_0" + std::to_string(i) + ".png"));
  clipboard.images.clear();
  dialogs.shown.clear();
  dialogs.Then([](ui::DialogWindow&) { return ui::kIdOk; });
  dialogs.Then([](ui::DialogWindow&) { return ui::kIdCancel; });
  ASSERT_TRUE(ChooseMenu({"动画", "基本設定"}));
  Click(CAniBasePage::kShowButton);
  EXPECT_EQ(dialogs.shown, std::vector<int>(2, 253));
  EXPECT_EQ(clipboard.images.size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(dir / "play_01.png"));
  EXPECT_FALSE(std::filesystem::exists(dir / "play_02.png"));
}

TEST_F(AnimationSheet, TheCellPreviewLaysTheWrittenCellsIntoThePreviewInVerticalOrder) {
  ShowAndPaint();
  ASSERT_EQ(theApp.OpenWindowOfKind(kKindPreview), 1);
  QCoreApplication::processEvents();
  CPre_View* preview = CPre_View::Instance();
  ASSERT_TRUE(preview && !preview->m_bmpPreview.IsNull());
  // Cells of 250 x 250 from the right edge: two columns of three. Both characters are
  // written in the left column's top cell only.
  const int w = gWorkCanvas.m_width;
  ASSERT_EQ(w, 500);
  for (int kind : {kKindDrawA, kKindDrawB}) {
    CCharDataFull& r = Record(kind);
    r.m_param[32] = r.m_param[33] = 250;
    r.m_param[34] = r.m_param[35] = 0;
    r.ClearPoints();
    // A cross and a slant inside the cell.
    const Point strokes[][2] = {{{40, 60}, {210, 70}}, {{120, 30}, {125, 220}}, {{60, 200}, {200, 120}}};
    for (const auto& stroke : strokes) {
      for (int k = 0; k <= 20; ++k) {
        const int i = r.m_nPoints++;
        r.m_pPoints[i] = {stroke[0].x + (stroke[1].x - stroke[0].x) * k / 20,
                          stroke[0].y + (stroke[1].y - stroke[0].y) * k / 20};
        r.m_pFlags[i] = k == 0 ? 1 : 0;
        r.m_pPressure[i] = -1;
      }
    }
    r.m_text[kTextFolder] = dir.path().string();
    r.m_text[kTextAnimationName] = "cells";
  }
  SetBoth(kAnimFrames, 2);
  const Rect leftTop{0, 0, 250, 250}, rightTop{250, 0, 500, 250};

  ASSERT_TRUE(ChooseMenu({"动画", "基本設定"}));
  Click(CAniBasePage::kShowButton);
  EXPECT_GT(Ink(preview->m_bmpPreview, leftTop), 100) << "the whole frame, where it was written";
  EXPECT_EQ(Ink(preview->m_bmpPreview, rightTop), 0);

  // The image editor open with a picture of its own: its document holds no character, so
  // the cells are those of the frame drawn, taken from the frame's picture.
  frame()->ActivateViewOfKind(kKindImageEditor, 0);
  CBmpViewWindow* editor = CBmpViewWindow::Instance();
  ASSERT_TRUE(editor && editor->editor().EnsureSetup(nullptr));
  editor->editor().m_bmpWork.Fill(0x000000);
  frame()->ActivateViewOfKind(kKindDrawA, 0);
  SetBoth(kAnimCellPreview, 1);
  ASSERT_TRUE(ChooseMenu({"动画", "基本設定"}));
  Click(CAniBasePage::kShowButton);
  SavePictureForViewing(preview->m_bmpPreview, "animation_cell_preview");
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_GT(Ink(preview->m_bmpPreview, rightTop), 100) << "the written cell is the first of the vertical order";
  EXPECT_LT(Ink(preview->m_bmpPreview, rightTop), 250 * 250 / 2) << "the frame's cell, not the editor's picture";
  EXPECT_EQ(Ink(preview->m_bmpPreview, leftTop), 0);
}

TEST_F(AnimationSheet, EveryPageFitsAScreenOf1024By768AndEachMenuItemOpensItsOwnPage) {
  ShowAndPaint();
  struct Case {
    const char* item;
    const char* caption;
  } cases[] = {{"基本設定", "動作"},         {"特殊動作", "特殊動作"},         {"ファイル", "ファイル"},
               {"ファイル拡張", "ファイル拡張"}, {"SWFオプション", "swfファイル"}, {"形状補正", "フォント形状補正"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    ASSERT_TRUE(ChooseMenu({"动画", c.item}));
    QCoreApplication::processEvents();
    EXPECT_EQ(ShownPage().caption(), c.caption);
    QWidget* sheetFrame = frame()->m_pAniSheetFrame;
    const QSize size = sheetFrame->frameGeometry().size().expandedTo(sheetFrame->sizeHint());
    EXPECT_LE(size.height(), 768 - 40) << "room for the title bar";
    EXPECT_LE(size.width(), 1024);
  }
  ASSERT_TRUE(ChooseMenu({"动画", "ファイル"}));
  QCoreApplication::processEvents();
  Surface shown;
  ASSERT_TRUE(SurfaceFromImage(frame()->m_pAniSheetFrame->grab().toImage(), shown));
  SavePictureForViewing(shown, "animation_sheet_file_page");
}

// The sheet opens at the size its largest page needs, with every tab readable, and keeps
// that size through all its pages.
TEST_F(AnimationSheet, TheSheetOpensAtItsFinalSizeWithEveryTabShown) {
  ShowAndPaint();
  ASSERT_TRUE(ChooseMenu({"动画", "基本設定"}));
  QCoreApplication::processEvents();
  QWidget* sheetFrame = frame()->m_pAniSheetFrame;
  const QSize opened = sheetFrame->size();
  auto* tabs = sheetFrame->findChild<QTabWidget*>();
  ASSERT_TRUE(tabs);
  EXPECT_GE(tabs->width(), tabs->tabBar()->sizeHint().width()) << "the tabs are cut";
  for (const char* item : {"特殊動作", "ファイル", "ファイル拡張", "SWFオプション", "形状補正", "基本設定"}) {
    ASSERT_TRUE(ChooseMenu({"动画", item}));
    QCoreApplication::processEvents();
    EXPECT_EQ(sheetFrame->size(), opened) << item;
  }
}

// The file page's name and folder edits show a name and a folder, not a few letters.
TEST_F(AnimationSheet, TheFilePagesNameAndFolderAreWideEnoughToRead) {
  ShowAndPaint();
  ASSERT_TRUE(ChooseMenu({"动画", "ファイル"}));
  QCoreApplication::processEvents();
  for (int id : {CAniSavePage::kBaseEdit, CAniSavePage::kFolderEdit}) {
    auto* edit = qobject_cast<QLineEdit*>(ShownPage().Control(id));
    ASSERT_TRUE(edit) << id;
    EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(QStringLiteral("/home/user/data/ani"))) << id;
  }
}

// Every slider of the sheet's pages stands in the row of the edit it mirrors, just right
// of it.
TEST_F(AnimationSheet, EverySliderSitsBesideItsEdit) {
  ShowAndPaint();
  constexpr int kRoom = 48;  // the edit's arrows and the gaps
  for (const char* item : {"基本設定", "特殊動作", "形状補正"}) {
    SCOPED_TRACE(item);
    ASSERT_TRUE(ChooseMenu({"动画", item}));
    QCoreApplication::processEvents();
    const QList<QSlider*> sliders = ShownPage().findChildren<QSlider*>();
    EXPECT_FALSE(sliders.isEmpty());
    for (QSlider* slider : sliders) {
      const QRect s(slider->mapTo(&ShownPage(), QPoint(0, 0)), slider->size());
      bool beside = false;
      for (QLineEdit* edit : ShownPage().findChildren<QLineEdit*>()) {
        if (!edit->isVisible() || qobject_cast<QSpinBox*>(edit->parentWidget())) continue;
        const QRect e(edit->mapTo(&ShownPage(), QPoint(0, 0)), edit->size());
        beside |= std::abs(e.center().y() - s.center().y()) <= 8 && s.left() >= e.right() && s.left() - e.right() <= kRoom;
      }
      EXPECT_TRUE(beside) << slider->objectName().toStdString() << " at " << s.x() << "," << s.y();
    }
  }
}

// A frame count typed past its range is told by whichever button confirms the page, and
// the sheet stays with the count for the user to mend.
TEST_F(AnimationSheet, AFrameCountOutOfRangeIsToldByEveryButtonThatConfirms) {
  LoadBothWindows();
  for (int button : {int(CAniBasePage::kShowButton), int(CAniPage::kConfirm), int(CAniPage::kOk)}) {
    SCOPED_TRACE(button);
    messages.ids.clear();
    ASSERT_TRUE(ChooseMenu({"动画", "基本設定"}));
    QCoreApplication::processEvents();
    auto* frames = qobject_cast<QLineEdit*>(ShownPage().Control(CAniBasePage::kFramesEdit));
    ASSERT_TRUE(frames);
    QTest::mouseClick(frames, Qt::LeftButton);
    frames->selectAll();
    QTest::keyClicks(frames, "300");
    auto* press = qobject_cast<QAbstractButton*>(ShownPage().Control(button));
    ASSERT_TRUE(press);
    QTest::mouseClick(press, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.ids, std::vector<int>{61501});
    EXPECT_TRUE(SheetShown());
    EXPECT_EQ(frames->text(), QStringLiteral("300"));
    EXPECT_NE(Record(kKindDrawA).m_param[kAnimFrames], 300);
    frame()->HideAnimationSheet();
  }
}

// "読込・実行" on the file extension page asks for the list file; a chosen one is kept
// with the page's chain settings and the page is confirmed into both windows' records; a
// cancelled choice takes nothing and leaves the sheet open.
TEST_F(AnimationSheet, ReadAndRunNamesTheListFileAndConfirmsTheFileExtensionPage) {
  constexpr int kSplitOutputParam = 281;
  gAnimChain = {};
  gAnimListFile.clear();
  ASSERT_TRUE(ChooseMenu({"动画", "ファイル拡張"}));
  ASSERT_TRUE(SheetShown());
  Click(609);                                // inherit the save area
  Click(607 + ui::kSecondButton);            // "一組ごと"
  Click(617 + 2 * ui::kSecondButton);        // "ステップ分割"
  Click(CAnimateSaveExPage::kRunListButton);  // cancelled
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].filter, "(*.txt;*.doc;)|*.txt;*.doc;|(*.*)|*.*||");
  EXPECT_TRUE(SheetShown());
  EXPECT_EQ(gAnimListFile, "");
  EXPECT_EQ(gAnimChain.m_bInheritArea, 0);
  for (int kind : {kKindDrawA, kKindDrawB}) EXPECT_NE(Record(kind).m_param[kSplitOutputParam], 2);

  const std::string list = (dir / "一覧.txt").string();
  chooser.Next(list);
  Click(CAnimateSaveExPage::kRunListButton);
  EXPECT_EQ(gAnimListFile, list);
  EXPECT_EQ(gAnimChain.m_bInheritArea, 1);
  EXPECT_EQ(gAnimChain.m_bInheritName, 0);
  EXPECT_EQ(gAnimChain.m_nChain, 1);
  EXPECT_FALSE(SheetShown());
  for (int kind : {kKindDrawA, kKindDrawB}) EXPECT_EQ(Record(kind).m_param[kSplitOutputParam], 2) << kind;
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
