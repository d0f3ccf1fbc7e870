#include <QFile>
#include <QLineEdit>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "app/view_classes.h"
#include "core/canvas/work_canvas.h"
#include "core/document/doc_windows.h"
#include "core/record/char_slots.h"
#include "platform/ui/settings_profile.h"
#include "resources/command_ids.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "views/data_file_tree.h"

namespace tmb::test {
namespace {

using StartUp = AppTest;

// A character file of two parts: one point in part 1 and parameter 3 set to width.
void WriteFile(const std::filesystem::path& path, int width = 40) {
  WriteFileBytes(path, BuildWdfFile({CharPart(1, {{120, 130, 1, -1}}, width), CharPart(0, {}, width)}));
}

CTmbDocument* SharedDoc() { return qobject_cast<CTmbDocument*>(theApp.m_pSharedDoc.data()); }

TEST_F(StartUp, OpensWindowsAAndBAsThreePaneFramesWithADrawingViewActive) {
  ASSERT_TRUE(Start());
  ASSERT_EQ(frame()->ChildFrames().size(), 2u);
  CFrame_View* a = FrameOfKind(kKindDrawA);
  CFrame_View* b = FrameOfKind(kKindDrawB);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->windowTitle(), QString::fromUtf8("书写窗口A"));
  EXPECT_EQ(b->windowTitle(), QString::fromUtf8("书写窗口B"));
  for (CFrame_View* f : {a, b}) {
    QSplitter* split = f->splitter();
    ASSERT_EQ(split->count(), 3);
    const int classes[] = {kViewList, kViewTmb, kViewSet};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(static_cast<ui::View*>(split->widget(i))->viewClass(), classes[i]);
    EXPECT_EQ(f->activeView(), split->widget(1));
    EXPECT_EQ(split->sizes()[0], 0);  // the tree starts closed
    EXPECT_LE(split->widget(2)->width(), gDrawState.m_layout[kLayoutPanelPane].Width());
  }
  // B opens one caption button right of and below A.
  const int g = TestScreen().captionButtonHeight;
  EXPECT_EQ(b->pos(), a->pos() + QPoint(g, g));
  EXPECT_EQ(frame()->ActiveChildFrame(), a);
  EXPECT_EQ(frame()->currentMenu(), 1233);
  EXPECT_EQ(gDrawState.m_bMultiDoc, 1);
  EXPECT_EQ(theApp.m_pSharedDoc, theApp.m_pKindDoc[0]);
  EXPECT_NE(theApp.m_pKindDoc[0], theApp.m_pKindDoc[2]);
  EXPECT_EQ(gWorkCanvas.m_width, 500);
  EXPECT_TRUE(messages.ids.empty());
}

// The data-file tree opens with the parent of the folder the program was started in
// expanded and at its top, the start folder in sight below it.
TEST_F(StartUp, TheDataFileTreeShowsTheStartFoldersParentOpenedAtItsTop) {
  TempDir dir;
  const std::filesystem::path start = dir / "works" / "characters";
  std::filesystem::create_directories(start);
  // Folders enough beside it that the parent can be scrolled to the top.
  for (int i = 0; i < 60; ++i) std::filesystem::create_directories(dir / "works" / ("sketches" + std::to_string(i)));
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(start);
  const bool started = Start();
  std::filesystem::current_path(before);
  ASSERT_TRUE(started);
  CFrame_View* a = FrameOfKind(kKindDrawA);
  ASSERT_TRUE(a);
  a->splitter()->setSizes({300, 600, 300});
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame()));
  CListv* list = a->findChild<CListv*>();
  ASSERT_TRUE(list);
  QTreeWidget* tree = list->tree();
  QTreeWidgetItem* top = tree->itemAt(QPoint(4, 4));
  ASSERT_TRUE(top);
  EXPECT_EQ(CListv::PathOf(top), (dir / "works").string());
  EXPECT_TRUE(top->isExpanded());
  // The start folder among its parent's folders.
  bool listed = false;
  for (int c = 0; c < top->childCount(); ++c) listed = listed || CListv::PathOf(top->child(c)) == start.string();
  EXPECT_TRUE(listed);
}

