// The handwritten registration in the started program: a list named on the command line,
// characters written with the mouse into the writing box and saved as pictures with the
// panel's button, the list information file and the damaged files the panel meets.
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <fstream>

#include "app/app_fixture.h"
#include "core/document/tmb_doc.h"
#include "core/state/mouse_messages.h"
#include "resources/command_ids.h"
#include "support/manual_clock.h"
#include "support/list_info_file.h"
#include "support/temp_dir.h"
#include "support/text_file_forms.h"
#include "support/ui/image_for_viewing.h"
#include "support/ui/memory_clipboard.h"
#include "support/ui/menu_path.h"
#include "support/ui/pen_events.h"
#include "views/registration/key_edit.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {
namespace {

constexpr int kMsgOpenFile = 62047;
constexpr int kMsgOpenInfoFile = 62072;
constexpr int kMsgBadListBytes = 61570;

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class Registration : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    userFolder = (dir / "user").string();
    pictures = dir / "pictures";
    std::filesystem::create_directories(pictures);
  }
  bool StartWith(const std::string& args) {
    if (!Start(args)) return false;
    gDrawState.m_szUserFolder = userFolder;
    if (CFrame_View* a = FrameOfKind(kKindDrawA)) a->showMaximized();
    ShowAndPaint();
    view = CTmbView::ViewOfKind(kKindDrawA);
    if (!view) return false;
    pen = std::make_unique<PenEvents>(view->area()->viewport(), clock);
    return true;
  }
  // Where paper point p lies in view A's window.
  QPoint At(Point p) const {
    const Rect client = view->ClientRectLogical();
    const Point o = gDrawState.m_ptCanvasOrigin;
    return {p.x + o.x - client.left, p.y + o.y - client.top};
  }
  // Scrolls view A so that the writing box shows whole.
  void ShowWritingBox() {
    const Rect w = Panel().m_rcWriting;
    const Point o = gDrawState.m_ptCanvasOrigin;
    view->area()->verticalScrollBar()->setValue(w.top + o.y - 10);
    view->area()->horizontalScrollBar()->setValue(std::max(0, w.left + o.x - 10));
    QCoreApplication::processEvents();
  }
  // A cross written in the writing box: a level and an upright stroke through its middle,
  // sampled every few pixels as a hand moves the mouse.
  void WriteCross() {
    ShowWritingBox();
    const Rect w = Panel().m_rcWriting;
    const int cx = (w.left + w.right) / 2, cy = (w.top + w.bottom) / 2;
    constexpr int kSteps = 44;
    pen->Line(At({w.left + 40, cy}), At({w.right - 40, cy}), kSteps);
    pen->Line(At({cx, w.top + 40}), At({cx, w.bottom - 40}), kSteps);
  }
  void Click(const Rect& r) {
    const Point mid{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    pen->Press(At(mid));
    pen->Release(At(mid));
  }
  void PressButton(int i) {
    view->area()->verticalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    Click(Panel().m_rcButtons[size_t(i)]);
  }
  static CRegistrationPanel& Panel() { return gDrawState.m_toolPanel; }
  // The picture at path: 256 x 256, dark along both strokes of the cross and nowhere else.
  void ExpectCross(const std::filesystem::path& path, const std::string& name) {
    QImage image(QString::fromStdString(path.string()), "BMP");
    ASSERT_FALSE(image.isNull()) << path;
    SaveImageForViewing(image, "registration_" + name);
    EXPECT_EQ(image.size(), QSize(256, 256));
    auto dark = [&](int x, int y) { return qRed(image.pixel(x, y)) < 128; };
    // The brush slants the level stroke a little: each stroke is looked for in a band.
    int level = 0, upright = 0, corners = 0;
    for (int y = 0; y < 256; ++y) {
      for (int x = 0; x < 256; ++x) {
        if (!dark(x, y)) continue;
        const bool inLevel = y >= 100 && y < 160 && x >= 30 && x < 226;
        const bool inUpright = x >= 108 && x < 148 && y >= 30 && y < 226;
        level += inLevel && !inUpright;
        upright += inUpright && !inLevel;
        corners += !inLevel && !inUpright;
      }
    }
    EXPECT_GT(level, 300) << name;
    EXPECT_GT(upright, 300) << name;
    EXPECT_EQ(corners, 0) << name;
  }

  TempDir dir;
  std::string userFolder;
  std::filesystem::path pictures;
  ManualClock clock;
  CTmbView* view = nullptr;
  std::unique_ptr<PenEvents> pen;
};

