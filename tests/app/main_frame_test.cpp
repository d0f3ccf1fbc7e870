#include "app/main_frame.h"

#include <QAction>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/dummy_doc.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "export/picture/picture_file_writer.h"
#include "imageedit/view/bmp_view_window.h"
#include "resources/command_ids.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "support/ui/memory_clipboard.h"
#include "support/ui/paint_counter.h"
#include "imageedit/view/picture_commands.h"

namespace tmb::test {
namespace {

using MainFrameTest = AppTest;

CTmbDocument* DocOf(int kind) { return qobject_cast<CTmbDocument*>(GetDocumentOfKind(kind)); }

// Marks the drawn character of window kind as changed, as pen input does.
void Change(int kind) { DocOf(kind)->DrawnRecord()->m_bModified = 1; }

TEST_F(MainFrameTest, ClosingWithNothingChangedAsksNothing) {
  ASSERT_TRUE(Start());
  QPointer<CMainFrame> main = frame();
  EXPECT_EQ(main->AskSaveChanges(1, 1), 0);
  main->close();
  FlushDeletes();
  EXPECT_TRUE(main.isNull());
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(machine.speedsSet, std::vector<int>{10});  // the speed read at start is restored
}

TEST_F(MainFrameTest, SaveQuestionsFollowTheAnswers) {
  ASSERT_TRUE(Start());
  theApp.OpenImageEditor();
  Change(kKindDrawB);
  GetDocumentOfKind(kKindImageEditor)->SetModified();
  auto* picture = qobject_cast<CDummyDoc*>(GetDocumentOfKind(kKindImageEditor));
  ASSERT_TRUE(picture);
  int pictureSaves = 0;
  picture->SetImageSaver([&] { return ++pictureSaves > 0; });
  TempDir dir;
  const std::string saved = (dir / "saved.wdf").string();
  struct Case {
    std::vector<int> answers;
    int result;
    std::vector<int> asked;
    int charSaves, pictureSaves;
  } cases[] = {
      {{kAnswerCancel}, -1, {62054}, 0, 0},
      {{kAnswerNo, kAnswerCancel}, -1, {62054, 62055}, 0, 0},
      {{kAnswerNo, kAnswerNo}, 0, {62054, 62055}, 0, 0},
      {{kAnswerYes, kAnswerNo}, 1, {62054, 62055}, 1, 0},
  };
  for (const Case& c : cases) {
    messages.ids.clear();
    for (int a : c.answers) messages.Answer(a);
    const size_t charBefore = chooser.asked.size();
    std::filesystem::remove(saved);
    chooser.Next(saved);
    EXPECT_EQ(frame()->AskSaveChanges(1, 1), c.result);
    EXPECT_EQ(messages.ids, c.asked);
    EXPECT_EQ(static_cast<int>(chooser.asked.size() - charBefore), c.charSaves);
    EXPECT_EQ(std::filesystem::exists(saved), c.charSaves == 1);
    EXPECT_EQ(pictureSaves, c.pictureSaves);
    Change(kKindDrawB);
  }
  // Yes to the picture saves it, as a whole picture.
  messages.ids.clear();
  gDrawState.m_nSaveRange = 1;
  messages.Answer(kAnswerNo);
  messages.Answer(kAnswerYes);
  EXPECT_EQ(frame()->AskSaveChanges(1, 1), 1);
  EXPECT_EQ(pictureSaves, 1);
  EXPECT_FALSE(picture->IsModified());
  EXPECT_EQ(gDrawState.m_nSaveRange, 0);
}

TEST_F(MainFrameTest, CancelKeepsTheWindowOpen) {
  ASSERT_TRUE(Start());
  Change(kKindDrawA);
  messages.Answer(kAnswerCancel);
  QPointer<CMainFrame> main = frame();
  EXPECT_FALSE(main->close());
  FlushDeletes();
  ASSERT_FALSE(main.isNull());
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(main->ChildFrames().size(), 2u);
  EXPECT_EQ(messages.ids, std::vector<int>{62054});
}

TEST_F(MainFrameTest, ASaveThatDidNotHappenKeepsTheWindowAndTheChanges) {
  ASSERT_TRUE(Start());
  Change(kKindDrawA);
  QPointer<CMainFrame> main = frame();
  // Yes, then the save dialog is cancelled.
  messages.Answer(kAnswerYes);
  EXPECT_FALSE(main->close());
  FlushDeletes();
  ASSERT_FALSE(main.isNull());
  EXPECT_TRUE(DocOf(kKindDrawA)->IsModified());
  // Yes, and the file cannot be written.
  messages.Answer(kAnswerYes);
  chooser.Next("/nowhere/at/all/x.wdf");
  EXPECT_EQ(main->AskSaveChanges(1, 0), -1);
  EXPECT_TRUE(DocOf(kKindDrawA)->IsModified());
  EXPECT_EQ(messages.ids, (std::vector<int>{62054, 62054, 62047}));

  // Yes to the picture, and its save fails.
  theApp.OpenImageEditor();
  auto* picture = qobject_cast<CDummyDoc*>(GetDocumentOfKind(kKindImageEditor));
  ASSERT_TRUE(picture);
  picture->SetModified();
  picture->SetImageSaver([] { return false; });
  messages.Answer(kAnswerYes);
  EXPECT_EQ(main->AskSaveChanges(0, 1), -1);
  EXPECT_TRUE(picture->IsModified());
}

TEST_F(MainFrameTest, DroppedCharacterFilesLoadAndOtherFilesBeep) {
  TempDir dir;
  const WdfBlock part1 = CharPart(1, {{10, 20, 1, -1}});
  const WdfBlock part2 = CharPart(0, {{30, 40, 1, -1}, {31, 41, 0, -1}});
  WriteFileBytes(dir / "B.WDF", BuildWdfFile({part1, part2}));
  WriteFileBytes(dir / "a.wdf", BuildWdfFile({part2, part1}));
  ASSERT_TRUE(Start());
  gDrawState.m_nCurDrawKind = 2;
  const QString upper = QString::fromStdString((dir / "B.WDF").string());
  const QString lower = QString::fromStdString((dir / "a.wdf").string());
  frame()->OnDropFiles({upper, lower});  // only the first is taken
  EXPECT_EQ(DocOf(kKindDrawA)->DrawnRecord()->m_nPoints, 1);
  EXPECT_EQ(DocOf(kKindDrawB)->DrawnRecord()->m_nPoints, 2);
  EXPECT_EQ(gDrawState.m_szCharFilePath, upper.toStdString());
  EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Tamberi - B.WDF"));
  EXPECT_EQ(messages.beeps, 0);

  frame()->OnDropFiles({QString::fromStdString((dir / "notes.txt").string())});
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(gDrawState.m_szCharFilePath, upper.toStdString());
  // A dropped file that is no character file is told, and the file of the characters stays.
  WriteFileBytes(dir / "fake.wdf", {'n', 'o', 't', ' ', 'o', 'u', 'r', 's'});
  frame()->OnDropFiles({QString::fromStdString((dir / "fake.wdf").string())});
  EXPECT_EQ(messages.ids, std::vector<int>{62051});
  EXPECT_EQ(gDrawState.m_szCharFilePath, upper.toStdString());
  EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Tamberi - B.WDF"));
}

TEST_F(MainFrameTest, ADroppedPictureOpensTheImageEditorAndNamesTheTitle) {
  ASSERT_TRUE(Start());
  TempDir dir;
  Surface picture;
  ASSERT_TRUE(picture.Create(40, 30, PixelFormat::kColour32));
  picture.Fill(0x00FF00);
  const std::string path = (dir / "Scan.BMP").string();
  ASSERT_EQ(WritePictureFile(nullptr, &picture, nullptr, path, 40, 30, kFormatBmp), 1);
  gDrawState.m_szCharFilePath = "/data/chars/a.wdf";
  frame()->OnDropFiles({QString::fromStdString(path)});
  EXPECT_EQ(theApp.m_bImageEditorOpen, 1);
  EXPECT_EQ(gDrawState.m_szPictureFilePath, path);
  EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Tamberi - a.wdf , Scan.BMP"));
  ASSERT_NE(GetViewOfKind(kKindImageEditor), nullptr);
  ASSERT_NE(CBmpViewWindow::Instance(), nullptr);
  EXPECT_EQ(CBmpViewWindow::Instance()->editor().m_bmpWork.GetPixel(39, 29), 0x00FF00u);

  // A picture that cannot be read is said so, and the title keeps the picture it had.
  frame()->OnDropFiles({QStringLiteral("/pictures/missing.bmp")});
  EXPECT_EQ(messages.ids, std::vector<int>{62047});
  EXPECT_EQ(gDrawState.m_szPictureFilePath, path);
  EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Tamberi - a.wdf , Scan.BMP"));
}

TEST_F(MainFrameTest, CommandsWithoutAHandlerAreDisabled) {
  ASSERT_TRUE(Start());
  frame()->UpdateAllActions();
  struct Case {
    int id;
    bool enabled;
  } cases[] = {
      {32834, false},  // a toolbar button without a command
      {33005, true},   // the toolbar's pop-up menu
      {33135, true},   // the dictionary dialog
      {kCmdPenSettings, true},
      {kCmdFileOpen, true},
      {kCmdFileSaveAs, true},
      {kCmdFileSave, false},  // no file to save to yet
      {kCmdFileExit, true},
      {kCmdAppAbout, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(frame()->QueryCommand(c.id).enabled(), c.enabled) << c.id;
    QAction* action = frame()->ActionOf(c.id);
    ASSERT_TRUE(action) << c.id;
    EXPECT_EQ(action->isEnabled(), c.enabled) << c.id;
  }
  EXPECT_FALSE(frame()->ExecuteCommand(32834));
  TempDir dir;
  chooser.Next((dir / "x.wdf").string());
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdFileSaveAs));
  EXPECT_TRUE(frame()->QueryCommand(kCmdFileSave).enabled());
}

TEST_F(MainFrameTest, MenusToolbarAndKeysComeFromTheResources) {
  ASSERT_TRUE(Start());
  QStringList titles;
  for (QAction* a : frame()->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles.first(), QString::fromUtf8("文件(&F)"));
  EXPECT_EQ(titles.last(), QString::fromUtf8("帮助(&H)"));
  // The basic settings and one style never show in a menu.
  std::function<bool(const QList<QAction*>&, int)> holds = [&](const QList<QAction*>& actions, int id) {
    for (QAction* a : actions) {
      if (a->menu() ? holds(a->menu()->actions(), id) : a->data().toInt() == id) return true;
    }
    return false;
  };
  const QList<QAction*> top = frame()->menuBar()->actions();
  EXPECT_TRUE(holds(top, 32817));
  EXPECT_TRUE(holds(top, 33194));
  EXPECT_FALSE(holds(top, kCmdBasicSettings));
  EXPECT_FALSE(holds(top, kCmdStyleKaisho));

  QList<QAction*> buttons = frame()->toolBar()->actions();
  ASSERT_EQ(buttons.size(), 24);
  int separators = 0;
  for (QAction* b : buttons) {
    if (b->isSeparator()) {
      ++separators;
    } else {
      EXPECT_FALSE(b->icon().isNull()) << b->data().toInt();
    }
  }
  EXPECT_EQ(separators, 6);
  EXPECT_EQ(frame()->ActionOf(kCmdFileOpen)->shortcut(), QKeySequence(QKeySequence::Open));
  // Ctrl+Z, Home and Backspace belong to the drawing view; keys of our own reach the
  // commands no menu carries.
  EXPECT_TRUE(frame()->ActionOf(kCmdEditUndo)->shortcut().isEmpty());
  for (QAction* action : frame()->actions()) {
    for (QKeySequence key : {QKeySequence(QKeySequence::Undo), QKeySequence(Qt::Key_Home),
                             QKeySequence(Qt::Key_Backspace)}) {
      EXPECT_NE(action->shortcut(), key) << action->data().toInt();
    }
  }
  EXPECT_EQ(frame()->ActionOf(kCmdReopenA)->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(frame()->ActionOf(kCmdRedrawSettingsPanel)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F5));
}

TEST_F(MainFrameTest, TheCancelOfALongOperationIsShownWhileOfferedAndTakesAClick) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame()));
  QPushButton* cancel = frame()->progressCancel();
  ASSERT_NE(cancel, nullptr);
  EXPECT_FALSE(cancel->isVisible());
  {
    tmb::CancellableProgress progress;
    EXPECT_TRUE(cancel->isVisible());
    EXPECT_FALSE(progress.Cancelled());
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_TRUE(progress.Cancelled());
  }
  EXPECT_FALSE(cancel->isVisible());
  tmb::CancellableProgress again;
  EXPECT_FALSE(again.Cancelled()) << "a new offer starts uncancelled";
}