TEST_F(StartUp, KindLookupsPairViewsAndDocumentsOfOneWindow) {
  ASSERT_TRUE(Start());
  ui::Document* docA = theApp.m_pKindDoc[0];
  ui::Document* docB = theApp.m_pKindDoc[2];
  ui::View* viewA = FrameOfKind(kKindDrawA)->activeView();
  ui::View* viewB = FrameOfKind(kKindDrawB)->activeView();
  struct Case {
    int current;
    int kind;
    ui::Document* doc;
    ui::View* view;
  } cases[] = {
      {0, -1, docA, viewA}, {2, -1, docB, viewB}, {1, -1, docB, viewB}, {4, -1, docB, viewB},
      {2, 0, docA, viewA},  {0, 2, docB, viewB},  {0, 1, nullptr, nullptr}, {0, 3, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "current " << c.current << " kind " << c.kind);
    gDrawState.m_nCurDrawKind = c.current;
    EXPECT_EQ(GetDocumentOfKind(c.kind), c.doc);
    EXPECT_EQ(GetViewOfKind(c.kind), c.view);
  }
  // Kinds whose document was never opened answer null without a beep.
  EXPECT_EQ(messages.beeps, 0);
  // The settings panel of the current window.
  gDrawState.m_nCurDrawKind = 2;
  ui::View* panel = GetViewOfKind(kKindSettings);
  ASSERT_TRUE(panel);
  EXPECT_EQ(panel->viewClass(), kViewSet);
  EXPECT_EQ(panel->document(), docB);
  // A document without a view of the wanted class beeps.
  EXPECT_EQ(frame()->FindViewOfKind(kKindFontAxis), nullptr);
  gDrawState.m_bMultiDoc = 1;
  theApp.m_pKindDoc[4] = docA;
  EXPECT_EQ(frame()->FindViewOfKind(kKindFontAxis), nullptr);
  EXPECT_EQ(messages.beeps, 1);
}

TEST_F(StartUp, TheDrawnRecordsOfTheWindowsAreThoseOfTheirDocuments) {
  ASSERT_TRUE(Start());
  for (int kind : {kKindDrawA, kKindDrawB}) {
    auto* doc = qobject_cast<CTmbDocument*>(theApp.m_pKindDoc[kind].data());
    ASSERT_TRUE(doc) << kind;
    EXPECT_EQ(DrawnRecordOfKind(kind), &doc->engine().m_char) << kind;
    EXPECT_FALSE(doc->IsModified());
    doc->engine().m_char.m_bModified = 1;  // as pen input marks it
    EXPECT_TRUE(doc->IsModified());
  }
  EXPECT_EQ(DrawnRecordOfKind(kKindPreview), nullptr);
  theApp.Reset();
  EXPECT_EQ(DrawnRecordOfKind(kKindDrawA), nullptr);
}

TEST_F(StartUp, WithOneSharedDocumentEveryKindFindsWindowA) {
  ASSERT_TRUE(Start());
  gDrawState.m_bMultiDoc = 0;
  ui::View* viewA = FrameOfKind(kKindDrawA)->activeView();
  gDrawState.m_nCurDrawKind = 2;
  for (int kind : {-1, 0, 1, 2, 3}) EXPECT_EQ(GetDocumentOfKind(kind), theApp.m_pKindDoc[0]) << kind;
  for (int kind : {-1, 0, 2}) EXPECT_EQ(GetViewOfKind(kind), viewA) << kind;
  // The image editor was never opened: no view and no beep. The shared document has no
  // preview: a beep.
  EXPECT_EQ(GetViewOfKind(kKindImageEditor), nullptr);
  EXPECT_EQ(messages.beeps, 0);
  EXPECT_EQ(GetViewOfKind(kKindPreview), nullptr);
  EXPECT_EQ(messages.beeps, 1);
}

