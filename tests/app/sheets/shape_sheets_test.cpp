// The shape sheets of windows A and B in the running application: opened by the sheet
// commands, loaded from their own window's record, handing over on "変換表示" only what
// the user changed, reloading on Cancel, and the callers below the shell that apply,
// reload and hide them.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QSlider>
#include <QSplitter>
#include <QTabBar>
#include <QTest>
#include <functional>

#include "app/app_fixture.h"
#include "app/dialogs/colour_page.h"
#include "app/kind_lookup.h"
#include "app/sheets/aux_setting_page.h"
#include "app/sheets/image_effect_page.h"
#include "app/sheets/line_page.h"
#include "app/sheets/outlines_dlg.h"
#include "app/sheets/shape_sheet.h"
#include "app/sheets/sheet_copies.h"
#include "app/sheets/special_shape_page.h"
#include "app/sheets/write_base_pages.h"
#include "app/settings/set_view.h"
#include "app/tmb_document.h"
#include "core/record/char_slots.h"
#include "core/state/draw_state.h"
#include "export/animation/animation_windows.h"
#include "platform/ui/dialog.h"
#include "resources/command_ids.h"
#include "support/ui/menu_path.h"
#include "support/ui/toolbar_button.h"
#include "views/live_stroke.h"
#include "views/shape_sheet_windows.h"
#include "views/style_command_windows.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

constexpr int kCmdShapePage = 145;   // page 0 of the current window's sheet
constexpr int kCmdColourPage = 142;  // page 1
constexpr int kCmdAuxPage = 144;     // page 2, which the sheet does not hold
constexpr int kCmdEffectPage = 397;  // page 4, neither
constexpr int kSmoothEdit = 518;
constexpr int kSmoothSlider = 428;

class ShapeSheets : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
  }
  static CCharDataFull& Record(int kind) { return *GetCharDocumentOfKind(kind)->DrawnRecord(); }
  CShapePropSheetFrame* Frame(int kind) const {
    return qobject_cast<CShapePropSheetFrame*>(kind == kKindDrawB ? frame()->m_pSheetFrameB : frame()->m_pSheetFrameA);
  }
  CModelessShapePropSheet& Sheet(int kind) const { return *Frame(kind)->m_pSheet; }
  // Opens the sheet of window kind with command id.
  void Open(int kind, int id = kCmdShapePage) {
    gDrawState.m_nCurDrawKind = kind;
    ASSERT_TRUE(frame()->ExecuteCommand(id)) << id;
    ASSERT_TRUE(Frame(kind));
  }
  static QLineEdit* Edit(ui::PropertyPage* page, int id) { return qobject_cast<QLineEdit*>(page->Control(id)); }
  static void Click(ui::PropertyPage* page, int id) { qobject_cast<QAbstractButton*>(page->Control(id))->click(); }
  // The user's "変換表示" on page.
  static void Convert(ui::PropertyPage* page) { Click(page, ui::kIdOk); }
  // The user's click on tab index of kind's sheet.
  void ClickTab(int kind, int index) const {
    QTabBar* tabs = Frame(kind)->findChild<QTabBar*>();
    ASSERT_TRUE(tabs);
    ASSERT_LT(index, tabs->count());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
  }
};

TEST_F(ShapeSheets, TheShapeCommandOpensWindowAsSheetAndConvertStoresTheChangedSmoothnessOnly) {
  Record(kKindDrawA).m_param[201] = 12;
  Record(kKindDrawB).m_param[201] = 7;
  const ParamBlock before = Record(kKindDrawA).m_param;
  const ParamBlock otherBefore = Record(kKindDrawB).m_param;
  Open(kKindDrawA);
  CShapePropSheetFrame* sheet = Frame(kKindDrawA);
  EXPECT_TRUE(sheet->isVisible());
  EXPECT_EQ(sheet->windowTitle(), QStringLiteral("书写窗口A设置"));
  EXPECT_EQ(Sheet(kKindDrawA).ActiveIndex(), 0);
  EXPECT_EQ(Sheet(kKindDrawA).m_nWindow, 1);
  EXPECT_EQ(frame()->m_nActiveSheet, 1);
  EXPECT_EQ(frame()->m_pSheetFrameB, nullptr);
  CWriteBasicPage* page = Sheet(kKindDrawA).basicPage();
  EXPECT_EQ(Edit(page, kSmoothEdit)->text(), QStringLiteral("12"));
  Record(kKindDrawA).m_nOutlineDirty = 0;
  qobject_cast<QSlider*>(page->Control(kSmoothSlider))->setValue(30);
  Convert(page);
  CCharDataFull& a = Record(kKindDrawA);
  EXPECT_EQ(a.m_param[201], 30);
  EXPECT_EQ(a.m_nOutlineDirty, 1);
  for (size_t i = 0; i < before.size(); ++i) {
    if (i != 201) {
      EXPECT_EQ(a.m_param[i], before[i]) << i;
    }
  }
  EXPECT_EQ(Record(kKindDrawB).m_param, otherBefore);
}

