// What the handwritten registration shows in window A: the panel's page over blank paper,
// the character back in full when the mode is left, an options dialog in words, and a
// picture box that takes the image editor's selection, which 確定･保存 saves.
#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <filesystem>

#include "app/kind_lookup.h"
#include "app/recorded_window_fixture.h"
#include "brush/render/brush_state.h"
#include "core/canvas/work_canvas.h"
#include "imageedit/view/bmp_view_window.h"
#include "resources/command_ids.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::test {
namespace {

constexpr Colour kBlack = 0x000000, kWhite = 0xFFFFFF;

CRegistrationPanel& Panel() { return gDrawState.m_toolPanel; }

class RegistrationScreen : public RecordedWindowTest {
 protected:
  // Window pixel of paper point p.
  Colour WindowAt(Point p) {
    const QPoint d = Device(p);
    return Window().GetPixel(d.x(), d.y());
  }
  void PressButton(int i) {
    view->area()->verticalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    const Rect r = Panel().m_rcButtons[size_t(i)];
    const Point mid{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    PenEvents mouse(view->area()->viewport(), clock);
    mouse.Press(Device(mid));
    mouse.Release(Device(mid));
  }
};

TEST_F(RegistrationScreen, ThePanelsPageIsBlankPaperAndLeavingItShowsTheCharacterAgain) {
  const Surface before = CopyOfSurface(Window());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  const Surface& page = Window();
  SavePictureForViewing(page, "registration_panel_page");
  const CRegistrationPanel& panel = Panel();
  const Rect client = view->ClientRectLogical();
  const Point o = gDrawState.m_ptCanvasOrigin;
  // Outside the panel and the writing box the paper is white: no part of the character
  // peeks out from under the panel.
  int stray = 0, box = 0, boxSame = 0;
  for (int y = 0; y < gWorkCanvas.m_height; ++y) {
    for (int x = 0; x < gWorkCanvas.m_width; ++x) {
      const Colour c = page.GetPixel(x + o.x - client.left, y + o.y - client.top);
      if (c == kInvalidColour || panel.m_rcPanel.Contains({x, y})) continue;
      if (panel.m_rcWriting.Contains({x, y})) {
        ++box;
        boxSame += c == gBrushStates[0].m_bitmap.GetPixel(x, y);
        continue;
      }
      stray += c != 0xFFFFFF;
    }
  }
  EXPECT_EQ(stray, 0);
  // The writing box shows the window's character there: what a confirm would save.
  EXPECT_GT(box, 0);
  EXPECT_EQ(boxSame, box);

  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  const Surface& left = Window();
  SavePictureForViewing(left, "registration_left");
  EXPECT_TRUE(SamePixels(left, before));
  // The undo copy the panel took is the same character, drawn the same.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdEditUndo));
  EXPECT_TRUE(SamePixels(Window(), before));
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(RegistrationScreen, TheOptionsDialogNamesItsControlsInWords) {
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  QStringList texts;
  dialogs.Then([&](ui::DialogWindow& d) {
    for (QLabel* l : d.findChildren<QLabel*>()) texts << l->text();
    for (QAbstractButton* b : d.findChildren<QAbstractButton*>()) texts << b->text();
    for (QGroupBox* g : d.findChildren<QGroupBox*>()) texts << g->title();
    return ui::kIdCancel;
  });
  PressButton(3);  // ｵﾌﾟｼｮﾝ
  ASSERT_EQ(dialogs.shown, (std::vector<int>{198}));
  const QRegularExpression number(QStringLiteral("^\\s*\\d+\\s*$"));
  int words = 0;
  for (const QString& t : texts) {
    EXPECT_FALSE(number.match(t).hasMatch()) << t.toStdString();
    words += !t.trimmed().isEmpty();
  }
  EXPECT_GE(words, 8);
  EXPECT_TRUE(texts.contains(QStringLiteral("画像フォルダ")));
}

TEST_F(RegistrationScreen, ThePictureBoxShowsTheEditorsSelectionAndConfirmSavesIt) {
  // A picture in the image editor, its left part black and the rest white, with a selection
  // 200 wide and 120 high shown over it.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdShowEditor));
  CBmpViewWindow* window = CBmpViewWindow::Instance();
  ASSERT_TRUE(window);
  CBmpView& editor = window->editor();
  ASSERT_TRUE(editor.EnsureSetup(nullptr));
  for (int y = 0; y < editor.m_bmpWork.height(); ++y) {
    for (int x = 0; x < editor.m_bmpWork.width(); ++x) editor.m_bmpWork.SetPixel(x, y, x < 60 ? kBlack : kWhite);
  }
  editor.m_region = {0, 0, 200, 120};
  editor.m_nFrameState = 1;
  frame()->ActivateViewOfKind(kKindDrawA, 0);
  // Nothing written; the picture box on; the panel entered from the edit mode.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdClearAll));
  Panel().m_bPictureBox = 1;
  Panel().m_szFolder = (dir / "pictures").string();
  std::filesystem::create_directories(Panel().m_szFolder);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdEditMode));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  const Rect box = Panel().m_rcPicture;
  ASSERT_FALSE(box.IsEmpty());
  SavePictureForViewing(Window(), "registration_picture_box");
  // The square of the selection (120 x 120) fills the box: half black, half white.
  EXPECT_EQ(WindowAt({box.left + box.Width() / 4, box.top + box.Height() / 2}), kBlack);
  EXPECT_EQ(WindowAt({box.left + 3 * box.Width() / 4, box.top + box.Height() / 2}), kWhite);

  // No character is current: the one the user names is saved, from the box's picture.
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 102, QStringLiteral("永"));
    return ScriptedDialogs::PressOk(d);
  });
  PressButton(0);  // 確定･保存
  EXPECT_TRUE(messages.ids.empty());
  std::vector<std::filesystem::path> saved;
  for (const auto& e : std::filesystem::directory_iterator(Panel().m_szFolder)) saved.push_back(e.path());
  ASSERT_EQ(saved.size(), 1u);
  QImage image(QString::fromStdString(saved[0].string()), "BMP");
  ASSERT_FALSE(image.isNull());
  image.save(QStringLiteral(TMB_BUILD_DIR "/pictures/registration_saved_from_box.png"));
  EXPECT_EQ(image.pixel(image.width() / 4, image.height() / 2), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(3 * image.width() / 4, image.height() / 2), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace tmb::test
