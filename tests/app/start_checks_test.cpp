#include "app/start_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_machine.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace tmb::test {
namespace {

TEST(CheckFreeDiskSpace, AsksAtFiftyMegabytesOrLessAndNeverWhenTheSpaceCannotBeRead) {
  struct Case {
    int64_t free;
    int answer;
    int result;
    bool asked;
  } cases[] = {
      {51, kAnswerNo, 1, false},  {50, kAnswerYes, 1, true}, {50, kAnswerNo, -1, true},
      {0, kAnswerNo, -1, true},   {-1, kAnswerNo, 1, false}, {100000, kAnswerNo, 1, false},
  };
  TempDir dir;
  for (const Case& c : cases) {
    ScriptedMachine machine;
    ScriptedMessages messages;
    machine.freeMegabytes = c.free;
    messages.Answer(c.answer);
    EXPECT_EQ(CheckFreeDiskSpace(dir.path().string()), c.result) << c.free;
    EXPECT_EQ(messages.ids, c.asked ? std::vector<int>{62118} : std::vector<int>{}) << c.free;
  }
}

TEST(CheckFreeDiskSpace, AFolderNotMadeYetIsMeasuredOnItsNearestParent) {
  TempDir dir;
  ScriptedMachine machine;
  EXPECT_EQ(CheckFreeDiskSpace((dir / "not/made/yet").string()), 1);
  EXPECT_EQ(machine.spaceFolders, std::vector<std::string>{dir.path().string()});
}

}  // namespace
}  // namespace tmb::test
