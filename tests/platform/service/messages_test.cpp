#include "platform/service/messages.h"

#include <gtest/gtest.h>

#include "support/scripted_messages.h"

namespace tmb {
namespace {

TEST(Messages, ShowLooksUpTheStringTableAndRecordsTheAnswer) {
  test::ScriptedMessages messages;
  messages.Answer(kAnswerCancel);
  EXPECT_EQ(ShowMessage(62047, kMsgOkCancel), kAnswerCancel);
  EXPECT_EQ(ShowMessage(62045, kMsgOk, {"unused"}), kAnswerOk);
  Beep();
  ASSERT_EQ(messages.ids, (std::vector<int>{62047, 62045}));
  EXPECT_EQ(messages.texts[0], "Error : Open File");
  EXPECT_EQ(messages.texts[1], "The limit with capacity of drawing data");
  EXPECT_EQ(messages.beeps, 1);
}

TEST(Messages, FormatReplacesNumberedArguments) {
  EXPECT_EQ(FormatMessageText("stage %1 of %2, 100%%", {"3", "5"}), "stage 3 of 5, 100%");
  EXPECT_EQ(FormatMessageText("missing %2 and %", {"a"}), "missing  and %");
}

TEST(Messages, WithoutAServiceNothingIsShownAndOkIsAnswered) {
  EXPECT_EQ(ShowMessage(62043), kAnswerOk);
  EXPECT_EQ(ShowMessage(62043, kMsgYesNo), kAnswerYes);
}

}  // namespace
}  // namespace tmb