// A's sheet with the line, special-shape and auxiliary pages beside its own, each once in
// front.
class DamagedRecord : public ShapeSheets {
 protected:
  void SetUp() override {
    ShapeSheets::SetUp();
    CCharDataFull& rec = Record(kKindDrawA);
    rec.m_param[201] = 80;
    rec.m_param[14] = 9;
    rec.m_param[215] = 999;
    rec.m_param[0] = 5000;
    Open(kKindDrawA);
    CModelessShapePropSheet& sheet = Sheet(kKindDrawA);
    sheet.AddWritingPage(line, CopyParamSetFToPage, CopyParamSetFFromPage);
    sheet.AddWritingPage(shape, CopyParamSetGToPage, CopyParamSetGFromPage);
    sheet.AddWritingPage(aux, CopyBasicToPage, CopyBasicFromPage);
    ASSERT_EQ(frame()->LoadShapeSheetPage(-1, 1, CMainFrame::kSheetOfA), 1);
    for (int i = sheet.pageCount() - 1; i >= 0; --i) ASSERT_TRUE(sheet.SetActivePage(i));
    before = rec.m_param;
  }
  void ExpectUnchangedBut(int changed) {
    const CCharDataFull& rec = Record(kKindDrawA);
    for (int p : {201, 14, 215, 0}) {
      if (p != changed) {
        EXPECT_EQ(rec.m_param[size_t(p)], before[size_t(p)]) << p;
      }
    }
  }

  CLinePage* line = new CLinePage;
  CSpecialShapePage* shape = new CSpecialShapePage;
  CAuxSettingPage* aux = new CAuxSettingPage;
  ParamBlock before{};
};

TEST_F(DamagedRecord, IsShownClampedPassesAndConvertLeavesEveryDamagedValue) {
  EXPECT_EQ(Edit(Sheet(kKindDrawA).basicPage(), kSmoothEdit)->text(), QStringLiteral("50"));
  for (int i = 0; i < CLinePage::kChangeModes; ++i) {
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(line->Control(CLinePage::kChangeRadio + i))->isChecked());
  }
  EXPECT_EQ(Edit(shape, 503)->text(), QStringLiteral("360"));
  EXPECT_EQ(Edit(aux, 254)->text(), QStringLiteral("1000"));
  Convert(Sheet(kKindDrawA).basicPage());
  EXPECT_TRUE(messages.ids.empty());
  ExpectUnchangedBut(-1);
  // The auxiliary page was in front, so it was stored: as it does, it leaves 37 at 400.
  EXPECT_EQ(Record(kKindDrawA).m_param[37], kStoredDetailMode);
}

TEST_F(DamagedRecord, MovingOneSliderWritesThatValueOnly) {
  qobject_cast<QSlider*>(shape->Control(189))->setValue(-10);
  Convert(shape);
  EXPECT_EQ(Record(kKindDrawA).m_param[215], -50);
  ExpectUnchangedBut(215);
}

TEST_F(ShapeSheets, ValuesChangedBehindTheSheetSurviveConvertAndABadValueChangesNothing) {
  Open(kKindDrawA);
  CCharDataFull& rec = Record(kKindDrawA);
  for (int p = 0; p <= 5; ++p) rec.m_param[size_t(p)] = 11 + p;
  rec.m_param[37] = 123;
  rec.m_param[100] = 1;
  CWriteBasicPage* page = Sheet(kKindDrawA).basicPage();
  Convert(page);
  for (int p = 0; p <= 5; ++p) EXPECT_EQ(rec.m_param[size_t(p)], 11 + p) << p;
  EXPECT_EQ(rec.m_param[37], 400) << "the one value every apply stores: the present detail mode";
  EXPECT_EQ(rec.m_param[100], 1);

  // A colour chosen on the colour page, then a bad smoothness in front: nothing is stored.
  ASSERT_TRUE(Sheet(kKindDrawA).SetActivePage(1));
  Click(Sheet(kKindDrawA).colourPage(), 679);
  ASSERT_TRUE(Sheet(kKindDrawA).SetActivePage(0));
  const ParamBlock before = rec.m_param;
  rec.m_nOutlineDirty = 0;
  Edit(page, kSmoothEdit)->setText(QStringLiteral("51"));
  Convert(page);
  EXPECT_EQ(messages.ids.size(), 1u);
  EXPECT_EQ(rec.m_param, before);
  EXPECT_EQ(rec.m_nOutlineDirty, 0);
  // Put right, both pages go in: the colour switch is stored as 3.
  Edit(page, kSmoothEdit)->setText(QStringLiteral("5"));
  Convert(page);
  EXPECT_EQ(rec.m_param[201], 5);
  EXPECT_EQ(rec.m_param[CColorPage::kColourModeParam], CColorPage::kSingleColourMode);
}

