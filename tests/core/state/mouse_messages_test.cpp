#include "core/state/mouse_messages.h"

#include <gtest/gtest.h>

#include <deque>

#include "support/scripted_messages.h"

namespace {

class Pending final : public MouseQueue {
 public:
  Pending() { SetMouseQueue(this); }
  ~Pending() override { SetMouseQueue(nullptr); }
  int TakeMouseMessage(bool windowOnly) override {
    (windowOnly ? windowTakes : programTakes)++;
    if (kinds.empty()) return kMouseNone;
    const int k = kinds.front();
    kinds.pop_front();
    return k;
  }
  std::deque<int> kinds;
  int windowTakes = 0, programTakes = 0;
};

TEST(MouseMessages, AReleasedButtonOrEscapeAsksWhetherToStop) {
  tmb::test::ScriptedMessages messages;
  Pending pending;
  pending.kinds = {kMouseOther, kMouseLeftUp, kMouseRightUp, kKeyEscape};
  EXPECT_EQ(CheckUserAbort(), 0);  // a move: nothing asked
  messages.Answer(tmb::kAnswerNo);
  EXPECT_EQ(CheckUserAbort(), 0);
  messages.Answer(tmb::kAnswerYes);
  EXPECT_EQ(CheckUserAbort(), 1);
  messages.Answer(tmb::kAnswerYes);
  EXPECT_EQ(CheckUserAbort(), 1);
  EXPECT_EQ(CheckUserAbort(), 0);  // nothing pending
  EXPECT_EQ(messages.ids, (std::vector<int>{62091, 62091, 62091}));
  FlushMouseMessages();
  EXPECT_EQ(pending.windowTakes, 1);
  EXPECT_EQ(pending.programTakes, 6);
}

}  // namespace
