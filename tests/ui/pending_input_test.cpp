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

namespace tmb::ui {
namespace {

class Counting final : public QWidget {
 public:
  int clicks = 0, keys = 0;

 protected:
  void mouseReleaseEvent(QMouseEvent*) override { ++clicks; }
  void keyPressEvent(QKeyEvent*) override { ++keys; }
};

void PostRelease(QWidget* widget, Qt::MouseButton button) {
  const QPointF at(5, 5);
  QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button,
                                                      button, Qt::NoModifier));
  QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at),
                                                      button, Qt::NoButton, Qt::NoModifier));
}

void PostKey(QWidget* widget, int key) {
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

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
      {"left click", [&] { PostRelease(&widget, Qt::LeftButton); }, {kMouseLeftUp}},
      {"right click", [&] { PostRelease(&widget, Qt::RightButton); }, {kMouseRightUp}},
      {"middle click", [&] { PostRelease(&widget, Qt::MiddleButton); }, {}},
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
    PostRelease(&widget, Qt::LeftButton);
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
  PostRelease(&widget, Qt::LeftButton);
  FlushMouseMessages();
  EXPECT_EQ(widget.clicks, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(widget.clicks, 1) << "the click reached its widget later, as usual";

  // A command of the running program that flushes drops the clicks that wait.
  QEventLoop loop;
  QTimer::singleShot(0, [&] {
    PostRelease(&widget, Qt::LeftButton);
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

  PostRelease(cancel, Qt::LeftButton);
  EXPECT_EQ(CheckUserAbort(), 0);
  EXPECT_EQ(cancels, 1) << "the cancel took its click";
  EXPECT_TRUE(messages.ids.empty());

  PostRelease(&window, Qt::LeftButton);
  messages.Answer(kAnswerNo);
  EXPECT_EQ(CheckUserAbort(), 0) << "the release asks; no goes on";
  PostKey(&window, Qt::Key_Escape);
  messages.Answer(kAnswerYes);
  EXPECT_EQ(CheckUserAbort(), 1);
  EXPECT_EQ(messages.ids, (std::vector<int>{62091, 62091}));
}

}  // namespace
}  // namespace tmb::ui