// A left press on the frame's title area or a right press in the sheet tells the drawing
// views to set their pointer speed anew; other presses do not.
TEST_F(ShapeSheets, ATitlePressOrARightPressInTheSheetMarksThePointerSpeedStale) {
  Open(kKindDrawA);
  CShapePropSheetFrame* sheetFrame = Frame(kKindDrawA);
  auto titlePress = [sheetFrame](Qt::MouseButton button) {
    QMouseEvent press(QEvent::NonClientAreaMouseButtonPress, QPointF(20, -8), QPointF(20, -8), button, button, {});
    QCoreApplication::sendEvent(sheetFrame, &press);
  };
  struct Case {
    const char* press;
    std::function<void()> run;
    int mode;
  } cases[] = {
      {"left on the title", [&] { titlePress(Qt::LeftButton); }, 1},
      {"right on the title", [&] { titlePress(Qt::RightButton); }, 0},
      {"right in the sheet", [&] { QTest::mousePress(&Sheet(kKindDrawA), Qt::RightButton, {}, QPoint(2, 2)); }, 1},
      {"left in the frame", [&] { QTest::mousePress(sheetFrame, Qt::LeftButton, {}, QPoint(1, 1)); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.press);
    gDrawState.m_nMouseSpeedMode = 0;
    c.run();
    EXPECT_EQ(gDrawState.m_nMouseSpeedMode, c.mode);
  }
}

TEST_F(ShapeSheets, APageTheSheetDoesNotHoldLeavesThePageInFront) {
  Open(kKindDrawA, kCmdColourPage);
  EXPECT_EQ(Sheet(kKindDrawA).ActiveIndex(), 1);
  for (int id : {kCmdAuxPage, kCmdEffectPage}) {
    ASSERT_TRUE(frame()->ExecuteCommand(id));
    EXPECT_EQ(Sheet(kKindDrawA).ActiveIndex(), 1) << id;
  }
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdShapePage));
  EXPECT_EQ(Sheet(kKindDrawA).ActiveIndex(), 0);
}

TEST_F(ShapeSheets, BsSheetOpensBesideAsWhoseUnappliedEditStays) {
  Record(kKindDrawA).m_param[201] = 12;
  Record(kKindDrawB).m_param[201] = 7;
  Open(kKindDrawA);
  Edit(Sheet(kKindDrawA).basicPage(), kSmoothEdit)->setText(QStringLiteral("33"));
  Open(kKindDrawB);
  EXPECT_TRUE(Frame(kKindDrawA)->isVisible());
  EXPECT_TRUE(Frame(kKindDrawB)->isVisible());
  EXPECT_EQ(Frame(kKindDrawB)->windowTitle(), QStringLiteral("书写窗口B设置"));
  EXPECT_EQ(frame()->m_nActiveSheet, 2);
  EXPECT_EQ(frame()->GetActiveSheetFrame(), Frame(kKindDrawB));
  EXPECT_EQ(Edit(Sheet(kKindDrawA).basicPage(), kSmoothEdit)->text(), QStringLiteral("33"));
  EXPECT_EQ(Edit(Sheet(kKindDrawB).basicPage(), kSmoothEdit)->text(), QStringLiteral("7"));
  // A's frame coming to the front makes A's sheet the active one again.
  Frame(kKindDrawA)->activateWindow();
  QCoreApplication::processEvents();
  EXPECT_EQ(frame()->m_nActiveSheet, 1);
  Convert(Sheet(kKindDrawA).basicPage());
  EXPECT_EQ(Record(kKindDrawA).m_param[201], 33);
  EXPECT_EQ(Record(kKindDrawB).m_param[201], 7);
}

