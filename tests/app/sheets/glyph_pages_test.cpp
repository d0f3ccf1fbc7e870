// The glyph family's pages in the started application, each in window A's sheet: a
// record of distinct values shows in the controls and goes back unchanged on OK, damaged
// values show clamped and survive, a changed field of a shape page is stored, while the
// animation pages apply the animation sheet's tabs instead of their own values; the
// colour page's swatch and "set" buttons choose the slot the sliders show; the font-point
// page refuses a long text and sets entries and the axis order; Cancel reloads the page.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSlider>

#include <functional>
#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/sheets/glyph_colour_pages.h"
#include "app/sheets/glyph_font_page.h"
#include "app/sheets/glyph_shape_pages.h"
#include "app/sheets/shape_sheet.h"
#include "app/sheets/sheet_copies.h"
#include "export/sheet/ani_p_sheet.h"
#include "export/sheet/glyph_animate_pages.h"
#include "platform/ui/dialog.h"
#include "platform/ui/list_rows.h"
#include "platform/ui/radio_choice.h"
#include "support/scripted_font_chooser.h"
#include "support/ui/control_ids.h"
#include "support/ui/menu_path.h"

namespace tmb::test {
namespace {

constexpr int kCmdShapePage = 145;

// Distinct values, each within what its page accepts. p0 = 500 and p2 = 1200 lie past
// their sliders' ends; p240 = 1 is trace anti-aliasing.
struct ParamValue {
  int param;
  int32_t value;
};
constexpr ParamValue kDistinct[] = {
    {0, 500},   {2, 1200},  {6, 150},   {26, 4},    {44, 30},   {230, 75},  {234, 1},
    {201, 33},  {220, 1},   {225, 0},   {226, 44},  {240, 1},   {241, 55},  {244, 12},
    {152, 0x0A0B0C}, {153, 0x141516}, {154, 0x1E1F20}, {155, 0x28292A}, {156, 0x010203}, {157, 0xF0E0D0},
    {172, 10},  {173, 20},  {174, 30},  {175, 40},
    {50, 12},   {64, 1},    {65, 7},    {142, 3},   {61, 1},    {78, 25},   {71, 60},
    {276, 80},  {141, 120}, {271, 1},   {140, 0},   {261, 45},  {267, 210},
};

class GlyphPages : public AppTest {
 public:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    SetRecord();
  }
  // The distinct values, and a text-settings block of distinct values laid out.
  static void SetRecord() {
    for (const ParamValue& v : kDistinct) Record().m_param[size_t(v.param)] = v.value;
    // The animation pages apply the sheet's tabs, and the file tab keeps its "open when
    // done" in three places: the record holds them alike, as the tab writes them.
    for (int p : {126, 136, 252}) Record().m_param[size_t(p)] = 1;
    CTextSettings& b = Record().m_textSettings[0];
    b.Init();
    b.m_nCharsPerLine = 3;
    b.m_nCellSize = 140;
    b.m_nPosX = 5;
    b.m_nPosY = 6;
    b.m_template.m_nPosX = 7;
    b.m_template.m_nPosY = 8;
    b.m_template.m_nScale = 120;
    b.Reparse("abcd");
  }
  static CCharDataFull& Record() { return *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord(); }
  CModelessShapePropSheet& ShapeSheet() {
    return *qobject_cast<CShapePropSheetFrame*>(frame()->m_pSheetFrameA.data())->m_pSheet;
  }
  // Window A's sheet with page added, loaded from the record and in front.
  template <class Page, class V>
  ui::PropertyPage* InShapeSheet(Page* page, ShapeSheetCopies::ToPage<V> to, ShapeSheetCopies::FromPage<V> from) {
    gDrawState.m_nCurDrawKind = kKindDrawA;
    EXPECT_TRUE(frame()->ExecuteCommand(kCmdShapePage));
    CModelessShapePropSheet& sheet = ShapeSheet();
    sheet.AddWritingPage(page, to, from);
    frame()->LoadShapeSheetPage(-1, 1, CMainFrame::kSheetOfA);
    EXPECT_TRUE(sheet.SetActivePage(sheet.pageCount() - 1));
    return page;
  }
  // The animation sheet shown for window A, with its glyph page built.
  CAniPage* InAnimationSheet(CAniPage& (*which)(CAniPSheet&)) {
    gDrawState.m_nCurDrawKind = kKindDrawA;
    frame()->ShowAnimationSheet(0);
    CAniPage& page = which(*frame()->AnimationSheet());
    page.OnSetActive();
    return &page;
  }
  static QLineEdit* Edit(ui::PropertyPage* page, int id) { return qobject_cast<QLineEdit*>(page->Control(id)); }
  static QAbstractButton* Button(ui::PropertyPage* page, int id) {
    return qobject_cast<QAbstractButton*>(page->Control(id));
  }
  static QSlider* Bar(ui::PropertyPage* page, int id) { return qobject_cast<QSlider*>(page->Control(id)); }
  static void Type(ui::PropertyPage* page, int id, int value) { Edit(page, id)->setText(QString::number(value)); }
};

// A control that shows a parameter.
struct Shows {
  int id;
  int param;
};

// One page: how it is opened, the edits and checks (ticked when not 0) that show a
// parameter or (the font-point page) a field of the text-settings block with its value,
// its OK button, and one change of the user with the parameter and value it stores (or,
// with parameter -1, none: the font-point page's change is checked in the block, and an
// animation page's change stays on the page, which applies the sheet's tabs).
struct PageCase {
  const char* name;
  std::function<ui::PropertyPage*(GlyphPages&)> open;
  std::vector<Shows> edits;
  std::vector<Shows> checks;
  int okButton;
  std::function<void(ui::PropertyPage*)> change;
  ParamValue stored;
  std::vector<ParamValue> blockEdits = {};
  std::function<bool(const CTextSettings&)> blockStored = {};
};

std::vector<PageCase> Pages() {
  return {
      {"colour",
       [](GlyphPages& t) {
         return t.InShapeSheet(new CGlyphTidePageColor, CopySixColoursToPage, CopySixColoursFromPage);
       },
       {{621, 172}, {618, 173}, {619, 174}, {620, 175}},
       {},
       ui::kIdOk,
       [](ui::PropertyPage* p) { GlyphPages::Type(p, 621, 77); },
       {172, 77}},
      {"colour lite",
       [](GlyphPages& t) {
         return t.InShapeSheet(new CGlyphTidePageLiteColor, CopyTwoColoursToPage, CopyTwoColoursFromPage);
       },
       {},
       {},
       ui::kIdOk,
       [](ui::PropertyPage* p) { GlyphPages::Bar(p, 552)->setValue(200); },  // red of the character's colour
       {156, 0x0102C8}},
      {"form",
       [](GlyphPages& t) {
         return t.InShapeSheet(new CGlyphTidePageForm, CopyParamSetJToPage, CopyParamSetJFromPage);
       },
       {{307, 0}, {309, 2}, {305, 6}, {299, 26}, {105, 44}, {303, 230}},
       {{583, 234}},  // "50%"
       ui::kIdOk,
       [](ui::PropertyPage* p) { GlyphPages::Type(p, 307, 900); },
       {0, 900}},
      {"outline",
       [](GlyphPages& t) {
         return t.InShapeSheet(new CGlyphTidePageOutline, CopyParamSetEToPage, CopyParamSetEFromPage);
       },
       {{518, 201}, {520, 226}, {523, 244}, {522, 241}},
       {{517, 220}, {521, 225}, {649, 240}},
       ui::kIdOk,
       [](ui::PropertyPage* p) { GlyphPages::Type(p, 523, 20); },
       {244, 20}},
      {"motion",
       [](GlyphPages& t) {
         return t.InAnimationSheet([](CAniPSheet& s) -> CAniPage& { return s.glyphBasePage(); });
       },
       {{436, 78}, {306, 50}, {402, 71}, {366, 65}},
       {{365 + ui::kSecondButton, 61}, {367 + ui::kSecondButton, 64}},
       CAniPage::kOk,
       [](ui::PropertyPage* p) { GlyphPages::Type(p, 306, 15); },
       {-1, 0}},
      {"motion lite",
       [](GlyphPages& t) {
         return t.InAnimationSheet([](CAniPSheet& s) -> CAniPage& { return s.glyphLiteBasePage(); });
       },
       {{436, 78}, {306, 50}, {402, 71}, {366, 65}},
       {{365 + ui::kSecondButton, 61}},
       ui::kIdOk,
       [](ui::PropertyPage* p) { GlyphPages::Type(p, 366, 9); },
       {-1, 0}},
      {"font point",
       [](GlyphPages& t) {
         return t.InShapeSheet(new CGlyphTidePageLiteFontPoint, CopyFontBlockToPage, CopyFontBlockFromPage);
       },
       {},
       {},
       ui::kIdOk,
       [](ui::PropertyPage* p) { GlyphPages::Type(p, 356, 150); },
       {-1, 0},
       {{527, 3}, {356, 140}, {358, 5}, {359, 6}, {529, 7}, {530, 8}, {535, 120}},
       [](const CTextSettings& b) { return b.m_nCellSize == 150; }},
      {"font correction",
       [](GlyphPages& t) {
         return t.InAnimationSheet([](CAniPSheet& s) -> CAniPage& { return s.glyphLiteFontPage(); });
       },
       {{595, 261}, {597, 267}},
       {},
       CAniPage::kOk,
       [](ui::PropertyPage* p) { GlyphPages::Type(p, 597, 250); },
       {-1, 0}},
  };
}

TEST_F(GlyphPages, EachPageShowsTheRecordAndOkStoresItBackUnchanged) {
  for (const PageCase& c : Pages()) {
    SCOPED_TRACE(c.name);
    ui::PropertyPage* page = c.open(*this);
    ASSERT_TRUE(page && page->built());
    for (const Shows& e : c.edits) {
      EXPECT_EQ(Edit(page, e.id)->text().toInt(), Record().m_param[size_t(e.param)]) << e.id;
    }
    for (const Shows& k : c.checks) {
      EXPECT_EQ(Button(page, k.id)->isChecked(), Record().m_param[size_t(k.param)] != 0) << k.id;
    }
    for (const ParamValue& e : c.blockEdits) EXPECT_EQ(Edit(page, e.param)->text().toInt(), e.value) << e.param;
    const ParamBlock before = Record().m_param;
    CTextSettings block;
    block.CopyFrom(Record().m_textSettings[0], 0);
    Button(page, c.okButton)->click();
    EXPECT_TRUE(messages.ids.empty());
    EXPECT_EQ(Record().m_param, before);
    EXPECT_EQ(Record().m_textSettings[0].Differs(block), 0);
    EXPECT_EQ(CTextSettings::EntryDiffers(Record().m_textSettings[0].m_template, block.m_template), 0);
    EXPECT_EQ(Record().m_param[240], 1) << "trace anti-aliasing stays trace";
  }
}

TEST_F(GlyphPages, AChangedFieldIsStoredAndNothingElse) {
  for (const PageCase& c : Pages()) {
    SCOPED_TRACE(c.name);
    SetRecord();
    ui::PropertyPage* page = c.open(*this);
    ASSERT_TRUE(page && page->built());
    ParamBlock expected = Record().m_param;
    if (c.stored.param >= 0) expected[size_t(c.stored.param)] = c.stored.value;
    c.change(page);
    Button(page, c.okButton)->click();
    EXPECT_TRUE(messages.ids.empty());
    EXPECT_EQ(Record().m_param, expected);
    if (c.blockStored) {
      EXPECT_TRUE(c.blockStored(Record().m_textSettings[0]));
    }
  }
}

TEST_F(GlyphPages, EachShapePageHasItsControlsUnderIdsOfTheirOwn) {
  ExpectEveryIdOnce(*InShapeSheet(new CGlyphTidePageColor, CopySixColoursToPage, CopySixColoursFromPage),
                    {644, 643, 633, 634, 635, 636, 629, 630, 641, 640, 639, 642, 258, 631, 632, 552, 553, 554, 621,
                     618, 619, 620, 172, 173, 174, 175, 638, 1, 2});
  ExpectEveryIdOnce(*InShapeSheet(new CGlyphTidePageLiteColor, CopyTwoColoursToPage, CopyTwoColoursFromPage),
                    {644, 643, 629, 630, 258, 631, 632, 552, 553, 554, 638, 1, 2});
  ExpectEveryIdOnce(*InShapeSheet(new CGlyphTidePageForm, CopyParamSetJToPage, CopyParamSetJFromPage),
                    {307, 306, 582, 583, 299, 298, 303, 302, 105, 300, 309, 308, 305, 304, 1, 2});
  ExpectEveryIdOnce(*InShapeSheet(new CGlyphTidePageOutline, CopyParamSetEToPage, CopyParamSetEFromPage),
                    {517, 518, 428, 521, 520, 430, 649, 523, 432, 522, 431, 1, 2});
}

TEST_F(GlyphPages, DamagedValuesShowClampedAndSurviveAnUntouchedOk) {
  CCharDataFull& rec = Record();
  rec.m_param[240] = 9;
  rec.m_param[0] = 5000;
  rec.m_param[172] = 300;
  ui::PropertyPage* outline = InShapeSheet(new CGlyphTidePageOutline, CopyParamSetEToPage, CopyParamSetEFromPage);
  ui::PropertyPage* form = InShapeSheet(new CGlyphTidePageForm, CopyParamSetJToPage, CopyParamSetJFromPage);
  ui::PropertyPage* colour = InShapeSheet(new CGlyphTidePageColor, CopySixColoursToPage, CopySixColoursFromPage);
  ASSERT_TRUE(outline->built() && form->built() && colour->built());
  EXPECT_TRUE(Button(outline, 649)->isChecked());
  EXPECT_EQ(Edit(form, 307)->text(), QStringLiteral("1000"));
  EXPECT_EQ(Bar(form, 306)->value(), 100);
  EXPECT_EQ(Edit(colour, 621)->text(), QStringLiteral("100"));
  const ParamBlock before = rec.m_param;
  Button(colour, ui::kIdOk)->click();
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(rec.m_param, before);

  // Another field changed beside them: the damaged values still stay.
  Type(form, 305, 200);
  Button(form, ui::kIdOk)->click();
  EXPECT_EQ(rec.m_param[6], 200);
  EXPECT_EQ(rec.m_param[240], 9);
  EXPECT_EQ(rec.m_param[0], 5000);
  EXPECT_EQ(rec.m_param[172], 300);
}

TEST_F(GlyphPages, TheFormPageTakesACrushPastItsSliderAndRefusesOnePastTheBar) {
  ui::PropertyPage* form = InShapeSheet(new CGlyphTidePageForm, CopyParamSetJToPage, CopyParamSetJFromPage);
  EXPECT_EQ(Edit(form, 307)->text(), QStringLiteral("500"));
  EXPECT_EQ(Bar(form, 306)->value(), 100);
  Type(form, 307, 1001);
  const ParamBlock before = Record().m_param;
  Button(form, ui::kIdOk)->click();
  EXPECT_EQ(messages.ids.size(), 1u);
  EXPECT_EQ(Record().m_param, before);
  Type(form, 307, 700);
  Button(form, ui::kIdOk)->click();
  EXPECT_EQ(Record().m_param[0], 700);
}

TEST_F(GlyphPages, TurningAntiAliasingOffAndOnAgainKeepsTraceAndOnAloneStoresStretch) {
  ui::PropertyPage* outline = InShapeSheet(new CGlyphTidePageOutline, CopyParamSetEToPage, CopyParamSetEFromPage);
  Button(outline, 649)->click();
  Button(outline, 649)->click();
  Button(outline, ui::kIdOk)->click();
  EXPECT_EQ(Record().m_param[240], 1);
  Button(outline, 649)->click();
  Button(outline, ui::kIdOk)->click();
  EXPECT_EQ(Record().m_param[240], 0);
  Button(outline, 649)->click();
  Button(outline, ui::kIdOk)->click();
  EXPECT_EQ(Record().m_param[240], 2);
}

TEST_F(GlyphPages, FocusingTheCharacterSwatchShowsItsColourOnTheSliders) {
  auto* page = static_cast<CGlyphTidePageColor*>(
      InShapeSheet(new CGlyphTidePageColor, CopySixColoursToPage, CopySixColoursFromPage));
  Button(page, 635)->click();  // "set" of the third gradient point: p154
  EXPECT_EQ(Bar(page, 552)->value(), 0x20);
  EXPECT_EQ(Bar(page, 554)->value(), 0x1E);
  QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
  QCoreApplication::sendEvent(page->Control(629), &in);
  EXPECT_EQ(Bar(page, 552)->value(), 0x03);
  EXPECT_EQ(Bar(page, 553)->value(), 0x02);
  EXPECT_EQ(Bar(page, 554)->value(), 0x01);
  EXPECT_EQ(Edit(page, 258)->text(), QStringLiteral("3"));
  EXPECT_EQ(page->m_nSlot, 0);
  EXPECT_TRUE(Button(page, 644)->isChecked());
  // The slider now edits the character's colour.
  Bar(page, 554)->setValue(0x40);
  Button(page, ui::kIdOk)->click();
  EXPECT_EQ(Record().m_param[156], 0x400203);
  EXPECT_EQ(Record().m_param[154], 0x1E1F20);
}

TEST_F(GlyphPages, TheFontPointPageListsTheEntriesAndRefusesATwentyFirstCharacter) {
  auto* page = static_cast<CGlyphTidePageLiteFontPoint*>(
      InShapeSheet(new CGlyphTidePageLiteFontPoint, CopyFontBlockToPage, CopyFontBlockFromPage));
  ExpectEveryIdOnce(*page, {532, 527, 356, 358, 359, 529, 530, 535, 522, 531, 533, 537, 1, 2});
  auto* list = qobject_cast<QListWidget*>(page->Control(CGlyphTidePageLiteFontPoint::kList));
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(0)->text().left(2), QStringLiteral(" a"));
  EXPECT_EQ(Edit(page, CGlyphTidePageLiteFontPoint::kText)->text(), QStringLiteral("abcd"));
  EXPECT_EQ(page->m_nState, 0);
  QLineEdit* text = Edit(page, CGlyphTidePageLiteFontPoint::kText);
  text->setText(QStringLiteral("一二三四五六七八九十一二三四五六七八九十一"));
  EXPECT_EQ(text->text().size(), CGlyphTidePageLiteFontPoint::kMaxTextChars);
  Button(page, ui::kIdOk)->click();
  EXPECT_EQ(Record().m_textSettings[0].m_nEntries, CGlyphTidePageLiteFontPoint::kMaxTextChars);
}

