// The dictionary in the started program: the dictionary command on window A expands two
// characters of a store into A's record, cell by cell, with the detail values stored back;
// the font division and the file options open their dialogs from the menus.
#include <QMenuBar>
#include <QPlainTextEdit>
#include <fstream>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "brush/render/brush_state.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_path.h"
#include "core/store/text_store.h"
#include "platform/text/code_page.h"
#include "resources/command_ids.h"
#include "support/ink_compare.h"
#include "support/path_points.h"
#include "support/picture_files.h"
#include "support/recorded_character.h"
#include "support/store_folder.h"
#include "support/temp_dir.h"
#include "support/text_file_forms.h"
#include "support/ui/menu_path.h"

namespace tmb::test {
namespace {

const char kEi[] = "\x89\x69";    // 永
const char kIchi[] = "\x88\xea";  // 一

class DictionaryRoad : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    ShowAndPaint();
    folder = std::make_unique<ScopedStoreFolder>();
  }
  void TearDown() override {
    folder.reset();
    AppTest::TearDown();
  }
  static CTmbDoc& DocA() { return GetCharDocumentOfKind(kKindDrawA)->engine(); }

  std::unique_ptr<ScopedStoreFolder> folder;
};

TEST_F(DictionaryRoad, TypedCharactersAreExpandedIntoWindowAsCellsAndTheDetailValuesStored) {
  CStrokePath stroke(10);
  Fill(stroke, {{0, 0, 1}, {100, 0, 0}, {50, 0, 1}, {50, 100, 0}});
  ASSERT_EQ(SaveTextCharacter(stroke, kEi), 1);
  CStrokePath slant(10);
  Fill(slant, {{0, 0, 1}, {100, 100, 0}});
  ASSERT_EQ(SaveTextCharacter(slant, kIchi), 1);
  CCharDataFull& a = DocA().m_char;
  a.m_param[32] = a.m_param[33] = 200;
  a.m_param[34] = a.m_param[35] = 50;
  a.m_nPoints = 2;
  a.m_pPoints[0] = {5, 5};
  a.m_pPoints[1] = {6, 6};
  a.m_pFlags[0] = 1;
  a.m_pFlags[1] = 0;
  DocA().m_bUndoValid = 0;

  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, 412);
    qobject_cast<QPlainTextEdit*>(d.Control(524))->setPlainText(QStringLiteral("永\n一"));
    ScriptedDialogs::Click(d, 409);  // 実行
    return d.result() == QDialog::Accepted ? ui::kIdOk : ui::kIdCancel;
  });
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Check(d, 662, true);
    ScriptedDialogs::Check(d, 663, false);
    ScriptedDialogs::Type(d, 664, "50");
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdDictionary));
  EXPECT_EQ(dialogs.shown, (std::vector<int>{313, 314}));

  // Two cells from the top right, each character at half of its fitted size.
  const std::vector<Point> expected = {{250, 50}, {350, 50}, {300, 50}, {300, 150}, {250, 250}, {350, 350}};
  EXPECT_EQ(std::vector<Point>(a.m_pPoints.get(), a.m_pPoints.get() + a.m_nPoints), expected);
  EXPECT_EQ(a.m_pFlags[4], 1);
  EXPECT_EQ(a.m_param[300], 1);
  EXPECT_EQ(a.m_param[301], 0);
  EXPECT_EQ(a.m_param[302], 50);
  // The window shows the expanded characters.
  QCoreApplication::processEvents();
  const Surface& shown = gBrushStates[0].m_bitmap;
  EXPECT_FALSE(SavePictureForViewing(shown, "dictionary_expansion").empty());
  EXPECT_GT(CountInk(shown), 0);
  // The frames of the runs the conversion marked, in their colours, over the characters.
  int framed = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) framed += shown.GetPixel(x, y) == 0xFF0000;
  }
  EXPECT_GT(framed, 0);
  ASSERT_EQ(DocA().m_bUndoValid, 1);
  const CCharData& undo = DocA().m_base[kBaseUndo];
  EXPECT_EQ(std::vector<Point>(undo.m_pPoints.get(), undo.m_pPoints.get() + undo.m_nPoints),
            (std::vector<Point>{{5, 5}, {6, 6}}));

  // The frame button sets the guide grid of the window's character, whose cells the runs
  // use.
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, 411);
    return ui::kIdCancel;
  });
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 102, "150");
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdDictionary));
  EXPECT_EQ(a.m_param[32], 150);

  // Cancelled, the detail values stay as they were.
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, 412);
    return ui::kIdCancel;
  });
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 664, "90");
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdDictionary));
  EXPECT_EQ(a.m_param[302], 50);
}

