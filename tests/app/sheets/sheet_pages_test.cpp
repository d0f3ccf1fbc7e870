// The writing sheet's pages on their own: the controls that only some modes enable, the
// scaled direction sliders, and the hand-over of "変換表示" and Cancel.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "app/sheets/image_effect_page.h"
#include "app/sheets/line_page.h"
#include "app/sheets/outlines_dlg.h"
#include "app/sheets/special_shape_page.h"
#include "app/sheets/write_rep_page.h"
#include "platform/ui/dialog.h"
#include "core/record/char_data_full.h"
#include "platform/text/code_page.h"
#include "support/file_bytes.h"
#include "support/scripted_chooser.h"
#include "support/scripted_effect_dialogs.h"
#include "support/scripted_font_chooser.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::test {
namespace {

// Puts page into a sheet of its own, which builds it.
template <class Page>
class PageTest : public ::testing::Test {
 protected:
  PageTest() : sheet("sheet", nullptr, ui::PropertySheet::ButtonRow::kNone) {}
  void Show() { sheet.AddPage(page); }
  void Click(int id) { qobject_cast<QAbstractButton*>(page->Control(id))->click(); }
  bool Enabled(int id) { return page->Control(id)->isEnabled(); }
  QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(page->Control(id)); }
  QSlider* Bar(int id) { return qobject_cast<QSlider*>(page->Control(id)); }

  ScriptedMessages messages;
  ui::PropertySheet sheet;
  Page* page = new Page;
};

using LinePage = PageTest<CLinePage>;

TEST_F(LinePage, ForcedInflectionGreysTheEndThinningControlsAndAnEndModeEnablesThem) {
  const std::vector<int> modal = {252, 260, 261, 253, 580, 581, 102, 185, 507, 508, 511, 512};
  page->m_values.m_nLineChange = 5;
  Show();
  for (int id : modal) EXPECT_FALSE(Enabled(id)) << id;
  Click(CLinePage::kChangeRadio + 1);  // "先端"
  for (int id : modal) EXPECT_TRUE(Enabled(id)) << id;
  Click(CLinePage::kChangeRadio + 4);  // "細→太"
  for (int id : modal) EXPECT_FALSE(Enabled(id)) << id;
  // The others stay as they are.
  EXPECT_TRUE(Enabled(425));
  EXPECT_TRUE(Enabled(424));
}

TEST_F(LinePage, AModeOfNoButtonChecksNoneAndKeepsTheStandardControls) {
  page->m_values.m_nLineChange = 9;
  Show();
  for (int i = 0; i < CLinePage::kChangeModes; ++i) {
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(page->Control(CLinePage::kChangeRadio + i))->isChecked());
  }
  EXPECT_TRUE(Enabled(512));
  ASSERT_TRUE(page->UpdateData(true));
  EXPECT_EQ(page->m_values.m_nLineChange, 9);
}

TEST_F(LinePage, TheOptionButtonEditsThePagesThreeOptionValuesUnlessCancelled) {
  ScriptedDialogs dialogs;
  page->m_values.m_nOptionInflection = 12;
  page->m_values.m_nOptionSmoothing = 1;
  Show();
  dialogs.Then([](ui::DialogWindow& d) {
    EXPECT_EQ(qobject_cast<QSlider*>(d.Control(421))->value(), 12);
    ScriptedDialogs::Type(d, 422, "30");
    ScriptedDialogs::Check(d, 514, true);
    ScriptedDialogs::Click(d, 518);  // "軽く"
    return ScriptedDialogs::PressOk(d);
  });
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 422, "1");
    return ui::kIdCancel;
  });
  Click(499);
  Click(499);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{273, 273}));
  EXPECT_EQ(page->m_values.m_nOptionInflection, 30);
  EXPECT_EQ(page->m_values.m_bOptionDetail, 1);
  EXPECT_EQ(page->m_values.m_nOptionSmoothing, 2);
}

using SpecialShapePage = PageTest<CSpecialShapePage>;

TEST_F(SpecialShapePage, TheDirectionSlidersShowFiveDegreesAPosition) {
  page->m_values.m_nFrontDirection = 100;
  Show();
  EXPECT_EQ(Bar(189)->value(), 20);
  EXPECT_EQ(Bar(189)->minimum(), -72);
  EXPECT_EQ(Bar(189)->tickInterval(), CSpecialShapePage::kDirectionTicks);
  Bar(189)->setValue(-72);
  EXPECT_EQ(Edit(503)->text(), QStringLiteral("-360"));
  Edit(505)->setText(QStringLiteral("95"));
  emit Edit(505)->editingFinished();
  EXPECT_EQ(Bar(190)->value(), 19);
  ASSERT_TRUE(page->UpdateData(true));
  EXPECT_EQ(page->m_values.m_nFrontDirection, -360);
  EXPECT_EQ(page->m_values.m_nRearDirection, 95);
}