TEST_F(Registration, AListNamedOnTheCommandLineIsWrittenCharacterByCharacterIntoPictures) {
  const std::filesystem::path list = dir / "list.txt";
  WriteBytes(list, {0x82, 0xA0, 0x82, 0xA2, '?'});  // "あい?" in Shift-JIS
  ASSERT_TRUE(StartWith("/t \"" + list.string() + "\" /d \"" + pictures.string() + "\""));
  CRegistrationPanel& panel = Panel();
  ASSERT_EQ(panel.m_bShown, 1);
  ASSERT_EQ(panel.m_entries.size(), 3u);
  EXPECT_EQ(panel.m_szFolder, pictures.string());
  EXPECT_EQ(panel.m_nCurrent, 0);
  EXPECT_EQ(panel.Prompt(), "「 あ 」を書き込んでください   ");
  ASSERT_TRUE(view->m_edit);
  EXPECT_EQ(view->m_edit->toPlainText(), QString::fromUtf8("あい?"));

  const char* names[] = {"__あ.bmp", "__い.bmp", "_3f.bmp"};
  for (int i = 0; i < 3; ++i) {
    WriteCross();
    CTmbDoc* doc = view->GetDocument();
    ASSERT_GT(doc->m_char.m_nPoints, 0) << i;
    PressButton(0);
    ASSERT_TRUE(std::filesystem::exists(pictures / names[i])) << names[i];
    ExpectCross(pictures / names[i], std::to_string(i));
    EXPECT_EQ(doc->m_char.m_nPoints, 0) << "the next character starts on clean paper";
  }
  EXPECT_EQ(panel.Prompt(), "文字は全て登録済みです");
  for (const CRegistrationEntry& e : panel.m_entries) EXPECT_EQ(e.done, 1);
  EXPECT_TRUE(messages.ids.empty());

  // Another picture of あ is numbered on; with the overwrite option the plain name is kept.
  panel.m_nCurrent = 0;
  WriteCross();
  PressButton(0);
  EXPECT_TRUE(std::filesystem::exists(pictures / "__あ_2.bmp"));
  panel.m_nCurrent = 0;
  panel.m_bOverwrite = 1;
  WriteCross();
  PressButton(0);
  EXPECT_FALSE(std::filesystem::exists(pictures / "__あ_3.bmp"));

  // With the save-data option a character data file joins the picture and becomes the
  // document's file, which the File menu's save writes again.
  panel.m_nCurrent = 1;
  panel.m_bSaveData = 1;
  WriteCross();
  PressButton(0);
  const std::filesystem::path data = pictures / "__い.wdf";
  ASSERT_TRUE(std::filesystem::exists(data));
  EXPECT_EQ(gDrawState.m_szCharFilePath, data.string());
  std::filesystem::remove(data);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "保存"}));
  EXPECT_TRUE(std::filesystem::exists(data)) << "saved to the document's path, no chooser asked";
  // Confirming with nothing written saves nothing.
  panel.m_nCurrent = 1;
  PressButton(0);
  EXPECT_EQ(messages.ids, (std::vector<int>{62062}));
}

TEST_F(Registration, TheCaretInTheTextBoxChoosesTheCurrentCharacter) {
  ASSERT_TRUE(StartWith(""));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  ASSERT_TRUE(view->m_edit);
  view->m_edit->setPlainText(QString::fromUtf8("𠀋 字\n形"));
  ASSERT_EQ(Panel().m_entries.size(), 3u);
  struct Case {
    int caret;
    int current;
  } cases[] = {{0, 0}, {2, 1}, {3, 1}, {5, 2}, {6, -1}};
  for (const Case& c : cases) {
    QTextCursor cursor = view->m_edit->textCursor();
    cursor.setPosition(c.caret);
    view->m_edit->setTextCursor(cursor);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(view->m_edit, &up);
    EXPECT_EQ(Panel().m_nCurrent, c.current) << c.caret;
    const QRect caret = view->m_edit->cursorRect();
    EXPECT_EQ(Panel().m_ptCaret, (Point{caret.left(), caret.top() + 1})) << c.caret;
  }
  // A right click notes the caret and keeps the current character; a left click takes
  // the character at the caret.
  QTextCursor cursor = view->m_edit->textCursor();
  cursor.setPosition(5);
  view->m_edit->setTextCursor(cursor);
  Panel().m_nCurrent = 0;
  Panel().m_ptCaret = {};
  QWidget* area = view->m_edit->viewport();
  const QPoint p = view->m_edit->cursorRect().center();
  QTest::mouseRelease(area, Qt::RightButton, Qt::NoModifier, p);
  EXPECT_EQ(Panel().m_nCurrent, 0);
  EXPECT_NE(Panel().m_ptCaret, Point{});
  QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, p);
  EXPECT_EQ(Panel().m_nCurrent, 2);
}

