// The font page: the lines of its list, the text laid out again as it is typed, the
// entries, fonts and pictures of the selected lines, and the block stored back into the
// record; and the dictionary-file dialog on its own.
#include <QAbstractButton>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "app/dialogs/dict_file_dialog.h"
#include "app/dialogs/effect_script_forms.h"
#include "app/dialogs/font_mode_dialogs.h"
#include "app/dialogs/font_page.h"
#include "app/dialogs/line_option_dialog.h"
#include "app/sheets/glyph_font_page.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "platform/ui/list_rows.h"
#include "support/drawing_windows.h"
#include "support/file_bytes.h"
#include "support/scripted_chooser.h"
#include "support/scripted_font_chooser.h"
#include "support/scripted_messages.h"
#include "support/store_folder.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::test {
namespace {

CTextCharEntry Entry(const char* c, int weight) {
  CTextCharEntry e;
  e.SetChar(c);
  e.m_nColumn = 1;
  e.m_nRow = 2;
  e.m_nPosX = 3;
  e.m_nPosY = -4;
  e.m_nScale = 100;
  e.m_font.SetFaceName("Face");
  e.m_font.weight = weight;
  return e;
}

TEST(FontPageList, ALineShowsTheCharacterItsPlaceFontAndWeight) {
  struct Case {
    const char* character;
    int weight;
    int italic;
    const char* line;
  } cases[] = {
      {"\x89\x69", 400, 0, "永    1,  2  (  3, -4) 100 [Face]   "},
      {"a", 700, 1, " a    1,  2  (  3, -4) 100 [Face] I B"},
      {" ", 900, 0, "<>    1,  2  (  3, -4) 100 [Face]   HEAVY"},
      {"\x81\x40", -100, 0, "[]    1,  2  (  3, -4) 100 [Face]   "},
      {"b", 1000, 0, " b    1,  2  (  3, -4) 100 [Face]   "},
  };
  for (const Case& c : cases) {
    CTextCharEntry e = Entry(c.character, c.weight);
    e.m_font.italic = uint8_t(c.italic);
    EXPECT_EQ(CFontPage::EntryLine(e), c.line) << c.weight;
  }
  CTextCharEntry picture = Entry("#", 400);
  picture.m_bHidden = 1;
  EXPECT_EQ(CFontPage::EntryLine(picture), "PIC   1,  2  (  3, -4) 100 [Un-setup] ");
  picture.SetPicture("logo.bmp");
  EXPECT_EQ(CFontPage::EntryLine(picture), "PIC   1,  2  (  3, -4) 100 [logo.bmp] ");
}

TEST(FontPageList, WeightsNameTheirHundredAndNothingOutsideTheTable) {
  const std::pair<int, const char*> cases[] = {{0, ""},        {100, "THIN"},  {250, "ELIGHT"}, {300, "LIGHT"},
                                               {400, ""},      {500, "MEDIUM"}, {600, "S_BOLD"}, {700, "B"},
                                               {800, "E_BOLD"}, {999, "HEAVY"}, {1000, ""},     {-1, ""},
                                               {-100, ""},     {INT32_MIN, ""}};
  for (const auto& [weight, name] : cases) EXPECT_STREQ(CFontPage::WeightName(weight), name) << weight;
}

class FontPageOnSheet : public ::testing::Test {
 protected:
  ScopedStoreFolder store;
  void SetUp() override {
    doc = std::make_unique<CTmbDoc>();
    CCharDataFull& rec = doc->m_char;
    rec.m_textSettings[0].Init();
    rec.m_textSettings[0].Reparse("abcd");
    rec.m_param[CFontPage::kFontModeParam] = 1;
    rec.m_nPoints = 1;
    rec.m_pFlags[0] = 1;
    page = new CFontPage;
    page->Load(rec);
    sheet.AddPage(page);
  }
  QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(page->Control(id)); }
  QListWidget* List() const { return qobject_cast<QListWidget*>(page->Control(CFontPage::kList)); }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < List()->count(); ++i) lines.push_back(List()->item(i)->text().toStdString());
    return lines;
  }

  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  std::unique_ptr<CTmbDoc> doc;
  ui::PropertySheet sheet{"sheet"};
  CFontPage* page = nullptr;
};

