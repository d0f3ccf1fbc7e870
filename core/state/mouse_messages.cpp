#include "core/state/mouse_messages.h"

#include "platform/service/messages.h"

namespace {

MouseQueue gDefaultQueue;
MouseQueue* gQueue = &gDefaultQueue;

}  // namespace

MouseQueue& Mouse() { return *gQueue; }

void SetMouseQueue(MouseQueue* queue) { gQueue = queue ? queue : &gDefaultQueue; }

void FlushMouseMessages() { gQueue->DropPending(); }

int CheckUserAbort() {
  const int kind = gQueue->TakeMouseMessage(false);
  if (kind != kMouseLeftUp && kind != kMouseRightUp && kind != kKeyEscape) return 0;
  return tmb::ShowMessage(62091, tmb::kMsgYesNo) == tmb::kAnswerYes ? 1 : 0;
}