TEST_F(ShapeSheets, ClosingHidesTheSheetAndShowingItAgainReloadsIt) {
  Record(kKindDrawA).m_param[201] = 12;
  Open(kKindDrawA);
  EXPECT_TRUE(frame()->IsShapeSheetShown());
  EXPECT_TRUE(IsShapeSheetShown());
  Edit(Sheet(kKindDrawA).basicPage(), kSmoothEdit)->setText(QStringLiteral("33"));
  QPointer<CShapePropSheetFrame> closed = Frame(kKindDrawA);
  closed->close();
  FlushDeletes();
  ASSERT_FALSE(closed.isNull());
  EXPECT_FALSE(closed->isVisible());
  EXPECT_EQ(Sheet(kKindDrawA).m_bShown, 0);
  EXPECT_FALSE(IsShapeSheetShown());
  EXPECT_EQ(Record(kKindDrawA).m_param[201], 12);
  Record(kKindDrawA).m_param[201] = 44;
  Open(kKindDrawA);
  EXPECT_EQ(Frame(kKindDrawA), closed.data());
  EXPECT_EQ(Sheet(kKindDrawA).m_bShown, 1);
  EXPECT_EQ(Edit(Sheet(kKindDrawA).basicPage(), kSmoothEdit)->text(), QStringLiteral("44"));
}

// A control the user sees on page, where a click would put the focus: its first edit
// shown, else its first button shown.
QWidget* ShownControl(ui::PropertyPage* page) {
  for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
    if (edit->isVisible() && edit->isEnabled()) return edit;
  }
  for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
    if (button->isVisible() && button->isEnabled()) return button;
  }
  return nullptr;
}

// Closes sheet as the user does: Escape in control (of the page shown), or the frame's
// close button, which closes the frame as the desktop's click on it does.
void CloseSheet(CShapePropSheetFrame* sheet, QWidget* control, bool escape) {
  if (escape) {
    // The key goes to the control that has the focus, as the user's key does.
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Escape);
  } else {
    sheet->close();
  }
  QCoreApplication::processEvents();
}

TEST_F(ShapeSheets, EscapeAndTheFramesCloseButtonHideTheSheetOpenedFromTheMenu) {
  ShowAndPaint();
  Record(kKindDrawA).m_param[201] = 12;
  QMenuBar* bar = frame()->menuBar();
  const ParamBlock before = Record(kKindDrawA).m_param;
  // The outline items keep the page last shown. Each sheet is closed with Escape in the
  // page shown or with the frame's close button.
  enum Close { kEscape, kCloseButton };
  const struct {
    const char* item;
    int page;
    Close close;
  } items[] = {{"形状", 0, kEscape},        {"色彩", 1, kEscape},        {"フォーム", 0, kCloseButton},
               {"アウトライン", 0, kEscape}, {"カラー", 1, kCloseButton}, {"アウトライン", 1, kEscape},
               {"色彩", 1, kCloseButton},   {"形状", 0, kCloseButton}};
  for (const auto& [item, page, close] : items) {
    SCOPED_TRACE(item);
    ASSERT_TRUE(ChooseMenuItem(bar, {"形状", item}));
    QCoreApplication::processEvents();
    CShapePropSheetFrame* sheet = Frame(kKindDrawA);
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(sheet->isVisible());
    ASSERT_EQ(Sheet(kKindDrawA).ActiveIndex(), page);
    EXPECT_TRUE(sheet->windowFlags() & Qt::WindowCloseButtonHint);
    // A value typed into the page shown (where it has an edit), then the sheet closed.
    QWidget* control = ShownControl(Sheet(kKindDrawA).Page(page));
    ASSERT_TRUE(control);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(QStringLiteral("33"));
    CloseSheet(sheet, control, close == kEscape);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(Sheet(kKindDrawA).m_bShown, 0);
    EXPECT_FALSE(frame()->IsShapeSheetShown());
    EXPECT_EQ(Record(kKindDrawA).m_param, before) << "closing hands nothing over";
  }
}

