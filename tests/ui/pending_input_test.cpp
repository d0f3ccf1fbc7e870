// The input that arrives while long work runs: letting it in takes the clicks and keys out
// (none reaches its widget), a button release or Escape is kept as a stop request, and a widget
// marked to keep its input during the work still gets its clicks.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/ui/pending_input.h"
#include "support/scripted_messages.h"
#include "support/ui/posted_input.h"

namespace tmb::ui {
namespace {

using test::PostClick;
using test::PostKey;

class Counting final : public QWidget {
 public:
  int clicks = 0, keys = 0;

 protected:
  void mouseReleaseEvent(QMouseEvent*) override { ++clicks; }
  void keyPressEvent(QKeyEvent*) override { ++keys; }
};

// Where the user's clicks land on a widget.
constexpr QPointF kClickPoint(5, 5);

TEST(PendingInput, EachInputIsTakenAwayFromItsWidgetAndReleasesAndEscapeAreStopRequests) {
  PendingInput input;
  Counting widget;
  widget.resize(20, 20);
  widget.show();
  QCoreApplication::processEvents();
  struct Case {
    const char* what;
    std::function<void()> post;
    std::vector<int> kinds;  // the stop requests taken, in order
  } cases[] = {
      {"left click", [&] { PostClick(&widget, Qt::LeftButton, kClickPoint); }, {kMouseLeftUp}},
      {"right click", [&] { PostClick(&widget, Qt::RightButton, kClickPoint); }, {kMouseRightUp}},
      {"middle click", [&] { PostClick(&widget, Qt::MiddleButton, kClickPoint); }, {}},
      {"escape", [&] { PostKey(&widget, Qt::Key_Escape); }, {kKeyEscape}},
      {"another key", [&] { PostKey(&widget, Qt::Key_A); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.post();
    std::vector<int> taken;
    for (int k = Mouse().TakeMouseMessage(false); k != kMouseNone; k = Mouse().TakeMouseMessage(false)) {
      taken.push_back(k);
    }
    EXPECT_EQ(taken, c.kinds);
  }
  EXPECT_EQ(widget.clicks, 0);
  EXPECT_EQ(widget.keys, 0);
}

TEST(PendingInput, WithoutAQuestionInputReachesItsWidgetAndTheQueueGoesWithTheObject) {
  Counting widget;
  widget.show();
  {
    PendingInput input;
    EXPECT_EQ(&Mouse(), &input);
    PostClick(&widget, Qt::LeftButton, kClickPoint);
    QCoreApplication::processEvents();
    EXPECT_EQ(widget.clicks, 1);
    EXPECT_EQ(Mouse().TakeMouseMessage(false), kMouseNone);
  }
  EXPECT_EQ(Mouse().TakeMouseMessage(false), kMouseNone) << "the default queue again";
}

TEST(PendingInput, StaleInputIsDroppedInTheRunningProgramAndLeftAloneWhileItStarts) {
  PendingInput input;
  Counting widget;
  widget.show();
  QCoreApplication::processEvents();
  // Before the event loop runs, what is queued is the start's own work: nothing is let in.
  PostClick(&widget, Qt::LeftButton, kClickPoint);
  FlushMouseMessages();
  EXPECT_EQ(widget.clicks, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(widget.clicks, 1) << "the click reached its widget later, as usual";

  // A command of the running program that flushes drops the clicks that wait.
  QEventLoop loop;
  QTimer::singleShot(0, [&] {
    PostClick(&widget, Qt::LeftButton, kClickPoint);
    FlushMouseMessages();
    loop.quit();
  });
  loop.exec();
  QCoreApplication::processEvents();
  EXPECT_EQ(widget.clicks, 1);
  EXPECT_EQ(Mouse().TakeMouseMessage(false), kMouseNone) << "a dropped release is no stop request";
}

TEST(PendingInput, AClickDuringTheWorkAsksWhetherToStopAndTheMarkedButtonKeepsItsClicks) {
  test::ScriptedMessages messages;
  PendingInput input;
  QWidget window;
  auto* cancel = new QPushButton(QStringLiteral("cancel"), &window);
  PendingInput::MarkTakesInputWhileBusy(cancel);
  int cancels = 0;
  QObject::connect(cancel, &QPushButton::clicked, [&] { ++cancels; });
  window.show();
  QCoreApplication::processEvents();

  PostClick(cancel, Qt::LeftButton, kClickPoint);
  EXPECT_EQ(CheckUserAbort(), 0);
  EXPECT_EQ(cancels, 1) << "the cancel took its click";
  EXPECT_TRUE(messages.ids.empty());

  PostClick(&window, Qt::LeftButton, kClickPoint);
  messages.Answer(kAnswerNo);
  EXPECT_EQ(CheckUserAbort(), 0) << "the release asks; no goes on";
  PostKey(&window, Qt::Key_Escape);
  messages.Answer(kAnswerYes);
  EXPECT_EQ(CheckUserAbort(), 1);
  EXPECT_EQ(messages.ids, (std::vector<int>{62091, 62091}));
}

}  // namespace
}  // namespace tmb::ui
