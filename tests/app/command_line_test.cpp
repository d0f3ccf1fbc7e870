#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/value_limits.h"
#include "support/scripted_messages.h"

namespace {

struct Case {
  const char* text;
  const char* t;
  const char* d;
  const char* f;
  std::vector<std::string> files;
};

TEST(CommandLine, SwitchesQuotesAndFiles) {
  const Case cases[] = {
      {"/t list.txt", "list.txt", nullptr, nullptr, {}},
      {"/T two words.txt", "two words.txt", nullptr, nullptr, {}},
      {"/d pics /F info.lst", nullptr, "pics", "info.lst", {}},
      {"/t a.txt /D \"my pics\" /f x", "a.txt", "my pics", "x", {}},
      {"\"my file.wdf\"", nullptr, nullptr, nullptr, {"my file.wdf"}},
      {"/x a.wdf", nullptr, nullptr, nullptr, {"a.wdf"}},
      {"a.wdf /t", nullptr, nullptr, nullptr, {"a.wdf"}},
      {"/f info.lst \"a.wdf\"", nullptr, nullptr, "info.lst", {"a.wdf"}},
      {"/home/u/a.wdf \"/home/u/b c.wdf\"", nullptr, nullptr, nullptr, {"/home/u/a.wdf", "/home/u/b c.wdf"}},
      {"/t \"/home/u/list one.txt\" /d /home/u/pics", "/home/u/list one.txt", "/home/u/pics", nullptr, {}},
      {"  a.wdf   ", nullptr, nullptr, nullptr, {"a.wdf"}},
      {"\"\" /t", nullptr, nullptr, nullptr, {}},
      {"", nullptr, nullptr, nullptr, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    CommandLine line = ParseCommandLine(c.text);
    EXPECT_EQ(line.hasT, c.t != nullptr);
    EXPECT_EQ(line.hasD, c.d != nullptr);
    EXPECT_EQ(line.hasF, c.f != nullptr);
    EXPECT_EQ(line.argT, c.t ? c.t : "");
    EXPECT_EQ(line.argD, c.d ? c.d : "");
    EXPECT_EQ(line.argF, c.f ? c.f : "");
    EXPECT_EQ(line.files, c.files);
  }
}

TEST(CommandLine, AValueLongerThanAnyPathIsRefusedWithAMessage) {
  tmb::test::ScriptedMessages messages;
  std::string longName(kMaxPathBytes + 1, 'x');
  CommandLine line = ParseCommandLine("/t " + longName + " /d pics \"" + longName + "\" b.wdf");
  EXPECT_FALSE(line.hasT);
  EXPECT_EQ(line.argD, "pics");
  EXPECT_EQ(line.files, std::vector<std::string>{"b.wdf"});
  EXPECT_EQ(messages.CountOf(61511), 2);
  std::string fits(kMaxPathBytes, 'y');
  EXPECT_EQ(ParseCommandLine(fits).files, std::vector<std::string>{fits});
}

TEST(CommandLine, JoinedArgumentsParseBackToThemselves) {
  std::vector<std::string> args = {"/t", "my list.txt", "/d", "/home/u/pics", "/tmp/a b.wdf", "c.wdf"};
  std::string text = JoinArguments(args);
  EXPECT_EQ(text, "/t \"my list.txt\" /d /home/u/pics \"/tmp/a b.wdf\" c.wdf");
  CommandLine line = ParseCommandLine(text);
  EXPECT_EQ(line.argT, "my list.txt");
  EXPECT_EQ(line.argD, "/home/u/pics");
  EXPECT_EQ(line.files, (std::vector<std::string>{"/tmp/a b.wdf", "c.wdf"}));
}

}  // namespace
