#include "platform/service/logged_messages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tmb {
namespace {

TEST(LoggedMessages, EachMessageIsOneLineAndQuestionsGetTheSilentAnswers) {
  std::FILE* stream = std::tmpfile();
  ASSERT_TRUE(stream);
  LoggedMessages logged(stream);
  SetMessageService(&logged);
  EXPECT_EQ(ShowMessage(62118, kMsgYesNo), kAnswerYes);
  EXPECT_EQ(ShowMessage(61510, kMsgOk, {"/usr/share/tamberi/help/index.html"}), kAnswerOk);
  Beep();
  SetMessageService(nullptr);
  std::rewind(stream);
  std::string text;
  for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) text += char(c);
  std::fclose(stream);
  EXPECT_EQ(text,
            "message 62118: It may not work normally because the free space of the hard disk is small. Do you "
            "enforce the practice of this program?\n"
            "message 61510: Not Exist Html Help File |  |    File Path [ /usr/share/tamberi/help/index.html ]\n");
}

}  // namespace
}  // namespace tmb
