// The Edit menu as a user works it, with a character written with the mouse or opened
// from a file: undo after an open and what a save after it may overwrite, the frame
// commands of the edit mode and sending to the clipboard.
#include <QLineEdit>
#include <QMenuBar>
#include <functional>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "core/canvas/work_canvas.h"
#include "support/file_bytes.h"
#include "support/manual_clock.h"
#include "support/recorded_character.h"
#include "support/recorded_character_file.h"
#include "support/temp_dir.h"
#include "support/ui/memory_clipboard.h"
#include "support/ui/menu_path.h"
#include "support/ui/pen_events.h"
#include "support/ui/toolbar_button.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {
namespace {

constexpr int kRecordedPoints = kRecordedStrokeCount * kRecordedPointsPerStroke;

class EditMenuRoad : public AppTest {
 protected:
  // Files the test writes with the program's own writer are written before the start.
  void StartShown() {
    ASSERT_TRUE(Start());
    ShowAndPaint();
    CTmbView* view = CTmbView::ViewOfKind(kKindDrawA);
    ASSERT_TRUE(view);
    mouse = std::make_unique<PenEvents>(view->area()->viewport(), clock, 12);
  }
  QMenuBar* bar() const { return frame()->menuBar(); }
  static CCharDataFull& RecordA() { return *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord(); }
  // Where paper point (x, y) of window A lies in its window.
  static QPoint InWindow(int x, int y) {
    CTmbView* view = CTmbView::ViewOfKind(kKindDrawA);
    const Rect client = view->ClientRectLogical();
    const Point o = gDrawState.m_ptCanvasOrigin;
    return {x + o.x - client.left, y + o.y - client.top};
  }
  // A level stroke written with the mouse from paper point (x, y), 120 pixels long.
  void WriteStroke(int x, int y) {
    mouse->Press(InWindow(x, y));
    for (int k = 1; k <= 30; ++k) mouse->Move(InWindow(x + 4 * k, y));
    mouse->Release(InWindow(x + 120, y));
  }
  bool UndoOffered() const {
    QAction* undo = MenuItem(bar(), {"编辑", "还原"});
    return undo && undo->isEnabled();
  }

  TempDir dir;
  ManualClock clock;
  std::unique_ptr<PenEvents> mouse;
};

TEST_F(EditMenuRoad, UndoNeverTakesTheOpenedCharacterAway) {
  const std::string path = (dir / "recorded.wdf").string();
  ASSERT_TRUE(WriteRecordedCharacterFile(path));
  StartShown();
  CTmbView* view = CTmbView::ViewOfKind(kKindDrawA);
  // Opened into the empty window A: there is nothing to go back to.
  chooser.Next(path);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打开"}));
  ASSERT_EQ(RecordA().m_nPoints, kRecordedPoints);
  EXPECT_FALSE(UndoOffered());
  // The first stroke written on it is what one undo takes back.
  WriteStroke(60, 60);
  ASSERT_GT(RecordA().m_nPoints, kRecordedPoints);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "还原"}));
  EXPECT_EQ(RecordA().m_nPoints, kRecordedPoints);
  // Later strokes take no undo copy; their own key takes them back.
  WriteStroke(60, 60);
  const int written = RecordA().m_nPoints;
  ASSERT_GT(written, kRecordedPoints);
  EXPECT_FALSE(ChooseMenuItem(bar(), {"编辑", "还原"}));
  EXPECT_EQ(RecordA().m_nPoints, written);
  QTest::keyClick(view->area()->viewport(), Qt::Key_Backspace);
  EXPECT_EQ(RecordA().m_nPoints, kRecordedPoints);

  // Opened over a character written by hand: one undo brings that character back.
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "清除", "全部"}));
  WriteStroke(60, 60);
  WriteStroke(60, 120);
  const int handWritten = RecordA().m_nPoints;
  chooser.Next(path);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打开"}));
  ASSERT_EQ(RecordA().m_nPoints, kRecordedPoints);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "还原"}));
  EXPECT_EQ(RecordA().m_nPoints, handWritten);
  // Opened over it again and written on: one undo takes the stroke and leaves the file's
  // character; a stroke after that goes with the first, as pen strokes take no copy.
  chooser.Next(path);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打开"}));
  ASSERT_EQ(RecordA().m_nPoints, kRecordedPoints);
  WriteStroke(60, 60);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "还原"}));
  EXPECT_EQ(RecordA().m_nPoints, kRecordedPoints);
  EXPECT_FALSE(UndoOffered());
  chooser.Next(path);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打开"}));
  WriteStroke(60, 60);
  WriteStroke(60, 120);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "还原"}));
  EXPECT_EQ(RecordA().m_nPoints, kRecordedPoints);
  EXPECT_TRUE(messages.ids.empty());
}