TEST_F(Registration, TheOptionsDialogSetsTheOptionsAndTheSizeOfThePictureBox) {
  ASSERT_TRUE(StartWith(""));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  const std::string other = (dir / "other").string();
  std::filesystem::create_directories(other);
  dialogs.Then([&](ui::DialogWindow& d) {
    ScriptedDialogs::Check(d, 188, true);  // code names
    ScriptedDialogs::Check(d, 189, true);  // the picture box
    ScriptedDialogs::Type(d, 103, "300");
    ScriptedDialogs::Type(d, 102, QString::fromStdString(other));
    return ScriptedDialogs::PressOk(d);
  });
  PressButton(3);
  CRegistrationPanel& panel = Panel();
  EXPECT_EQ(panel.m_bCodeNames, 1);
  EXPECT_EQ(panel.m_bPictureBox, 1);
  EXPECT_EQ(panel.m_sizePicture, (Size{300, 300}));
  EXPECT_EQ(panel.m_rcPanel.Width(), 300);
  EXPECT_EQ(panel.m_rcPicture.Width(), 300);
  EXPECT_EQ(panel.m_szFolder, other);
  // A list information file whose box is outside 256..384 keeps the size.
  const std::filesystem::path info = dir / "list.inf";
  WriteBytes(info, ListInfoFileBytes(200, 300, 1, "", {0x41}));
  gDrawState.m_szArgF = info.string();
  CTmbView::ClientDC dc(*view);
  ASSERT_EQ(view->LoadRegistrationList(dc), 1);
  EXPECT_EQ(panel.m_sizePicture, (Size{300, 300}));
  EXPECT_EQ(panel.m_entries.size(), 1u);
}

TEST_F(Registration, TheOptionsFolderButtonBrowsesForThePictureFolderUnderItsTitle) {
  ASSERT_TRUE(StartWith(""));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  const std::string start = Panel().m_szFolder;
  const std::string chosen = (dir / "chosen").string();
  std::filesystem::create_directories(chosen);
  auto browse = [](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, 135);  // "フォルダの参照..."
    return d.result() == QDialog::Accepted ? ui::kIdOk : 0;
  };
  // Cancelled, the folder stays; chosen, it becomes the picture folder.
  dialogs.Then(browse);
  PressButton(3);
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].title, "登録画像の保存フォルダ");
  EXPECT_EQ(chooser.asked[0].folder, start);
  EXPECT_EQ(Panel().m_szFolder, start);
  chooser.Next(chosen);
  dialogs.Then(browse);
  PressButton(3);
  ASSERT_EQ(chooser.asked.size(), 2u);
  EXPECT_EQ(chooser.asked[1].title, "登録画像の保存フォルダ");
  EXPECT_EQ(Panel().m_szFolder, chosen);
}

TEST_F(Registration, ASaveIntoAFolderThatWentAwayIsToldAndLeavesTheCharacterUnregistered) {
  const std::filesystem::path list = dir / "list.txt";
  WriteBytes(list, {'A', 'B'});
  ASSERT_TRUE(StartWith("/t \"" + list.string() + "\" /d \"" + pictures.string() + "\""));
  std::filesystem::remove_all(pictures);
  WriteCross();
  PressButton(0);
  EXPECT_EQ(messages.ids, (std::vector<int>{kMsgOpenFile}));
  ASSERT_FALSE(messages.texts.empty());
  EXPECT_NE(messages.texts.back().find("_A.bmp"), std::string::npos);
  EXPECT_EQ(Panel().m_entries[0].done, 0);
  EXPECT_EQ(Panel().m_nCurrent, 0);
}