TEST_F(MainFrameTest, ProgressSkipsARepeatedPosition) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame()));
  QProgressBar* bar = frame()->progressBar();
  PaintCounter counter;
  counter.Watch(bar);
  frame()->SetProgressPos(10);
  EXPECT_EQ(bar->value(), 10);
  const int afterFirst = counter.paints;
  EXPECT_GT(afterFirst, 0);
  frame()->SetProgressPos(10);
  EXPECT_EQ(counter.paints, afterFirst);
  tmb::Progress().SetPos(40);  // the engines' road
  EXPECT_EQ(bar->value(), 40);
  gDrawState.m_bNoProgress = 1;
  frame()->SetProgressPos(70);
  EXPECT_EQ(bar->value(), 40);
}

TEST_F(MainFrameTest, ClosingEmptiesTheClipboardOfThisProgramsPictureAndReleasesIt) {
  MemoryClipboard clipboard;
  ASSERT_TRUE(Start());
  ShowAndPaint();
  ASSERT_EQ(gDrawState.m_bmpWork.size(), gDrawState.m_sizeCanvas) << "the canvas start-up made the work bitmap";
  SendImageToClipboard(kKindDrawA, 1);
  ASSERT_EQ(gDrawState.m_bClipboardOwned, 1);
  ASSERT_EQ(gDrawState.m_bmpClipboard.m_bCreated, 1);
  EXPECT_FALSE(clipboard.image.isNull());
  frame()->close();
  EXPECT_TRUE(clipboard.image.isNull());
  EXPECT_EQ(gDrawState.m_bmpClipboard.m_bCreated, 0);
  EXPECT_EQ(gDrawState.m_bClipboardOwned, 0);
  FlushDeletes();
  EXPECT_EQ(gDrawState.m_bmpWork.m_bCreated, 0) << "released with the main window";
}

TEST_F(MainFrameTest, HelpWithoutItsFileSaysWhereItLooked) {
  ASSERT_TRUE(Start());
  theApp.m_strHelpPath = "/nowhere/tamberi.chm";
  frame()->WinHelp(0);
  ASSERT_EQ(messages.ids, std::vector<int>{61510});
  EXPECT_NE(messages.texts[0].find("/nowhere/tamberi.chm"), std::string::npos);
}

TEST_F(MainFrameTest, ActivatingAViewBringsItsFrameForward) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindDrawA);
  frame()->ActivateViewOfKind(kKindDrawB, 0);
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindDrawB);
  frame()->ActivateViewOfKind(kKindImageEditor, 0);
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindImageEditor);
  EXPECT_EQ(theApp.m_bImageEditorOpen, 1);
}

}  // namespace
}  // namespace tmb::test