TEST_F(ShapeSheets, TheWindowMenusAndTheToolbarsSheetButtonsOpenASheetThatCloses) {
  ShowAndPaint();
  QMenuBar* bar = frame()->menuBar();
  frame()->UpdateAllActions();
  const struct {
    const char* window;  // the Window menu's popup, or null for the toolbar button
    const char* item;
    int button;
    int kind;
    const char* title;
  } ways[] = {
      {"设置窗口A", "显示", 0, kKindDrawA, "书写窗口A设置"},
      {"设置窗口A", "移动到中央", 0, kKindDrawA, "书写窗口A设置"},
      {"设置窗口B", "显示", 0, kKindDrawB, "书写窗口B设置"},
      {"设置窗口B", "移动到中央", 0, kKindDrawB, "书写窗口B设置"},
      {nullptr, nullptr, 32920, kKindDrawA, "书写窗口A设置"},
      {nullptr, nullptr, 32922, kKindDrawB, "书写窗口B设置"},
  };
  int round = 0;
  for (const auto& w : ways) {
    SCOPED_TRACE(w.window ? std::string(w.window) + " " + w.item : std::to_string(w.button));
    if (w.window) {
      ASSERT_TRUE(ChooseMenuItem(bar, {"窗口", w.window, w.item}));
    } else {
      QToolButton* button = ButtonOfCommand(frame()->toolBar(), w.button);
      ASSERT_TRUE(button && button->isEnabled());
      QTest::mouseClick(button, Qt::LeftButton);
    }
    QCoreApplication::processEvents();
    CShapePropSheetFrame* sheet = Frame(w.kind);
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowTitle(), QString::fromUtf8(w.title));
    // Every other way closes with Escape in the page shown, the others with the close button.
    QWidget* control = ShownControl(Sheet(w.kind).Page(Sheet(w.kind).ActiveIndex()));
    ASSERT_TRUE(control);
    CloseSheet(sheet, control, round++ % 2 == 0);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_FALSE(frame()->IsShapeSheetShown());
  }
  EXPECT_EQ(messages.beeps, 0);
}

TEST_F(ShapeSheets, SpecialShapeCancelReloadsEveryPageItselfTooAndMayHideTheSheet) {
  CCharDataFull& rec = Record(kKindDrawA);
  rec.m_param[201] = 12;
  rec.m_param[215] = 45;
  Open(kKindDrawA);
  auto* shape = new CSpecialShapePage;
  Sheet(kKindDrawA).AddWritingPage(shape, CopyParamSetGToPage, CopyParamSetGFromPage);
  frame()->LoadShapeSheetPage(-1, 1, CMainFrame::kSheetOfA);
  CWriteBasicPage* basic = Sheet(kKindDrawA).basicPage();
  Edit(basic, kSmoothEdit)->setText(QStringLiteral("33"));
  ASSERT_TRUE(Sheet(kKindDrawA).SetActivePage(Sheet(kKindDrawA).pageCount() - 1));
  EXPECT_EQ(Edit(shape, 503)->text(), QStringLiteral("45"));
  Edit(shape, 503)->setText(QStringLiteral("100"));
  Click(shape, ui::kIdCancel);
  EXPECT_EQ(Edit(shape, 503)->text(), QStringLiteral("45"));
  EXPECT_EQ(Edit(basic, kSmoothEdit)->text(), QStringLiteral("12"));
  EXPECT_EQ(shape->m_values.m_nFrontDirection, 45);
  EXPECT_TRUE(Frame(kKindDrawA)->isVisible());
  // With "変換表示時にこのシートを消去" set, Cancel hides the sheet too.
  gDrawState.m_nSheetClearMode = 1;
  Click(basic, ui::kIdCancel);
  EXPECT_FALSE(Frame(kKindDrawA)->isVisible());
  EXPECT_EQ(rec.m_param[201], 12);
  EXPECT_EQ(rec.m_param[215], 45);
}

TEST_F(ShapeSheets, TheStyleCommandsAndTheAnimationReloadTheCurrentWindowsSheet) {
  EXPECT_EQ(AnimWindows().LoadShapeSheet(), 0);  // no sheet shown
  Open(kKindDrawA);
  CWriteBasicPage* page = Sheet(kKindDrawA).basicPage();
  Record(kKindDrawA).m_param[201] = 21;
  StyleWindows().ReloadShapeSheet();
  EXPECT_EQ(Edit(page, kSmoothEdit)->text(), QStringLiteral("21"));
  Record(kKindDrawA).m_param[201] = 22;
  EXPECT_EQ(AnimWindows().LoadShapeSheet(), 1);
  EXPECT_EQ(Edit(page, kSmoothEdit)->text(), QStringLiteral("22"));
  // The current window's sheet: B has none shown.
  gDrawState.m_nCurDrawKind = kKindDrawB;
  EXPECT_EQ(AnimWindows().LoadShapeSheet(), 0);
}