// The sheet command of the target characters makes the current window kind 1: the
// current window's view and document are then both B's, never B's view over A's document.
TEST_F(StartUp, TheCurrentWindowsViewAndDocumentAreOneWindowsWhateverTheSheetCommandSet) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdSheetTarget));
  ASSERT_EQ(gDrawState.m_nCurDrawKind, 1);
  ui::View* view = GetViewOfKind(kKindCurrentDraw);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->document(), theApp.m_pKindDoc[2]);
  EXPECT_EQ(GetDocumentOfKind(kKindCurrentDraw), theApp.m_pKindDoc[2]);
}

TEST_F(StartUp, ClosingADrawingWindowClearsOnlyItsOwnFlag) {
  ASSERT_TRUE(Start());
  QPointer<ui::Document> docB = theApp.m_pKindDoc[2];
  DestroyDrawingFrame(kKindDrawB);
  EXPECT_EQ(gDrawState.m_windowOpen[kKindDrawB], 0);
  EXPECT_EQ(gDrawState.m_windowOpen[kKindDrawA], -1);
  EXPECT_TRUE(docB.isNull());
  gDrawState.m_nCurDrawKind = 2;
  EXPECT_EQ(GetDocumentOfKind(-1), nullptr);  // no dangling document
  DestroyDrawingFrame(kKindDrawA);
  EXPECT_EQ(gDrawState.m_windowOpen[kKindDrawA], 0);
}

TEST_F(StartUp, ProfileValuesReadAtStartAreWrittenBackAtShutDown) {
  TempDir dir;
  const QString ini = QString::fromStdString((dir / "profile.ini").string());
  {
    ui::SettingsProfile before(ini);
    before.WriteInt("Data", "CountV3", 7);
    before.WriteInt("Data", "PenRestrain", 2);
    before.WriteInt("Data", "BmpWidthV3", 640);
    before.WriteInt("Data", "BmpHeightV3", 800);
    before.WriteInt("Data", "BackColorA", 0x112233);
    before.WriteInt("SubData", "Total", 1);
    before.WriteString("SubData", "Box1", "(  -4,   5)-(  60,  70)");
  }
  ui::SettingsProfile store(ini);
  SetProfileStore(&store);
  ASSERT_TRUE(Start());
  EXPECT_EQ(gDrawState.m_nStartCount, 7);
  EXPECT_EQ(gDrawState.m_nPenRestrain, 2);
  EXPECT_EQ(gDrawState.m_sizeCanvas, (tmb::Size{500, 750}));  // the saved size is not read
  EXPECT_EQ(gWorkCanvas.m_width, 500);
  EXPECT_EQ(gDrawState.m_crBackA, 0x112233u);
  ASSERT_EQ(gDrawState.m_boxes.size(), 1u);
  EXPECT_EQ(gDrawState.m_boxes[0], (tmb::Rect{-4, 5, 60, 70}));
  gDrawState.m_boxes.push_back({1, 2, 3, 4});
  frame()->close();
  theApp.ExitInstance();
  store.Sync();
  SetProfileStore(&profile);

  ui::SettingsProfile after(ini);
  EXPECT_EQ(after.GetInt("Data", "CountV3", 0), 8);
  EXPECT_EQ(after.GetInt("Data", "PenRestrain", -1), 1);  // the pen switch
  EXPECT_EQ(after.GetInt("Data", "PenSpeed", 0), 3);
  EXPECT_EQ(after.GetInt("Data", "BmpWidthV3", 0), 500);
  EXPECT_EQ(after.GetInt("Data", "BmpHeightV3", 0), 750);
  EXPECT_EQ(after.GetString("Data", "StartLoadFileName", ""), "(Default1)");
  EXPECT_EQ(after.GetInt("SubData", "Total", 0), 2);
  EXPECT_EQ(after.GetString("SubData", "Box2", ""), "(   1,   2)-(   3,   4)");
}