TEST_F(GlyphPages, TheFontPointPageKeepsADamagedBlockItShowsClamped) {
  CTextSettings& block = Record().m_textSettings[0];
  block.m_nCellSize = 9999;
  block.m_strText = std::string(30, 'x');
  ui::PropertyPage* page = InShapeSheet(new CGlyphTidePageLiteFontPoint, CopyFontBlockToPage, CopyFontBlockFromPage);
  EXPECT_EQ(Edit(page, 356)->text(), QStringLiteral("512"));
  EXPECT_EQ(Edit(page, CGlyphTidePageLiteFontPoint::kText)->text().size(), 20);
  Button(page, ui::kIdOk)->click();
  EXPECT_EQ(block.m_nCellSize, 9999);
  EXPECT_EQ(block.m_strText, std::string(30, 'x'));
  Type(page, 535, 150);
  Button(page, ui::kIdOk)->click();
  EXPECT_EQ(block.m_template.m_nScale, 150);
  EXPECT_EQ(block.m_nCellSize, 9999);
  EXPECT_EQ(block.m_strText, std::string(30, 'x'));
}

TEST_F(GlyphPages, SelectedLinesTakeTheDefaultEntryAndTheHighestSetsTheAxisOrder) {
  ScriptedFontChooser fonts;
  fonts.Next([](Font& f) { f.weight = 700; });
  auto* page = static_cast<CGlyphTidePageLiteFontPoint*>(
      InShapeSheet(new CGlyphTidePageLiteFontPoint, CopyFontBlockToPage, CopyFontBlockFromPage));
  Button(page, CGlyphTidePageLiteFontPoint::kFont)->click();
  Type(page, 529, -9);
  ui::SelectRows(page->Control(CGlyphTidePageLiteFontPoint::kList), {0, 2});
  Button(page, CGlyphTidePageLiteFontPoint::kUpdate)->click();
  auto* list = qobject_cast<QListWidget*>(page->Control(CGlyphTidePageLiteFontPoint::kList));
  EXPECT_NE(list->item(2)->text().toStdString().find(" B"), std::string::npos);
  ui::SelectRows(page->Control(CGlyphTidePageLiteFontPoint::kList), {1, 3});
  Button(page, CGlyphTidePageLiteFontPoint::kAxisOrder)->click();
  EXPECT_EQ(page->m_nState, 2);
  Button(page, ui::kIdOk)->click();
  const CTextSettings& block = Record().m_textSettings[0];
  EXPECT_EQ(block.m_entries[0].m_nPosX, -9);
  EXPECT_EQ(block.m_entries[2].m_font.weight, 700);
  EXPECT_EQ(block.m_entries[1].m_nPosX, 7);
  EXPECT_EQ(block.m_nCurEntry, 3);
  EXPECT_EQ(block.m_template.m_font.weight, 700);
}

