// A started application for tests: scripted messages, machine, dialogs, printing, noted
// popup menus, file and colour choosers, a profile held in memory and a display of
// 1280 x 1024.
#pragma once

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

#include "app/dialogs/dict_file_dialog.h"
#include "app/frame_view.h"
#include "app/main_frame.h"
#include "app/pane_factories.h"
#include "app/tmb_app.h"
#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "core/state/start_globals.h"
#include "core/store/held_strokes.h"
#include "platform/service/profile.h"
#include "support/scripted_chooser.h"
#include "support/scripted_colour_chooser.h"
#include "support/scripted_machine.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/ui/noted_popups.h"
#include "support/ui/scripted_dialogs.h"
#include "support/ui/scripted_printing.h"
#include "support/wdf_builder.h"

namespace tmb::test {

inline ScreenMetrics TestScreen() {
  ScreenMetrics m;
  m.screen = {1280, 1024};
  m.textHeight = 16;
  m.ascent = 13;
  m.captionButtonHeight = 18;
  m.scrollBarWidth = 16;
  return m;
}

// One part of a character data file of the present layout: its points and parameter 3 (a
// width) set to width.
inline WdfBlock CharPart(int firstPart, std::vector<WdfPoint> points, int width = 0) {
  WdfBlock b;
  b.firstPart = firstPart;
  b.points = std::move(points);
  b.params = {{50, 1}, {3, width}};
  b.valueTable = {0};
  return b;
}

// The drawing window frame of kind (A or B); null when it is not open.
inline CFrame_View* FrameOfKind(int kind) {
  for (ui::ChildFrame* f : theApp.mainFrame()->ChildFrames()) {
    auto* v = qobject_cast<CFrame_View*>(f);
    if (v && v->kind() == kind) return v;
  }
  return nullptr;
}

// Runs posted deletions, so windows closed by the test are gone.
inline void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// Destroys the drawing window frame of kind, its views and its document with it: the
// program refuses every close of a drawing window, and what follows a frame's end (the
// window flags, command 32810) follows its destruction.
inline void DestroyDrawingFrame(int kind) {
  delete FrameOfKind(kind);
  FlushDeletes();
}

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    theApp.Reset();
    gDrawState.Reset();
    ResetPanes();
    SetProfileStore(&profile);
    theApp.SetScreenMetrics(TestScreen());
    // The program of the build tree, whose data folder lies beside it.
    theApp.SetProgramFile(TMB_BUILD_DIR "/tamberi");
    // Files written before the start, whose saving looks into the character store, find
    // a store of their own; the start gives it the user's folder.
    savedStoreFolder = gWorkCanvas.m_folder;
    gWorkCanvas.m_folder = storeBeforeStart.path().string();
  }
  void TearDown() override {
    theApp.Reset();
    FlushDeletes();
    theApp.SetProgramFile("");
    SetProfileStore(nullptr);
    gDrawState.Reset();
    gStartLoading = 0;
    // The dictionary dialog lives as long as the program: the next test finds it as a
    // start does, without the text or window a test chose.
    gDictFileDlg = CDictFileDlg();
    gWorkCanvas.m_folder = savedStoreFolder;
    ReleaseHeldCharacters();
  }
  bool Start(const std::string& commandLine = "") {
    theApp.SetCommandLine(commandLine);
    return theApp.InitInstance();
  }
  CMainFrame* frame() const { return theApp.mainFrame(); }
  // Waits until the main window is on the (offscreen) screen and its views have painted.
  void ShowAndPaint() {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame()));
    QCoreApplication::processEvents();
  }

  TempDir storeBeforeStart;
  std::string savedStoreFolder;
  ScriptedMessages messages;
  ScriptedMachine machine;
  ScriptedDialogs dialogs;
  ScriptedPrinting printing;
  NotedPopups popups;
  ScriptedChooser chooser;
  ScriptedColourChooser colours;
  MemoryProfile profile;
};

// The application started and on the screen, for tests that work it through its menus.
class ShownAppTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    ShowAndPaint();
  }
  QMenuBar* bar() const { return frame()->menuBar(); }
};

}  // namespace tmb::test