TEST_F(StartUp, CommandLineFilesAndValues) {
  TempDir dir;
  WriteFile(dir / "my char.WDF");
  const std::string present = (dir / "my char.WDF").string();
  ASSERT_TRUE(Start("/T list.txt /d pics \"" + present + "\""));
  EXPECT_EQ(gDrawState.m_szArgT, "list.txt");
  EXPECT_EQ(gDrawState.m_bArgT, 1);
  EXPECT_EQ(gDrawState.m_szArgD, "pics");
  EXPECT_EQ(gDrawState.m_bArgF, 0);
  CTmbDocument* doc = SharedDoc();
  ASSERT_TRUE(doc);
  EXPECT_EQ(gDrawState.m_szCharFilePath, present);
  EXPECT_TRUE(doc->HasPath());
  // The list named with /t starts the registration; it is not there, and the user is told.
  EXPECT_EQ(gDrawState.m_toolPanel.m_bShown, 1);
  EXPECT_EQ(messages.ids, (std::vector<int>{62047}));
  // The registration writes on a clear box; the file's character comes back when it ends.
  EXPECT_EQ(doc->DrawnRecord()->m_nPoints, 0);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  EXPECT_EQ(doc->DrawnRecord()->m_nPoints, 1);
}

TEST_F(StartUp, AMissingCommandLineFileIsReportedAndStartUpGoesOn) {
  ASSERT_TRUE(Start("/nowhere/missing.wdf"));
  EXPECT_EQ(messages.ids, std::vector<int>{62047});
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_TRUE(gDrawState.m_szCharFilePath.empty());
  EXPECT_EQ(frame()->ChildFrames().size(), 2u);
}

TEST_F(StartUp, TheStartFileLoadsQuietlyWithItsExtensionMadeWdf) {
  TempDir dir;
  WriteFile(dir / "start.wdf", 57);
  profile.WriteString("Data", "StartLoadFileName", (dir / "start.txt").string());
  ASSERT_TRUE(Start());
  // Settings only: the start file gives its parameters, keeps no points, gives the
  // windows no path to save to, names itself in the title, and becomes the start
  // settings of slots 4 and 5.
  CTmbDocument* doc = SharedDoc();
  EXPECT_EQ(doc->DrawnRecord()->m_param[3], 57);
  EXPECT_EQ(doc->DrawnRecord()->m_nPoints, 0);
  EXPECT_FALSE(doc->HasPath());
  EXPECT_EQ(gDrawState.m_szCharFilePath, (dir / "start.wdf").string());
  EXPECT_TRUE(frame()->windowTitle().endsWith(QStringLiteral(" - start.wdf"))) << frame()->windowTitle().toStdString();
  EXPECT_EQ(gCharSlots[4].m_param[3], 57);
  EXPECT_EQ(gCharSlots[5].m_param[3], 57);
  EXPECT_EQ(gStartLoading, 0);
  theApp.Reset();

  profile.WriteString("Data", "StartLoadFileName", (dir / "gone.wdf").string());
  ASSERT_TRUE(Start());
  EXPECT_TRUE(messages.ids.empty());  // a missing start file is no error
  theApp.Reset();

  profile.WriteString("Data", "StartLoadFileName", "(Default2)");
  ASSERT_TRUE(Start());
  EXPECT_EQ(gDrawState.m_nStartLoadMode, kStartDefault2);
  EXPECT_NE(SharedDoc()->DrawnRecord()->m_param[3], 57);
}