TEST_F(Registration, AListInformationFileSetsTheBoxTheFolderAndAWideListOfCodes) {
  const std::filesystem::path info = dir / "list.inf";
  WriteBytes(info, ListInfoFileBytes(300, 300, 3, "c:\\work\\marks\\", {0x3042, 0x41, 0x3F}));
  ASSERT_TRUE(StartWith("/f \"" + info.string() + "\""));
  CRegistrationPanel& panel = Panel();
  ASSERT_EQ(panel.m_bShown, 1);
  EXPECT_EQ(panel.m_bWide, 1);
  EXPECT_EQ(panel.m_entries.size(), 3u);
  EXPECT_EQ(panel.m_sizePicture, (Size{300, 300}));
  EXPECT_EQ(panel.m_rcPanel.Width(), 300);
  EXPECT_EQ(panel.m_bCodeNames, 1);
  EXPECT_EQ(panel.m_szFolder, (std::filesystem::path(userFolder) / "marks").string());
  EXPECT_TRUE(std::filesystem::is_directory(panel.m_szFolder));
  EXPECT_FALSE(view->m_edit && view->m_edit->isVisible());
  // The boxes select their characters; the code option names the pictures.
  Click(panel.BoxOf(1));
  EXPECT_EQ(panel.m_nCurrent, 1);
  WriteCross();
  PressButton(0);
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(panel.m_szFolder) / "_0041.bmp"));
}

TEST_F(Registration, DamagedListInformationFilesAreRefusedAndChangeNothing) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"short header", {1, 0, 1, 0}},
      {"negative count", ListInfoFileBytes(300, 300, -2, "", {})},
      {"records missing", ListInfoFileBytes(300, 300, 3, "", {0x41})},
  };
  for (const Case& c : cases) {
    const std::filesystem::path info = dir / "bad.inf";
    WriteBytes(info, c.bytes);
    messages.ids.clear();
    ASSERT_TRUE(StartWith("/f \"" + info.string() + "\"")) << c.what;
    EXPECT_EQ(messages.ids, (std::vector<int>{kMsgOpenInfoFile})) << c.what;
    EXPECT_TRUE(Panel().m_entries.empty()) << c.what;
    EXPECT_EQ(Panel().m_sizePicture, (Size{128, 128})) << c.what;
    TearDown();
    SetUp();
  }
}

TEST_F(Registration, DamagedAndOversizedListsAreToldOnceAndReadAsFarAsTheyAreCharacters) {
  ASSERT_TRUE(StartWith("/t \"" + (dir / "none.txt").string() + "\""));
  EXPECT_EQ(messages.ids, (std::vector<int>{kMsgOpenFile}));
  messages.ids.clear();
  CRegistrationPanel& panel = Panel();
  CTmbView::ClientDC dc(*view);
  const std::filesystem::path list = dir / "damaged.txt";
  WriteBytes(list, {'A', 0x81, 0x0A, 'B', 0x82});
  ASSERT_EQ(view->LoadCharacterList(dc, list.string()), 1);
  EXPECT_EQ(panel.m_entries.size(), 2u);
  EXPECT_EQ(messages.ids, (std::vector<int>{kMsgBadListBytes}));
  messages.ids.clear();
  // A list over 1 MiB is not read: the list stays.
  WriteBytes(list, std::vector<uint8_t>(size_t(2) << 20, 'A'));
  EXPECT_EQ(view->LoadCharacterList(dc, list.string()), 0);
  EXPECT_EQ(messages.ids, (std::vector<int>{kMsgOpenFile}));
  EXPECT_EQ(panel.m_entries.size(), 2u);
  // FF FE alone: an empty wide list.
  WriteBytes(list, {0xFF, 0xFE});
  ASSERT_EQ(view->LoadCharacterList(dc, list.string()), 1);
  EXPECT_TRUE(panel.m_entries.empty());
  EXPECT_EQ(panel.m_bWide, 1);
  EXPECT_EQ(panel.Prompt(), "文字の書き込みが可能です");
}