TEST_F(FontPageOnSheet, TypingLaysTheTextOutAgainWithoutCheckingAHalfTypedCount) {
  const std::vector<std::string> tenPerLine = Lines();
  ASSERT_EQ(tenPerLine.size(), 4u);
  for (const char* halfTyped : {"", "-", "0", "200"}) {
    Edit(CFontPage::kCharsPerLine)->setText(QString::fromLatin1(halfTyped));
    EXPECT_EQ(Lines(), tenPerLine) << halfTyped;
  }
  EXPECT_TRUE(messages.ids.empty()) << "no range message while typing";
  Edit(CFontPage::kCharsPerLine)->setText(QStringLiteral("2"));
  EXPECT_NE(Lines(), tenPerLine);
  EXPECT_EQ(page->m_block.m_nCharsPerLine, 2);
  Edit(CFontPage::kText)->setText(QStringLiteral("abcde"));
  EXPECT_EQ(Lines().size(), 5u);
  EXPECT_EQ(Edit(CFontPage::kText)->maxLength(), CFontPage::kMaxTextChars);
}

TEST_F(FontPageOnSheet, StoringAChangedBlockTakesTheUndoCopyBeforeTheStrokesGo) {
  page->Store(*doc);
  EXPECT_EQ(doc->m_char.m_nPoints, 1) << "an unchanged block keeps the strokes";
  EXPECT_EQ(doc->m_bUndoValid, 0);
  Edit(CFontPage::kText)->setText(QStringLiteral("xyz"));
  page->Store(*doc);
  EXPECT_EQ(doc->m_char.m_nPoints, 0);
  EXPECT_EQ(doc->m_bUndoValid, 1);
  EXPECT_EQ(doc->m_base[kBaseUndo].m_nPoints, 1);
  EXPECT_EQ(doc->m_char.m_textSettings[0].m_strText, "xyz");
  EXPECT_EQ(doc->m_char.m_textSettings[1].m_strText, "abcd") << "the backup of the load";
}

TEST_F(FontPageOnSheet, SelectedLinesTakeTheDefaultEntryAndADoubleClickMakesALineTheDefault) {
  ScriptedFontChooser fonts;
  fonts.Next([](Font& f) { f.weight = 900; });
  qobject_cast<QAbstractButton*>(page->Control(CFontPage::kFont))->click();
  EXPECT_EQ(page->m_block.m_template.m_font.weight, 900);
  Edit(529)->setText(QStringLiteral("12"));
  ui::SelectRows(page->Control(CFontPage::kList), {1, 3});
  qobject_cast<QAbstractButton*>(page->Control(CFontPage::kUpdate))->click();
  EXPECT_EQ(page->m_block.m_entries[1].m_nPosX, 12);
  EXPECT_EQ(page->m_block.m_entries[3].m_font.weight, 900);
  EXPECT_EQ(page->m_block.m_entries[0].m_nPosX, 0);
  EXPECT_NE(Lines()[1].find("HEAVY"), std::string::npos);
  // A double click on the first line brings its values back into the edits.
  ui::SelectRows(page->Control(CFontPage::kList), {0});
  emit List()->itemDoubleClicked(List()->item(0));
  EXPECT_EQ(Edit(529)->text(), QStringLiteral("0"));
  EXPECT_EQ(page->m_block.m_template.m_font.weight, 400);
  // The axis order takes the highest selected line.
  ui::SelectRows(page->Control(CFontPage::kList), {1, 2});
  qobject_cast<QAbstractButton*>(page->Control(CFontPage::kAxisOrder))->click();
  EXPECT_EQ(page->m_block.m_nCurEntry, 2);
  EXPECT_EQ(page->m_nState, 2);
}