// The drawing views' calls up into the sheets, each made the way the user makes it.
class ViewSheetLinks : public ShapeSheets {
 protected:
  void SetUp() override {
    ShapeSheets::SetUp();
    Record(kKindDrawA).m_param[201] = 12;
    Record(kKindDrawB).m_param[201] = 7;
  }
  static CTmbView& View(int kind) { return *CTmbView::ViewOfKind(kind); }
  static CTmbDoc& Doc(int kind) { return GetCharDocumentOfKind(kind)->engine(); }
  QString Smoothness(int kind) const { return Edit(Sheet(kind).basicPage(), kSmoothEdit)->text(); }
  void TypeSmoothness(int kind, const char* text) const {
    Edit(Sheet(kind).basicPage(), kSmoothEdit)->setText(QString::fromLatin1(text));
  }
  // The standard-settings dialog answers OK with "变换设置栏" and "设置栏以外的基本变换值"
  // (smoothness among them); the second alone counts as no copy.
  void AnswerWithOtherValues() {
    dialogs.Then([](ui::DialogWindow& d) {
      ScriptedDialogs::Check(d, 176, true);
      ScriptedDialogs::Check(d, 188, true);
      return ScriptedDialogs::PressOk(d);
    });
  }
};

TEST_F(ViewSheetLinks, ConvertOnTheSettingsPaneTakesTheSheetInFrontIntoItsRecordFirst) {
  Open(kKindDrawA);
  TypeSmoothness(kKindDrawA, "33");
  View(kKindDrawA).RunSettingAction(0);
  EXPECT_EQ(Record(kKindDrawA).m_param[201], 33);
  EXPECT_EQ(Doc(kKindDrawA).m_work.m_param[201], 33) << "converted with the sheet's value";
  EXPECT_EQ(Record(kKindDrawB).m_param[201], 7);

  // B's sheet came to the front since: A's waiting edit is left to A's own sheet.
  TypeSmoothness(kKindDrawA, "40");
  Open(kKindDrawB);
  TypeSmoothness(kKindDrawB, "8");
  View(kKindDrawA).RunSettingAction(0);
  EXPECT_EQ(Record(kKindDrawA).m_param[201], 33);
  EXPECT_EQ(Record(kKindDrawB).m_param[201], 7);
  View(kKindDrawB).RunSettingAction(0);
  EXPECT_EQ(Record(kKindDrawB).m_param[201], 8);

  // A bad value stores nothing, says so, and the character is converted all the same.
  TypeSmoothness(kKindDrawB, "51");
  View(kKindDrawB).RunSettingAction(0);
  EXPECT_EQ(messages.ids.size(), 1u);
  EXPECT_EQ(Record(kKindDrawB).m_param[201], 8);
}

TEST_F(ViewSheetLinks, UndoAndTheTemporaryLoadShowTheRestoredValuesOnTheWindowsOwnSheet) {
  const struct {
    int save;
    int restore;
  } cases[] = {{0, kCmdEditUndo}, {kCmdEditTempSave, kCmdEditTempLoad}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.restore);
    gDrawState.m_nCurDrawKind = kKindDrawA;
    Record(kKindDrawA).m_param[201] = 12;
    if (c.save) {
      ASSERT_TRUE(frame()->ExecuteCommand(c.save));
    } else {
      Doc(kKindDrawA).SaveUndoCopy();
    }
    Open(kKindDrawA);
    Open(kKindDrawB);
    TypeSmoothness(kKindDrawB, "9");
    TypeSmoothness(kKindDrawA, "30");
    Convert(Sheet(kKindDrawA).basicPage());
    ASSERT_EQ(Record(kKindDrawA).m_param[201], 30);
    gDrawState.m_nCurDrawKind = kKindDrawA;
    ASSERT_TRUE(frame()->ExecuteCommand(c.restore));
    EXPECT_EQ(Record(kKindDrawA).m_param[201], 12);
    EXPECT_EQ(Smoothness(kKindDrawA), QStringLiteral("12"));
    EXPECT_EQ(Smoothness(kKindDrawB), QStringLiteral("9")) << "the other window's edit stays";
    // The next convert does not bring the undone value back.
    Convert(Sheet(kKindDrawA).basicPage());
    EXPECT_EQ(Record(kKindDrawA).m_param[201], 12);
  }
}

TEST_F(ViewSheetLinks, StandardSettingsAndTheCopyBetweenWindowsReloadTheSheetOfTheChangedRecord) {
  Open(kKindDrawB);
  Open(kKindDrawA);
  gCharSlots[0].m_param[201] = 27;
  AnswerWithOtherValues();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdStandardSettings));
  ASSERT_EQ(Record(kKindDrawA).m_param[201], 27);
  EXPECT_EQ(Smoothness(kKindDrawA), QStringLiteral("27"));
  EXPECT_EQ(Smoothness(kKindDrawB), QStringLiteral("7"));

  AnswerWithOtherValues();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdCopyAToB));
  ASSERT_EQ(Record(kKindDrawB).m_param[201], 27);
  EXPECT_EQ(gDrawState.m_nCurDrawKind, kKindDrawB);
  EXPECT_EQ(Smoothness(kKindDrawB), QStringLiteral("27"));
}