TEST_F(SpecialShapePage, OkHandsOverOnlyAfterTheValuesPassedAndCancelAsksForEveryPage) {
  int applied = 0, reloaded = 0;
  page->m_onApply = [&] { ++applied; };
  page->m_onReload = [&] { ++reloaded; };
  Show();
  EXPECT_EQ(page->sheetPage(), CShapeSheetPage::kAllPages);
  Edit(503)->setText(QStringLiteral("361"));
  Click(ui::kIdOk);
  EXPECT_EQ(applied, 0);
  EXPECT_EQ(messages.ids.size(), 1u);
  Edit(503)->setText(QStringLiteral("360"));
  Click(ui::kIdOk);
  EXPECT_EQ(applied, 1);
  EXPECT_EQ(page->m_values.m_nFrontDirection, 360);
  Click(ui::kIdCancel);
  EXPECT_EQ(reloaded, 1);
}

using BasicFormPage = PageTest<CWriteRep>;

TEST_F(BasicFormPage, SoftnessFollowsTheSemiCursiveTypeAndTheMainHardnessTheSpeedMode) {
  page->m_values.m_nSpeedMode = 0;
  page->m_values.m_nCrushType = 0;
  Show();
  EXPECT_FALSE(Enabled(105));
  EXPECT_FALSE(Enabled(300));
  EXPECT_FALSE(Enabled(299));
  Click(604);  // "行書"
  EXPECT_TRUE(Enabled(105));
  EXPECT_TRUE(Enabled(300));
  // The option dialog turns the speed-independent mode on; the page shows it.
  ScriptedDialogs dialogs;
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, 306);
    return ScriptedDialogs::PressOk(d);
  });
  Click(499);
  EXPECT_EQ(page->m_values.m_nSpeedMode, CWriteRep::kSpeedIndependent);
  EXPECT_EQ(page->m_values.m_nCrushType, CWriteRep::kSemiCursive);
  EXPECT_TRUE(Enabled(298));
  EXPECT_TRUE(Enabled(299));
  // The secondary hardness slider shows five a position.
  Bar(302)->setValue(30);
  EXPECT_EQ(Edit(303)->text(), QStringLiteral("150"));
}

using TextOutlinePage = PageTest<COutlinesDlg>;

TEST_F(TextOutlinePage, TheFontPageButtonEditsTheBlockOnACopyKeptOnlyOnOk) {
  ScriptedDialogs dialogs;
  page->m_block.Init();
  page->m_block.Reparse("ab");
  Show();
  dialogs.Then([](ui::DialogWindow& d) {
    auto* text = d.findChild<QLineEdit*>(QStringLiteral("ctl532"));
    EXPECT_EQ(text->text(), QStringLiteral("ab"));
    text->setText(QStringLiteral("xyz"));
    return ui::kIdCancel;
  });
  dialogs.Then([](ui::DialogWindow& d) {
    auto* count = d.findChild<QLineEdit*>(QStringLiteral("ctl527"));
    count->setText(QStringLiteral("0"));
    EXPECT_EQ(ScriptedDialogs::PressOk(d), 0) << "a count out of range keeps the page";
    count->setText(QStringLiteral("2"));
    d.findChild<QLineEdit*>(QStringLiteral("ctl532"))->setText(QStringLiteral("xyz"));
    return ScriptedDialogs::PressOk(d);
  });
  Click(505);
  EXPECT_EQ(page->m_block.m_strText, "ab");
  Click(505);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{275, 275}));
  EXPECT_EQ(page->m_block.m_strText, "xyz");
  EXPECT_EQ(page->m_block.m_nCharsPerLine, 2);
  EXPECT_EQ(page->m_block.m_nEntries, 3);
  EXPECT_EQ(messages.ids, std::vector<int>{61501});
}

TEST_F(TextOutlinePage, EachModeEnablesItsControlsAndTheTextOnlyInModeOne) {
  struct Case {
    int button;
    bool text, font, preview, group0;
  } cases[] = {{480, false, false, false, true}, {740, true, true, false, false}, {741, false, false, true, false}};
  Show();
  for (const Case& c : cases) {
    Click(c.button);
    EXPECT_EQ(Enabled(476), c.text) << c.button;
    EXPECT_EQ(Enabled(481), c.font) << c.button;
    EXPECT_EQ(Enabled(488), c.preview) << c.button;
    EXPECT_EQ(Enabled(482), c.group0) << c.button;
  }
}