TEST_F(Registration, AListFileChosenFromTheTextButtonIsReadAfterTheChoosersClicksAreDropped) {
  ASSERT_TRUE(StartWith(""));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  const std::filesystem::path list = dir / "chosen.txt";
  WriteBytes(list, {'A', 'B'});
  struct Pending : MouseQueue {
    int taken = 0;
    int TakeMouseMessage(bool) override {
      ++taken;
      return kMouseNone;
    }
  } pending;
  MouseQueue& before = Mouse();
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, 135);  // from a file
    return ui::kIdOk;
  });
  chooser.Next(list.string());
  view->area()->verticalScrollBar()->setValue(0);
  QCoreApplication::processEvents();
  const Rect b = Panel().m_rcButtons[2];
  const Point mid{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
  pen->Press(At(mid));
  SetMouseQueue(&pending);
  pen->Release(At(mid));
  SetMouseQueue(&before);
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].filter, "(*.txt)|*.txt|(*.*)|*.*||");
  // Twice one message of the window and one of the program.
  EXPECT_EQ(pending.taken, 4);
  ASSERT_EQ(Panel().m_entries.size(), 2u);
  EXPECT_EQ(Panel().m_nCurrent, 0);
}

// A list file chosen from ﾃｷｽﾄ読込 reads in UTF-8, with or without its byte order mark, or
// in code page 932; a UTF-8 file whose bytes are code page 932 as well reads as that.
TEST_F(Registration, TheTextButtonReadsAListFileInUTF8OrCodePage932) {
  ASSERT_TRUE(StartWith(""));
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"编辑", "手書き文字登録"}));
  const std::filesystem::path list = dir / "list.txt";
  for (const TextFileForm& form : TextFileForms("一二三", "山川木")) {
    SCOPED_TRACE(form.what);
    WriteBytes(list, {form.bytes.begin(), form.bytes.end()});
    dialogs.Then([](ui::DialogWindow& d) {
      ScriptedDialogs::Click(d, 135);  // from a file
      return ui::kIdOk;
    });
    chooser.Next(list.string());
    PressButton(2);  // ﾃｷｽﾄ読込
    const QString read = QString::fromStdString(form.read);
    EXPECT_EQ(view->m_edit->toPlainText(), read);
    EXPECT_EQ(Panel().m_entries.size(), size_t(read.size()));
    EXPECT_EQ(Panel().Prompt(), "「 " + read.left(1).toStdString() + " 」を書き込んでください   ");
  }
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(Registration, TheEditMenuShowsAndHidesThePanelAndAPastedListIsLookedUp) {
  ASSERT_TRUE(StartWith(""));
  EXPECT_EQ(Panel().m_bShown, 0);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  EXPECT_EQ(Panel().m_bShown, 1);
  EXPECT_EQ(Panel().m_szFolder, (std::filesystem::path(userFolder) / "fontbmp").string());
  // The clipboard's text replaces the text box's and becomes the list; a picture already
  // there marks its character. Nothing else happens: no character is made current, and
  // what was written stays.
  Panel().m_szFolder = pictures.string();
  WriteBytes(pictures / "__字.bmp", {0});
  view->m_edit->setPlainText(QStringLiteral("ABC"));
  WriteCross();
  const int written = view->GetDocument()->m_char.m_nPoints;
  ASSERT_GT(written, 0);
  MemoryClipboard clipboard;
  clipboard.text = QString::fromUtf8("字 形");
  dialogs.Then([](ui::DialogWindow&) { return ui::kIdOk; });  // the clipboard, not a file
  PressButton(2);
  EXPECT_EQ(view->m_edit->toPlainText(), QString::fromUtf8("字 形"));
  ASSERT_EQ(Panel().m_entries.size(), 2u);
  EXPECT_EQ(Panel().m_entries[0].done, 1);
  EXPECT_EQ(Panel().m_nCurrent, -1);
  EXPECT_EQ(view->GetDocument()->m_char.m_nPoints, written);
  // Typing into the text box reads the list again.
  view->m_edit->setPlainText(QString::fromUtf8("形字"));
  EXPECT_EQ(Panel().m_entries[1].done, 1);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  EXPECT_EQ(Panel().m_bShown, 0);
  EXPECT_EQ(view->m_nMode, CTmbView::kModeDraw);
}

}  // namespace
}  // namespace tmb::test