TEST_F(ViewSheetLinks, TheSettingsPanesFontButtonOpensTheStyleMenu) {
  View(kKindDrawA).RunSettingAction(1);
  ASSERT_EQ(popups.names.size(), 1u);
  EXPECT_EQ(popups.names.front(), "stylePopup");
}

TEST_F(ViewSheetLinks, APaintWhileTheImageEditorFollowsHidesBothSheets) {
  ShowAndPaint();
  Open(kKindDrawA);
  Open(kKindDrawB);
  View(kKindDrawA).RedrawInSteps(1);
  EXPECT_TRUE(Frame(kKindDrawA)->isVisible());
  EXPECT_TRUE(Frame(kKindDrawB)->isVisible());
  gDrawState.m_bEditorSync = 1;
  View(kKindDrawA).RedrawInSteps(1);
  for (int kind : {kKindDrawA, kKindDrawB}) {
    SCOPED_TRACE(kind);
    EXPECT_FALSE(Frame(kind)->isVisible());
    EXPECT_EQ(Sheet(kind).m_bShown, 0);
  }
  EXPECT_FALSE(IsShapeSheetShown());
}

TEST_F(ViewSheetLinks, OnceTheMainWindowIsGoneTheViewsReachNoSheets) {
  Open(kKindDrawA);
  theApp.Reset();
  FlushDeletes();
  EXPECT_FALSE(SheetWindows().ApplySheetOf(kKindDrawA));
  EXPECT_FALSE(SheetWindows().ReloadSheetOf(kKindDrawA));
  SheetWindows().HideSheets();
}

// The image-effect and auxiliary pages are held without a tab and take part in every apply:
// the effect definition is set again from the record and the detail mode is stored as 400.
TEST_F(ShapeSheets, AnApplyStoresTheHeldEffectAndAuxiliaryPagesToo) {
  CCharDataFull& a = Record(kKindDrawA);
  a.m_param[37] = 250;
  a.m_param[100] = 1;
  a.m_text[0] = "ef_sample1.txt";
  a.m_effect.m_strFile = "stale";
  Open(kKindDrawA);
  CModelessShapePropSheet& sheet = Sheet(kKindDrawA);
  for (int i = 0; i < sheet.pageCount(); ++i) {
    EXPECT_NE(sheet.Page(i), sheet.effectPage()) << "no tab for them";
    EXPECT_NE(sheet.Page(i), sheet.auxPage()) << "no tab for them";
  }
  EXPECT_EQ(sheet.effectPage()->m_values.m_bApply, 1) << "loaded with the others";
  EXPECT_EQ(sheet.auxPage()->m_values.m_nDetailMode, 1);
  Convert(sheet.basicPage());
  EXPECT_EQ(a.m_param[37], 400);
  EXPECT_EQ(gDrawState.m_nDetailMode, 400);
  EXPECT_EQ(a.m_effect.m_strFile, "ef_sample1.txt");
  EXPECT_EQ(a.m_param[100], 1);
  // A reload of page 4 alone reaches the held page.
  a.m_param[100] = 0;
  ASSERT_EQ(frame()->LoadShapeSheetPage(4, 1, CMainFrame::kSheetOfA), 1);
  EXPECT_EQ(sheet.effectPage()->m_values.m_bApply, 0);
}

TEST_F(ShapeSheets, TheAuxiliaryPageCheckAppliesOnlyWhenThePageDiffersFromTheRecord) {
  CCharDataFull& b = Record(kKindDrawB);
  b.m_param[37] = 250;
  Open(kKindDrawB);
  gDrawState.m_nCurDrawKind = kKindDrawA;
  frame()->ApplyAuxPage();
  EXPECT_EQ(gDrawState.m_nCurDrawKind, kKindDrawB) << "the sheet's window becomes the current one";
  EXPECT_EQ(b.m_param[37], 250) << "nothing applied: the page holds the record's values";
  b.m_param[0] = 77;  // changed behind the page
  frame()->ApplyAuxPage();
  EXPECT_EQ(b.m_param[37], 400) << "applied";
  EXPECT_EQ(b.m_param[0], 77) << "a value the user did not change stays";
}