TEST_F(FontPageOnSheet, UpdateGivesTheSelectedLinesTheDefaultEntryBeforeTheTextIsLaidOutAgain) {
  ui::SelectRows(page->Control(CFontPage::kList), {1});  // "b"
  Edit(529)->setText(QStringLiteral("12"));
  page->m_strText = "xabcd";  // a character in front that was not laid out yet
  qobject_cast<QAbstractButton*>(page->Control(CFontPage::kUpdate))->click();
  ASSERT_EQ(page->m_block.UsedEntries(), 5);
  EXPECT_EQ(std::string(page->m_block.m_entries[2].Char()), "b");
  EXPECT_EQ(page->m_block.m_entries[2].m_nPosX, 12) << "the line selected keeps the values given to it";
  EXPECT_EQ(page->m_block.m_entries[1].m_nPosX, 0) << "\"a\" was not selected";
}

TEST_F(FontPageOnSheet, APictureFileIsAskedForWhenTheListGivesNoneAndItsFolderIsKept) {
  ScriptedChooser chooser;
  gDrawState.m_szLastFolder = "/start";
  chooser.Next("/pictures/logo.bmp");
  ui::SelectRows(page->Control(CFontPage::kList), {0});
  qobject_cast<QAbstractButton*>(page->Control(CFontPage::kPicture))->click();  // the list is closed
  EXPECT_EQ(dialogs.shown, std::vector<int>{279});
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].folder, "/start");
  EXPECT_EQ(std::string(page->m_block.m_entries[0].Picture()), "/pictures/logo.bmp");
  EXPECT_EQ(gDrawState.m_szLastFolder, "/pictures");
  gDrawState.Reset();
}

// The page edits window B's block: its document, not A's, is asked to lay its text out
// again.
class FontPageOfWindow : public ::testing::Test {
 protected:
  ScopedStoreFolder store;
  void SetUp() override {
    windows.b->m_textSettings[0].Init();
    windows.b->m_textSettings[0].Reparse("abcd");
    page = new CFontPage;
    page->m_nWindowKind = kKindDrawB;
    page->Load(*windows.b);
    sheet.AddPage(page);
  }
  void TearDown() override { gDrawState.Reset(); }
  void Click(int id) const { qobject_cast<QAbstractButton*>(page->Control(id))->click(); }
  // The font-mode states of windows A and B.
  std::pair<int, int> States() const { return {windows.docA->m_nFontModeState, windows.docB->m_nFontModeState}; }

  DrawingWindows windows;
  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  ScriptedChooser chooser;
  ui::PropertySheet sheet{"sheet"};
  CFontPage* page = nullptr;
};

TEST_F(FontPageOfWindow, OkAsksTheWindowsDocumentToLayItsTextOutAgain) {
  ASSERT_EQ(States(), std::make_pair(0, 0));
  qobject_cast<QLineEdit*>(page->Control(CFontPage::kText))->setText(QStringLiteral("xyz"));
  ASSERT_TRUE(sheet.PressOk());
  EXPECT_EQ(States(), std::make_pair(0, kFontModeRelayout));
  EXPECT_EQ(page->m_block.m_strText, "xyz") << "the block was taken from the page";
}

TEST_F(FontPageOfWindow, AChosenPictureAndReleasedAxisLinesAskForTheLayoutAndWhatIsCancelledDoesNot) {
  ui::SelectRows(page->Control(CFontPage::kList), {0});
  Click(CFontPage::kPicture);  // the list and then the file dialog cancelled
  EXPECT_EQ(States(), std::make_pair(0, 0)) << "no picture chosen";
  dialogs.Then(ScriptedDialogs::PressOk);
  Click(CFontPage::kOption);
  EXPECT_EQ(States(), std::make_pair(0, 0)) << "the option kept without releasing the axis lines";
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, CFontModeOptionDlg::kRelease);
    return d.result() == QDialog::Accepted ? ui::kIdOk : 0;
  });
  Click(CFontPage::kOption);
  EXPECT_EQ(States(), std::make_pair(0, kFontModeRelayout)) << "the axis lines released";

  windows.docB->m_nFontModeState = 0;
  chooser.Next("/pictures/logo.bmp");
  Click(CFontPage::kPicture);
  EXPECT_EQ(std::string(page->m_block.m_entries[0].Picture()), "/pictures/logo.bmp");
  EXPECT_EQ(States(), std::make_pair(0, kFontModeRelayout)) << "a picture chosen";
  EXPECT_EQ(dialogs.shown, (std::vector<int>{279, 284, 284, 279}));
}