// The pixels of window A as shown.
std::vector<Colour> ShownPixels() {
  const Surface& s = CTmbView::ViewOfKind(kKindDrawA)->windowSurface();
  std::vector<Colour> all;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) all.push_back(s.GetPixel(x, y));
  }
  return all;
}

TEST_F(EditMenuRoad, BringingBackACharacterAnOpenReplacedNamesNoFileASaveWouldOverwrite) {
  // Files X and Y: a level stroke in each part, of 5 points in X and 9 in Y.
  auto writeFile = [this](const char* name, int points) {
    std::vector<WdfPoint> stroke;
    for (int k = 0; k < points; ++k) stroke.push_back({100 + 20 * k, 200, k == 0 ? 1 : 0, -1});
    const std::string path = (dir / name).string();
    WriteFileBytes(path, BuildWdfFile({CharPart(1, stroke, 40), CharPart(0, stroke, 40)}));
    return path;
  };
  const std::string x = writeFile("x.wdf", 5);
  const std::string y = writeFile("y.wdf", 9);
  const std::vector<uint8_t> yBytes = FileBytes(y);
  StartShown();
  auto open = [this](const std::string& path) {
    chooser.Next(path);
    ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打开"}));
  };
  auto title = [this] { return frame()->windowTitle().toStdString(); };
  auto choose = [this](std::initializer_list<const char*> item) { return ChooseMenuItem(bar(), item); };
  const struct Case {
    const char* name;
    std::function<bool()> withX;  // what the user does with X open
    std::function<bool()> withY;  // and then with Y open
  } cases[] = {
      {"undo", [] { return true; },
       [&] { return choose({"字体", "草書風"}) && choose({"编辑", "还原"}); }},
      {"the temporary save", [&] { return choose({"编辑", "临时保存", "保存"}); },
       [&] { return choose({"编辑", "临时保存", "读取"}); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    open(x);
    ASSERT_TRUE(c.withX());
    open(y);
    ASSERT_EQ(RecordA().m_nPoints, 9);
    ASSERT_NE(title().find("y.wdf"), std::string::npos);
    ASSERT_TRUE(c.withY());
    // X's character is back in window A, and nothing names Y any more: the save waits
    // for the user to choose a file.
    ASSERT_EQ(RecordA().m_nPoints, 5);
    EXPECT_EQ(title().find(".wdf"), std::string::npos) << title();
    EXPECT_FALSE(ChooseMenuItem(bar(), {"文件", "保存"}));
    frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame()));
    frame()->UpdateAllActions();
    QTest::keySequence(frame(), QKeySequence::Save);
    EXPECT_EQ(FileBytes(y), yBytes);
    // The file the user then chooses takes both windows and is named from then on.
    const std::string chosen = (dir / "chosen.wdf").string();
    chooser.Next(chosen);
    ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "另存为"}));
    EXPECT_NE(title().find("chosen.wdf"), std::string::npos) << title();
    EXPECT_FALSE(FileBytes(chosen).empty());
    EXPECT_TRUE(MenuItem(bar(), {"文件", "保存"})->isEnabled());
    EXPECT_EQ(FileBytes(y), yBytes);
  }
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(EditMenuRoad, FramesDrawnInEditModeAreSeveralWhileSetAndTheFrameItemDeletesThem) {
  StartShown();
  CEditRegions& frames = RecordA().m_regions.m_list;
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "编辑模式"}));
  const std::vector<Colour> plain = ShownPixels();
  auto drag = [this](int x0, int y0, int x1, int y1) {
    mouse->Press(InWindow(x0, y0));
    mouse->Move(InWindow((x0 + x1) / 2, (y0 + y1) / 2));
    mouse->Move(InWindow(x1, y1));
    mouse->Release(InWindow(x1, y1));
  };
  drag(40, 40, 140, 140);
  EXPECT_EQ(frames.m_nCount, 1);
  EXPECT_NE(ShownPixels(), plain) << "the frame is on the screen";
  // One frame at a time until several are set: a second drag replaces the first.
  drag(160, 40, 260, 140);
  EXPECT_EQ(frames.m_nCount, 1);
  EXPECT_FALSE(MenuItem(bar(), {"编辑", "框", "设置复数框"})->isChecked());
  // Each turn of the switch deletes the frames set so far, from the screen too.
  for (const bool several : {true, false, true}) {
    SCOPED_TRACE(several);
    ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "框", "设置复数框"}));
    EXPECT_EQ(MenuItem(bar(), {"编辑", "框", "设置复数框"})->isChecked(), several);
    EXPECT_EQ(frames.m_nCount, 0);
    EXPECT_EQ(ShownPixels(), plain) << "no frame is left on the screen";
    drag(40, 40, 140, 140);
    drag(160, 40, 260, 140);
    EXPECT_EQ(frames.m_nCount, several ? 2 : 1);
  }
  EXPECT_EQ(RecordA().m_nPoints, 0) << "dragging in edit mode writes nothing";
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "框", "框"}));
  EXPECT_EQ(frames.m_nCount, 0);
  EXPECT_EQ(ShownPixels(), plain) << "no frame is left on the screen";
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(EditMenuRoad, SendingTheFramesPartWithoutAFrameSaysSoAndTheWholeGoesToTheClipboard) {
  StartShown();
  MemoryClipboard clipboard;
  WriteStroke(60, 60);
  frame()->UpdateAllActions();
  QToolButton* button = ButtonOfCommand(frame()->toolBar(), 32967);
  ASSERT_TRUE(button);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "剪贴板", "发送(仅主框内)"}));
  button->click();
  EXPECT_EQ(messages.ids, (std::vector<int>{62059, 62059}));
  EXPECT_TRUE(clipboard.image.isNull());
  messages.ids.clear();
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "剪贴板", "发送(全部)"}));
  EXPECT_EQ(clipboard.image.size(), QSize(gWorkCanvas.m_width, gWorkCanvas.m_height));
  // With a frame set in edit mode, the part goes.
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "编辑模式"}));
  mouse->Press(InWindow(40, 40));
  mouse->Move(InWindow(100, 100));
  mouse->Move(InWindow(200, 140));
  mouse->Release(InWindow(200, 140));
  button->click();
  EXPECT_EQ(clipboard.image.size(), QSize(160, 100));
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(EditMenuRoad, EachValueOfTheMoveLayoutAndGuideDialogsIsShownOnceWithArrowsThatFollowIt) {
  StartShown();
  const struct Case {
    std::function<bool()> open;
    int dialog;
    std::vector<std::pair<int, int>> editAndArrows;
  } cases[] = {
      {[this] { return ChooseMenuItem(bar(), {"编辑", "框", "全体移动"}); }, 251, {{303, 457}, {262, 456}}},
      {[this] { return ChooseMenuItem(bar(), {"编辑", "框", "排列"}); }, 276,
       {{303, 456}, {262, 457}, {304, 458}, {263, 459}}},
      {[this] { return ChooseMenuItem(bar(), {"设置", "参考线"}); }, 150,
       {{102, 172}, {103, 173}, {105, 174}, {108, 175}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    dialogs.Then([&c](ui::DialogWindow& d) {
      // On the screen, as the user sees it.
      d.show();
      QCoreApplication::processEvents();
      for (auto [editId, arrowsId] : c.editAndArrows) {
        SCOPED_TRACE(editId);
        auto* edit = qobject_cast<QLineEdit*>(d.Control(editId));
        auto* arrows = qobject_cast<QSpinBox*>(d.Control(arrowsId));
        if (!edit || !arrows) {
          ADD_FAILURE() << "no edit or no arrows";
          continue;
        }
        // The arrows stand beside their edit and show no number of their own.
        EXPECT_NEAR(arrows->geometry().center().y(), edit->geometry().center().y(), 2);
        EXPECT_GT(arrows->x(), edit->x());
        EXPECT_LT(arrows->width(), edit->width() / 2);
        for (QLineEdit* inner : arrows->findChildren<QLineEdit*>()) EXPECT_TRUE(inner->isHidden());
        // Typed, the number moves the arrows at once; stepped, the arrows move the number.
        ScriptedDialogs::Type(d, editId, QStringLiteral("7"));
        EXPECT_EQ(arrows->value(), 7);
        arrows->stepBy(1);
        EXPECT_EQ(edit->text(), QStringLiteral("8"));
      }
      d.hide();
      return ui::kIdCancel;
    });
    ASSERT_TRUE(c.open());
    EXPECT_EQ(dialogs.shown.back(), c.dialog);
  }
}

}  // namespace
}  // namespace tmb::test
