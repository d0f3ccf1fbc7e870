// Pending mouse input around long operations and file dialogs: stale clicks are removed
// before work goes on, and a button released (or Escape pressed) during a long operation
// asks whether to stop. The user interface installs its input queue; the default has
// nothing pending.
#pragma once

// Kinds of a removed mouse message.
enum MouseMessageKind { kMouseNone = 0, kMouseLeftUp = 1, kMouseRightUp = 2, kMouseOther = 3, kKeyEscape = 4 };

class MouseQueue {
 public:
  virtual ~MouseQueue() = default;
  // Removes one pending mouse message, of the active window only or of the whole
  // program, and returns its kind; kMouseNone when none was pending.
  virtual int TakeMouseMessage(bool /*windowOnly*/) { return kMouseNone; }
  // Drops the stale input before work goes on: one message of the active window, then one
  // of the program.
  virtual void DropPending() {
    TakeMouseMessage(true);
    TakeMouseMessage(false);
  }
};

MouseQueue& Mouse();
// Installs queue (not owned); nullptr restores the default.
void SetMouseQueue(MouseQueue* queue);

// Removes one pending mouse message of the active window, then one of the program.
void FlushMouseMessages();
// Removes one pending mouse message; when it was a button release or Escape, asks 62091
// whether to stop. 1 when the user chose to stop, else 0.
int CheckUserAbort();
