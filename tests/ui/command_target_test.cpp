#include "platform/ui/command_target.h"

#include <gtest/gtest.h>

#include <string>

namespace tmb::ui {
namespace {

// Five targets in routing order, each able to take command 1 and report which ran.
struct Chain {
  CommandTarget view, document, frame, main, app;
  std::string ran;
  CommandRouter router{{&view, &document, &frame, &main, &app}};
  void Handle(CommandTarget& t, const char* name, int id) {
    t.OnCommand(id, [this, name] { ran = name; });
  }
};

TEST(CommandRouting, TheFirstTargetThatKnowsAnIdTakesIt) {
  struct Case {
    std::vector<int> holders;  // indexes into the chain that handle the command
    const char* expected;
  } cases[] = {
      {{0, 4}, "view"}, {{1, 2, 3}, "document"}, {{2, 4}, "frame"}, {{3}, "main"}, {{4}, "app"}, {{}, ""},
  };
  const char* names[] = {"view", "document", "frame", "main", "app"};
  for (const Case& c : cases) {
    Chain chain;
    CommandTarget* targets[] = {&chain.view, &chain.document, &chain.frame, &chain.main, &chain.app};
    for (int i : c.holders) chain.Handle(*targets[i], names[i], 7);
    EXPECT_EQ(chain.router.Execute(7), !c.holders.empty());
    EXPECT_EQ(chain.ran, c.expected);
    CommandUpdate update(7);
    chain.router.Update(update);
    EXPECT_EQ(update.enabled(), !c.holders.empty()) << c.expected;
  }
}

TEST(CommandRouting, UpdateHandlersEnableAndCheck) {
  Chain chain;
  bool on = false;
  chain.Handle(chain.main, "main", 5);
  chain.main.OnUpdate(5, [&](CommandUpdate& u) {
    u.Enable(on);
    u.SetCheck(on);
  });
  CommandUpdate off(5);
  chain.router.Update(off);
  EXPECT_FALSE(off.enabled());
  EXPECT_FALSE(off.checked());
  on = true;
  CommandUpdate checked(5);
  chain.router.Update(checked);
  EXPECT_TRUE(checked.enabled());
  EXPECT_TRUE(checked.checked());
  // An update handler alone, with no command, still decides.
  chain.view.OnUpdate(6, [](CommandUpdate& u) { u.SetCheck(); });
  CommandUpdate onlyUpdate(6);
  chain.router.Update(onlyUpdate);
  EXPECT_TRUE(onlyUpdate.enabled());
  EXPECT_TRUE(onlyUpdate.checked());
}

TEST(CommandRouting, NullTargetsAreSkipped) {
  CommandTarget app;
  int runs = 0;
  app.OnCommand(3, [&] { ++runs; });
  CommandRouter router({nullptr, nullptr, nullptr, nullptr, &app});
  EXPECT_TRUE(router.Execute(3));
  EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace tmb::ui