TEST_F(GlyphPages, CancelShowsTheRecordAgain) {
  ui::PropertyPage* form = InShapeSheet(new CGlyphTidePageForm, CopyParamSetJToPage, CopyParamSetJFromPage);
  auto* colour = static_cast<CGlyphTidePageColor*>(
      InShapeSheet(new CGlyphTidePageColor, CopySixColoursToPage, CopySixColoursFromPage));
  ui::PropertyPage* font = InShapeSheet(new CGlyphTidePageLiteFontPoint, CopyFontBlockToPage, CopyFontBlockFromPage);
  Type(font, 356, 200);
  Button(font, ui::kIdCancel)->click();
  EXPECT_EQ(Edit(font, 356)->text(), QStringLiteral("140"));
  Type(form, 305, 222);
  Bar(colour, 552)->setValue(99);
  const ParamBlock before = Record().m_param;
  Button(form, ui::kIdCancel)->click();
  EXPECT_EQ(Edit(form, 305)->text(), QStringLiteral("150"));
  Button(colour, ui::kIdCancel)->click();
  EXPECT_EQ(Bar(colour, 552)->value(), 0x03);
  Button(colour, ui::kIdOk)->click();
  EXPECT_EQ(Record().m_param, before);
  EXPECT_EQ(Record().m_textSettings[0].m_nCellSize, 140);
}