TEST_F(FontPageOnSheet, TheListShowsItsColumnsInTheFixedPitchFont) {
  EXPECT_EQ(gDrawState.m_font.faceName, ui::ListFont().family().toStdString()) << "the drawing state's list font";
  EXPECT_EQ(List()->font(), CFontPage::ListFont());
  if (!QFontInfo(ui::ListFont()).fixedPitch()) GTEST_SKIP() << "no fixed-pitch font is installed";
  EXPECT_TRUE(QFontInfo(List()->font()).fixedPitch());
}

TEST(FontPageListFont, BothFontPagesShowTheirListsInTheDrawingStatesFont) {
  struct Restore {
    ~Restore() { gDrawState.Reset(); }
  } restore;
  gDrawState.m_font.faceName = "IPAGothic";
  gDrawState.m_font.height = -19;
  ui::PropertySheet sheet{"sheet"};
  auto* page = new CFontPage;
  auto* lite = new CGlyphTidePageLiteFontPoint;
  sheet.AddPage(page);
  sheet.AddPage(lite);
  ASSERT_TRUE(sheet.SetActivePage(1));
  for (ui::PropertyPage* p : {static_cast<ui::PropertyPage*>(page), static_cast<ui::PropertyPage*>(lite)}) {
    const QFont shown = p->Control(CFontPage::kList)->font();
    EXPECT_EQ(shown.family(), QStringLiteral("IPAGothic")) << p->templateId();
    EXPECT_EQ(shown.pixelSize(), 19) << p->templateId();
  }
}

// The dictionary's text and the script edits are written in the drawing state's font.
TEST(FontPageListFont, TheDictionaryTextAndTheScriptsUseTheDrawingStatesFont) {
  struct Restore {
    ~Restore() { gDrawState.Reset(); }
  } restore;
  gDrawState.m_font.faceName = "IPAGothic";
  gDrawState.m_font.height = -19;
  ScriptedDialogs dialogs;
  std::vector<QString> families;
  auto look = [&families](int edit) {
    return [&families, edit](ui::DialogWindow& d) {
      families.push_back(d.Control(edit)->font().family());
      return ui::kIdCancel;
    };
  };
  dialogs.Then(look(524));
  CDictFileDlg dictionary;
  dictionary.DoModal();
  dialogs.Then(look(102));
  CFontModeScriptDlg script;
  script.DoModal();
  EXPECT_EQ(families, (std::vector<QString>{QStringLiteral("IPAGothic"), QStringLiteral("IPAGothic")}));
}

