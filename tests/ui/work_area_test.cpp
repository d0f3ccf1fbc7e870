// The main window's work area: cascading and tiling its frames, and lining the minimised
// ones up along its bottom edge; keys of our own beside the desktop's standard keys.
#include <QAction>
#include <QMdiArea>
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/ui/child_frame.h"
#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/view.h"
#include "resources/accelerators.h"

namespace tmb::ui {
namespace {

ChildFrame* AddFrame(MainFrame& main, const QRect& place) {
  auto* frame = new ChildFrame(new Document);
  frame->SetPlacement(place);
  new View(frame->document(), 1, frame);
  main.AddChildFrame(frame);
  return frame;
}

TEST(WorkArea, MinimisedFramesLineUpAlongTheBottom) {
  MainFrame main(nullptr);
  main.resize(800, 600);
  main.show();
  QCoreApplication::processEvents();
  std::vector<ChildFrame*> frames;
  for (int i = 0; i < 4; ++i) frames.push_back(AddFrame(main, QRect(40 * i, 30 * i, 300, 200)));
  frames[0]->showMinimized();
  frames[2]->showMinimized();
  frames[3]->showMinimized();
  const QRect normal = frames[1]->geometry();
  main.ArrangeIcons();
  const int bottom = main.mdiArea()->viewport()->height();
  int x = 0;
  for (int i : {0, 2, 3}) {
    EXPECT_EQ(frames[size_t(i)]->geometry().bottom() + 1, bottom) << i;
    EXPECT_EQ(frames[size_t(i)]->x(), x) << i;
    x += frames[size_t(i)]->width();
  }
  EXPECT_EQ(frames[1]->geometry(), normal);  // a frame that is not minimised stays

  main.CascadeFrames();
  main.TileFrames();
  for (ChildFrame* frame : frames) {
    EXPECT_TRUE(main.mdiArea()->viewport()->rect().intersects(frame->geometry()));
  }
}

TEST(WorkArea, OwnKeysAreBoundBesideTheStandardKeys) {
  MainFrame main(nullptr);
  const Accelerator keys[] = {{7, StandardKey::kOpen}, {8, StandardKey::kNone, "Shift+F6"}};
  main.LoadAccelerators(keys);
  EXPECT_EQ(main.ActionOf(7)->shortcut(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(main.ActionOf(8)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F6));
}

}  // namespace
}  // namespace tmb::ui