TEST_F(ShapeSheets, TurningToAWritingPageMakesItsSheetsWindowCurrentWithTheAuxiliaryBarValues) {
  ShowAndPaint();
  CCharDataFull& b = Record(kKindDrawB);
  b.m_param[37] = 250;
  Open(kKindDrawB);
  Open(kKindDrawA);
  ASSERT_EQ(gDrawState.m_nCurDrawKind, kKindDrawA);
  ASSERT_EQ(frame()->m_nActiveSheet, 1);
  auto* panelB = qobject_cast<CSetView*>(FrameOfKind(kKindDrawB)->splitter()->widget(2));
  ASSERT_TRUE(panelB);
  // Behind both sheets: a bar value and the detail style.
  b.m_param[0] = 77;
  b.m_param[37] = 320;
  ASSERT_NE(panelB->RowValueText(0).substr(0, 3), " 77");
  ClickTab(kKindDrawB, 1);  // the colour page, no writing page
  EXPECT_EQ(gDrawState.m_nCurDrawKind, kKindDrawA);
  ClickTab(kKindDrawB, 0);
  EXPECT_EQ(Sheet(kKindDrawB).ActiveIndex(), 0);
  EXPECT_EQ(frame()->m_nActiveSheet, 2);
  EXPECT_EQ(gDrawState.m_nCurDrawKind, kKindDrawB);
  EXPECT_EQ(b.m_param[37], 400) << "the auxiliary page differed from the record: the pages were applied";
  EXPECT_EQ(b.m_param[0], 77) << "a value nobody edited stays";
  EXPECT_EQ(panelB->RowValueText(0).substr(0, 3), " 77") << "window B's settings panel was drawn again";
}

TEST_F(ShapeSheets, TheTextOutlineTabsFontPageButtonEditsItsOwnWindowsFirstTextBlock) {
  ShowAndPaint();
  CCharDataFull& a = Record(kKindDrawA);
  CCharDataFull& b = Record(kKindDrawB);
  a.m_textSettings[0].Init();
  a.m_textSettings[0].Reparse("aaa");
  b.m_textSettings[0].Init();
  b.m_textSettings[0].Reparse("bbb");
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"窗口", "设置窗口B", "显示"}));
  ASSERT_TRUE(Frame(kKindDrawB) && Frame(kKindDrawB)->isVisible());
  gDrawState.m_nCurDrawKind = kKindDrawA;  // the sheet edits its own window, not the current one
  QTabBar* tabs = Frame(kKindDrawB)->findChild<QTabBar*>();
  ASSERT_TRUE(tabs);
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(2), QStringLiteral("アウトライン文字"));
  ClickTab(kKindDrawB, 2);
  COutlinesDlg* page = Sheet(kKindDrawB).outlinesPage();
  ASSERT_EQ(Sheet(kKindDrawB).Page(Sheet(kKindDrawB).ActiveIndex()), page);
  dialogs.Then([](ui::DialogWindow& d) {
    auto* text = d.findChild<QLineEdit*>(QStringLiteral("ctl532"));
    EXPECT_EQ(text->text(), QStringLiteral("bbb")) << "window B's block is shown";
    text->setText(QStringLiteral("new"));
    return ScriptedDialogs::PressOk(d);
  });
  b.m_nOutlineDirty = 0;
  Click(page, COutlinesDlg::kFontPageButton);
  EXPECT_EQ(dialogs.shown, std::vector<int>{275});
  EXPECT_EQ(b.m_textSettings[0].m_strText, "new");
  EXPECT_EQ(b.m_nOutlineDirty, 1);
  EXPECT_EQ(a.m_textSettings[0].m_strText, "aaa");
}

TEST_F(ShapeSheets, BothSheetsAreAppliedAtOnceAndEachSheetsBasicPageIsFound) {
  EXPECT_EQ(frame()->GetShapePage(false), nullptr);
  Open(kKindDrawA);
  Open(kKindDrawB);
  EXPECT_EQ(frame()->GetShapePage(false), Sheet(kKindDrawA).basicPage());
  EXPECT_EQ(frame()->GetShapePage(true), Sheet(kKindDrawB).basicPage());
  Edit(Sheet(kKindDrawA).basicPage(), kSmoothEdit)->setText(QStringLiteral("21"));
  Edit(Sheet(kKindDrawB).basicPage(), kSmoothEdit)->setText(QStringLiteral("22"));
  frame()->ApplyBothSheets();
  EXPECT_EQ(Record(kKindDrawA).m_param[201], 21);
  EXPECT_EQ(Record(kKindDrawB).m_param[201], 22);
}

}  // namespace
}  // namespace tmb::test