TEST_F(DictionaryRoad, TheFontDivisionAndTheFileOptionsOpenTheirDialogs) {
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdFontDivision));
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdFileOptions));
  EXPECT_EQ(dialogs.shown, (std::vector<int>{312, 230}));
}

TEST_F(DictionaryRoad, ExpandingCharactersTheDictionaryLacksKeepsWindowAAndSaysSo) {
  CCharDataFull& a = DocA().m_char;
  a.m_nPoints = 2;
  a.m_pPoints[0] = {5, 5};
  a.m_pPoints[1] = {6, 6};
  a.m_pFlags[0] = 1;
  a.m_pFlags[1] = 0;
  bool stayed = false;
  dialogs.Then([&stayed](ui::DialogWindow& d) {
    qobject_cast<QPlainTextEdit*>(d.Control(524))->setPlainText(QStringLiteral("永"));
    ScriptedDialogs::Click(d, 409);  // 展開: 実行
    stayed = d.result() != QDialog::Accepted;
    return ui::kIdCancel;
  });
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"设置", "辞書"}));
  EXPECT_EQ(dialogs.shown, std::vector<int>{313});
  EXPECT_TRUE(stayed) << "the dialog stays for another text";
  EXPECT_EQ(a.m_nPoints, 2);
  EXPECT_EQ(messages.ids, std::vector<int>{61625});
}

TEST_F(DictionaryRoad, ACharacterWrittenInTheWindowIsRegisteredUnderTheTypedTextAndExpandedBack) {
  CCharDataFull& a = DocA().m_char;
  AppendRecordedCharacter(a);
  ASSERT_GT(a.m_nPoints, 0);
  int written = 0;
  for (int i = 0; i < a.m_nPoints; ++i) written += a.m_pFlags[i] == 1;
  bool registerStayed = false;
  dialogs.Then([&registerStayed](ui::DialogWindow& d) {
    qobject_cast<QPlainTextEdit*>(d.Control(524))->setPlainText(QStringLiteral("永"));
    ScriptedDialogs::Click(d, 410);  // 登録: 実行
    registerStayed = d.result() != QDialog::Accepted;
    ScriptedDialogs::Click(d, 409);  // 展開: 実行
    return d.result() == QDialog::Accepted ? ui::kIdOk : ui::kIdCancel;
  });
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"设置", "辞書"}));
  EXPECT_TRUE(registerStayed);
  EXPECT_EQ(messages.ids, std::vector<int>{}) << "the character is in the dictionary";
  EXPECT_EQ(messages.beeps, 0);
  // Every stroke written came back, expanded into the window.
  CStrokePath stored(kMaxCharPoints);
  ASSERT_EQ(LoadTextCharacter(stored, kEi), 1);
  EXPECT_EQ(stored.CountStrokes(), written);
  int expanded = 0;
  for (int i = 0; i < a.m_nPoints; ++i) expanded += a.m_pFlags[i] == 1;
  EXPECT_EQ(expanded, written);
}

// A text file read into the dialog shows its characters: UTF-8 with or without its byte
// order mark, code page 932 as before, and UTF-8 that is code page 932 as well as the
// code page 932 it also is.
TEST_F(DictionaryRoad, ReadingATextFileShowsItsCharactersInEitherEncoding) {
  const std::vector<TextFileForm> forms = TextFileForms("漢字の辞書、永遠", "山川木");
  TempDir dir;
  for (const TextFileForm& c : forms) {
    const std::string path = (dir / "text.txt").string();
    std::ofstream(path, std::ios::binary) << c.bytes;
    chooser.Next(path);
    QString shown;
    dialogs.Then([&shown](ui::DialogWindow& d) {
      ScriptedDialogs::Click(d, 408);  // 読込
      shown = qobject_cast<QPlainTextEdit*>(d.Control(524))->toPlainText();
      return ui::kIdCancel;
    });
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"设置", "辞書"})) << c.what;
    EXPECT_EQ(shown.toStdString(), c.read) << c.what;
  }
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