TEST_F(TextOutlinePage, TheFontPageButtonEditsACopyOfTheRecordsFirstBlockAndWritesItBack) {
  ScriptedDialogs dialogs;
  auto rec = std::make_unique<CCharDataFull>();
  rec->m_textSettings[0].Init();
  rec->m_textSettings[0].Reparse("rec");
  page->m_block.Init();
  page->m_block.Reparse("own");
  page->m_pRecord = rec.get();
  Show();
  dialogs.Then([](ui::DialogWindow& d) {
    auto* text = d.findChild<QLineEdit*>(QStringLiteral("ctl532"));
    EXPECT_EQ(text->text(), QStringLiteral("rec")) << "the record's block is shown";
    text->setText(QStringLiteral("new"));
    return ui::kIdCancel;
  });
  dialogs.Then([](ui::DialogWindow& d) {
    d.findChild<QLineEdit*>(QStringLiteral("ctl532"))->setText(QStringLiteral("new"));
    return ScriptedDialogs::PressOk(d);
  });
  rec->m_nOutlineDirty = 0;
  Click(COutlinesDlg::kFontPageButton);
  EXPECT_EQ(rec->m_textSettings[0].m_strText, "rec") << "cancelled: the record keeps its block";
  EXPECT_EQ(rec->m_nOutlineDirty, 0);
  Click(COutlinesDlg::kFontPageButton);
  EXPECT_EQ(rec->m_textSettings[0].m_strText, "new");
  EXPECT_EQ(rec->m_nOutlineDirty, 1);
  EXPECT_EQ(page->m_block.m_strText, "new") << "and the page shows it";
}

TEST_F(TextOutlinePage, TheFontButtonChoosesTheFontOfTheBlocksDefaultEntry) {
  ScriptedFontChooser fonts;
  page->m_block.Init();
  Show();
  Click(740);  // mode 1, in which the button is enabled
  fonts.Next([](Font& f) {
    f.faceName = "IPAMincho";
    f.weight = 700;
  });
  Click(COutlinesDlg::kFontButton);
  ASSERT_EQ(fonts.offered.size(), 1u);
  EXPECT_EQ(std::string(page->m_block.m_template.m_font.faceName), "IPAMincho");
  EXPECT_EQ(page->m_block.m_template.m_font.weight, 700);
  Click(COutlinesDlg::kFontButton);  // cancelled: nothing changes
  EXPECT_EQ(page->m_block.m_template.m_font.weight, 700);
}

std::string ReadFileText(const std::string& path) {
  const std::vector<uint8_t> bytes = FileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// The image-effect page's file buttons work on its record's effect definition.
class ImageEffectPage : public PageTest<CImageEffectPage> {
 protected:
  void SetUp() override {
    page->m_pRecord = rec.get();
    script = (dir / "ef_bars.txt").string();
    std::ofstream(script) << Utf8ToSjisLossy("左右反転\r\n");
  }
  std::unique_ptr<CCharDataFull> rec = std::make_unique<CCharDataFull>();
  TempDir dir;
  ScriptedChooser chooser;
  ScriptedEffectDialogs effectDialogs;
  std::string script;
};

TEST_F(ImageEffectPage, AnotherFileIsReadIntoTheRecordsDefinitionAndShownByName) {
  Show();
  Click(CImageEffectPage::kChangeFile);  // cancelled
  EXPECT_TRUE(Edit(CImageEffectPage::kFileEdit)->text().isEmpty());
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].filter, "(ef*.txt)|ef*.txt|(*.txt)|*.txt|(*.*)|*.*||");
  chooser.Next(script);
  Click(CImageEffectPage::kChangeFile);
  EXPECT_EQ(Edit(CImageEffectPage::kFileEdit)->text(), QString::fromStdString(script));
  EXPECT_EQ(rec->m_effect.m_script, Utf8ToSjisLossy("左右反転\r\n"));
  EXPECT_EQ(rec->m_effect.m_nEntries, 1);
  EXPECT_TRUE(messages.ids.empty());
  // A file that cannot be read says so.
  chooser.Next((dir / "gone.txt").string());
  Click(CImageEffectPage::kChangeFile);
  EXPECT_EQ(messages.ids.size(), 1u);
}

TEST_F(ImageEffectPage, EditingTakesTheTextAndSavingWritesItUnderTheFilesName) {
  page->m_values.m_strFile = script;
  Show();
  effectDialogs.script = [](CEffectScriptDlg& d) {
    d.m_strText = Utf8ToSjisLossy("上下反転\r\n");
    d.m_nAction = 0;
    return kAnswerOk;
  };
  Click(CImageEffectPage::kEditScript);
  EXPECT_EQ(effectDialogs.runs, 1);
  EXPECT_EQ(rec->m_effect.m_script, Utf8ToSjisLossy("上下反転\r\n"));
  EXPECT_EQ(ReadFileText(script), Utf8ToSjisLossy("左右反転\r\n")) << "not saved by the edit";
  Click(CImageEffectPage::kSaveScript);
  EXPECT_EQ(ReadFileText(script), Utf8ToSjisLossy("上下反転\r\n"));
  EXPECT_TRUE(chooser.asked.empty()) << "the page's file name was used";
}

}  // namespace
}  // namespace tmb::test