// Each animation page's "実行" and "OK" apply the sheet's tabs, as the user left them, to
// both windows' records; the page's own change stays on the page.
TEST_F(GlyphPages, AnAnimationPageAppliesTheSheetsTabsToEveryWindowInsteadOfItsOwnValues) {
  struct Case {
    const char* name;
    CAniPage& (*which)(CAniPSheet&);
    int edit, value;
  } cases[] = {
      {"motion", [](CAniPSheet& s) -> CAniPage& { return s.glyphBasePage(); }, 306, 16},
      {"motion lite", [](CAniPSheet& s) -> CAniPage& { return s.glyphLiteBasePage(); }, 306, 16},
      {"font correction", [](CAniPSheet& s) -> CAniPage& { return s.glyphLiteFontPage(); }, 597, 250},
  };
  CCharDataFull& b = *GetCharDocumentOfKind(kKindDrawB)->DrawnRecord();
  for (const Case& c : cases) {
    for (int button : {CAniPage::kConfirm, CAniPage::kOk}) {
      SCOPED_TRACE(std::string(c.name) + " " + std::to_string(button));
      SetRecord();
      b.m_param[50] = 30;
      b.m_param[71] = 10;
      b.m_param[267] = 5;
      gDrawState.m_nCurDrawKind = kKindDrawA;
      // A strength typed on the special-motion tab, left for the motion tab, not confirmed.
      ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"动画", "特殊動作"}));
      CAniPSheet& sheet = *frame()->AnimationSheet();
      Type(sheet.Page(CAniPSheet::kTabSpecial), 544, 99);
      ASSERT_TRUE(sheet.SetActivePage(CAniPSheet::kTabMotion));
      CAniPage& page = c.which(sheet);
      page.OnSetActive();
      Type(&page, c.edit, c.value);
      Button(&page, button)->click();
      EXPECT_FALSE(frame()->m_pAniSheetFrame->isVisible());
      EXPECT_TRUE(messages.ids.empty());
      for (const CCharDataFull* r : {&Record(), &b}) {
        EXPECT_EQ(r->m_param[146], 99) << "the tab's strength";
        EXPECT_EQ(r->m_param[50], 12) << "the motion tab's frames, not the page's";
        EXPECT_EQ(r->m_param[71], 60);
        EXPECT_EQ(r->m_param[267], 210) << "the font tab's smoothing, not the page's";
      }
      EXPECT_EQ(Edit(&page, c.edit)->text().toInt(), c.value) << "the page keeps its value";
    }
  }
}

}  // namespace
}  // namespace tmb::test