TEST(FontPageDialogs, APictureOfTheListIsChosenByDoubleClickAndOkAsksForANewFile) {
  ScriptedDialogs dialogs;
  CImageListDlg list;
  list.m_names = {"a.bmp", "\x89\x69.png"};  // 永.png
  dialogs.Then([](ui::DialogWindow& d) {
    auto* lines = qobject_cast<QListWidget*>(d.Control(CImageListDlg::kList));
    EXPECT_EQ(lines->item(1)->text(), QStringLiteral("永.png"));
    ui::SelectRows(lines, {1});
    emit lines->itemDoubleClicked(lines->item(1));
    return d.result() == QDialog::Accepted ? ui::kIdOk : 0;
  });
  EXPECT_EQ(list.DoModal(), ui::kIdOk);
  EXPECT_EQ(list.m_nChosen, 1);
  EXPECT_EQ(list.m_strChosen, "\x89\x69.png");
  dialogs.Then([](ui::DialogWindow& d) {
    EXPECT_EQ(qobject_cast<QAbstractButton*>(d.Control(ui::kIdOk))->text(), QString::fromUtf8("新規画像ファイル"));
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(list.DoModal(), ui::kIdOk);
  EXPECT_EQ(list.m_nChosen, -1) << "no picture chosen: a new file is asked for";
}

TEST(FontPageDialogs, TheLineOptionsSliderAndEditShowOneValue) {
  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  CLineOptionDlg options;
  options.m_nSmooth = 12;
  dialogs.Then([](ui::DialogWindow& d) {
    auto* slider = qobject_cast<QSlider*>(d.Control(421));
    EXPECT_EQ(slider->maximum(), CLineOptionDlg::kMaxSmooth);
    EXPECT_EQ(slider->value(), 12);
    slider->setValue(20);
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(422))->text(), QStringLiteral("20"));
    ScriptedDialogs::Type(d, 422, "31");
    EXPECT_EQ(ScriptedDialogs::PressOk(d), 0);
    ScriptedDialogs::Type(d, 422, "7");  // typed and not left: the edit's value counts
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(options.DoModal(), ui::kIdOk);
  EXPECT_EQ(options.m_nSmooth, 7);
  EXPECT_EQ(messages.ids, std::vector<int>{61501});
}

class DictFileDialog : public ::testing::Test {
 protected:
  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  ScriptedChooser chooser;
  TempDir dir;
};

TEST_F(DictFileDialog, ExpandingAnEmptyTextDoesNothingAndKeepsTheDialogOpen) {
  CDictFileDlg dlg;
  bool open = false;
  dialogs.Then([&open](ui::DialogWindow& d) {
    qobject_cast<QPlainTextEdit*>(d.Control(CDictFileDlg::kTextEdit))->setPlainText(QStringLiteral(" \n　\n"));
    ScriptedDialogs::Click(d, CDictFileDlg::kExpandButton);
    open = d.result() == 0;
    return ui::kIdCancel;
  });
  EXPECT_EQ(dlg.DoModal(), ui::kIdCancel);
  EXPECT_TRUE(open);
  EXPECT_EQ(messages.beeps, 0);
}

TEST_F(DictFileDialog, TextFilesAreReadAndSavedInTheNarrowCodePageWhileTheDialogStays) {
  const std::filesystem::path in = dir / "dict.txt";
  std::ofstream(in, std::ios::binary) << "\x89\x69\r\n\x88\xea";  // 永, 一
  const std::filesystem::path out = dir / "saved.txt";
  chooser.Next(in.string());
  chooser.Next(out.string());
  CDictFileDlg dlg;
  dialogs.Then([&dlg](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, CDictFileDlg::kLoadButton);
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(d.Control(CDictFileDlg::kTextEdit))->toPlainText(),
              QStringLiteral("永\n一"));
    EXPECT_EQ(dlg.m_nAction, 3);
    ScriptedDialogs::Click(d, CDictFileDlg::kSaveButton);
    EXPECT_EQ(dlg.m_nAction, 1);
    EXPECT_EQ(d.result(), 0);
    return ui::kIdCancel;
  });
  dlg.DoModal();
  EXPECT_EQ(FileBytes(out), FileBytes(in)) << "the text as it was read";
  EXPECT_EQ(dlg.m_strPath, out.string());
}

TEST_F(DictFileDialog, TheDetailSettingsAreKeptUnlessCancelled) {
  CDictFileDlg dlg;
  dlg.m_nScale = 0;  // a damaged percentage opens at the lowest one
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, CDictFileDlg::kDetailButton);
    ScriptedDialogs::Click(d, CDictFileDlg::kDetailButton);
    return ui::kIdCancel;
  });
  dialogs.Then([](ui::DialogWindow& d) {
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(664))->text(), QStringLiteral("1"));
    ScriptedDialogs::Check(d, 663, true);
    ScriptedDialogs::Type(d, 664, "80");
    return ScriptedDialogs::PressOk(d);
  });
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 664, "90");
    return ui::kIdCancel;
  });
  dlg.DoModal();
  EXPECT_EQ(dlg.m_bCentre, 1);
  EXPECT_EQ(dlg.m_nScale, 80);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{313, 314, 314}));
}

}  // namespace
}  // namespace tmb::test
