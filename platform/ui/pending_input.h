// The application's real input while a long operation runs on the user-interface thread:
// each question for a pending mouse message lets the events that arrived meanwhile in,
// takes the clicks, key presses and wheel turns out of them (so none of them starts a
// second command in the middle of the work) and keeps the stop requests among them: the
// release of the left or right button, and Escape as users here expect. Widgets marked
// with MarkTakesInputWhileBusy (the progress bar's cancel) get their input as usual.
#pragma once

#include <QObject>
#include <QPointer>
#include <deque>

#include "core/state/mouse_messages.h"

class QWidget;

namespace tmb::ui {

class PendingInput final : public QObject, public MouseQueue {
 public:
  // Installs itself as the program's mouse queue; the destructor puts the default back.
  PendingInput();
  ~PendingInput() override;

  int TakeMouseMessage(bool windowOnly) override;
  // Within the running program the input that arrived is let in and dropped; while the
  // program starts (no event loop yet) nothing is let in, since what is queued then is
  // the start's own work.
  void DropPending() override;

  // widget keeps its clicks while a long operation looks for stop requests.
  static void MarkTakesInputWhileBusy(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Taken {
    int kind;
    QPointer<QWidget> window;  // the top-level window it was meant for
  };
  // Lets the pending events in once, taking the input out of them.
  void Pump();

  std::deque<Taken> taken_;
  bool pumping_ = false;
};

}  // namespace tmb::ui