TEST_F(StartUp, TheStartSettingsDialogIsShownOnlyWhenAskedFor) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(dialogs.shown.empty());
  theApp.Reset();

  profile.WriteInt("Data", "StartSetting", 0);
  profile.WriteInt("Data", "BmpWidthV3", 640);  // the last run's paper is not offered
  dialogs.Then([](ui::DialogWindow& d) {
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(571))->text(), QStringLiteral("500"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(570))->text(), QStringLiteral("750"));
    ScriptedDialogs::Type(d, 571, "800");
    ScriptedDialogs::Type(d, 570, "3001");
    EXPECT_EQ(ScriptedDialogs::PressOk(d), 0);  // out of range: the dialog stays
    ScriptedDialogs::Type(d, 570, "1000");
    ScriptedDialogs::Check(d, 569, true);
    return ScriptedDialogs::PressOk(d);
  });
  ASSERT_TRUE(Start());
  EXPECT_EQ(dialogs.shown, std::vector<int>{283});
  EXPECT_EQ(messages.ids, std::vector<int>{61501});
  EXPECT_EQ(gDrawState.m_sizeCanvas, (tmb::Size{800, 1000}));
  EXPECT_EQ(gWorkCanvas.m_width, 800);
  EXPECT_EQ(gDrawState.m_nStartSetting, 1);
}

TEST_F(StartUp, ADialogThatNeverOpenedChangesNothing) {
  profile.WriteInt("Data", "StartSetting", 0);
  profile.WriteInt("Data", "BmpWidthV3", 640);  // the last run's paper is not offered
  dialogs.Then([](ui::DialogWindow& d) {
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(571))->text(), QStringLiteral("500"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(570))->text(), QStringLiteral("750"));
    ScriptedDialogs::Type(d, 571, "800");
    return ui::kIdFailed;
  });
  ASSERT_TRUE(Start());
  EXPECT_EQ(gDrawState.m_sizeCanvas, (tmb::Size{500, 750}));
  EXPECT_EQ(gDrawState.m_nStartSetting, 0);
}

TEST_F(StartUp, LowDiskSpaceAsksWhetherToGoOn) {
  machine.freeMegabytes = 50;
  messages.Answer(kAnswerNo);
  EXPECT_FALSE(Start());
  EXPECT_EQ(messages.ids, std::vector<int>{62118});
  theApp.Reset();

  messages.Answer(kAnswerYes);
  EXPECT_TRUE(Start());
  theApp.Reset();

  machine.freeMegabytes = 51;
  messages.ids.clear();
  EXPECT_TRUE(Start());
  EXPECT_TRUE(messages.ids.empty());
}

// The new sizes are written at shut-down; the next start takes the data size, while its
// paper starts standard as at every start.
TEST_F(StartUp, BasicSettingsEndTheProgramAndTheNextStartTakesTheDataSize) {
  ASSERT_TRUE(Start());
  gDrawState.m_strStartFile = "/somewhere/x.wdf";
  gDrawState.m_nStartLoadMode = kStartNamedFile;
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 102, "600");
    ScriptedDialogs::Type(d, 111, "2");
    return ScriptedDialogs::PressOk(d);
  });
  messages.Answer(kAnswerOk);
  QPointer<CMainFrame> main = frame();
  theApp.BasicSettingsDialog(0);
  EXPECT_EQ(dialogs.shown, std::vector<int>{235});
  EXPECT_EQ(messages.ids, std::vector<int>{62049});
  EXPECT_EQ(gDrawState.m_strStartFile, "(Default1)");
  EXPECT_EQ(gDrawState.m_nStartLoadMode, kStartDefault1);
  FlushDeletes();
  EXPECT_TRUE(main.isNull());  // the program ends
  theApp.ExitInstance();
  theApp.Reset();
  gDrawState.Reset();
  EXPECT_EQ(profile.GetInt("Data", "BmpWidthV3", 0), 600);
  ASSERT_TRUE(Start());
  EXPECT_EQ(gDrawState.m_sizeCanvas, (tmb::Size{500, 750}));
  EXPECT_EQ(gDrawState.m_nMaxDataSize, 2);
}

TEST_F(StartUp, BasicSettingsCancelledOrUnchangedKeepTheWindow) {
  ASSERT_TRUE(Start());
  theApp.BasicSettingsDialog(0);  // no step: cancelled
  dialogs.Then([](ui::DialogWindow& d) { return ScriptedDialogs::PressOk(d); });
  theApp.BasicSettingsDialog(0);
  FlushDeletes();
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_NE(frame(), nullptr);
}

}  // namespace
}  // namespace tmb::test
