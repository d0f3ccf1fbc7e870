// The settings glue: each dialog shows the values it edits, takes them back only when
// accepted, and applies what follows; automatic registration runs only while it is on.
#include "app/settings/settings_glue.h"

#include <QLineEdit>
#include <QSlider>
#include <gtest/gtest.h>

#include <memory>

#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_machine.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::test {
namespace {

using ui::DialogWindow;

QString TextOf(DialogWindow& d, int id) { return qobject_cast<QLineEdit*>(d.Control(id))->text(); }

class SettingsGlue : public ::testing::Test {
 protected:
  void SetUp() override { gDrawState.Reset(); }
  void TearDown() override { gDrawState.Reset(); }

  ScriptedDialogs dialogs;
  ScriptedMachine machine;
};

TEST_F(SettingsGlue, AutoRegistrationRunsOnlyWhileItIsOn) {
  auto rec = std::make_unique<CCharDataFull>();
  rec->m_nOutlineDirty = 0;
  int repaints = 0;
  EXPECT_FALSE(IsAutoRegistrationOn());
  EXPECT_EQ(RunAutoRegistration(*rec, [&] { ++repaints; }), 0);
  EXPECT_EQ(repaints, 0);
  EXPECT_EQ(rec->m_nOutlineDirty, 0);
  EXPECT_EQ(rec->m_param[334], 0);

  gDrawState.m_toolPanel.m_bShown = 1;
  EXPECT_EQ(RunAutoRegistration(*rec,
                                [&] {
                                  ++repaints;
                                  EXPECT_EQ(rec->m_param[334], 1) << "the conversion loads from the store";
                                  EXPECT_EQ(rec->m_nOutlineDirty, 1);
                                }),
            1);
  EXPECT_EQ(repaints, 1);
  EXPECT_EQ(rec->m_param[334], 0);
}

TEST_F(SettingsGlue, ThePenDialogEditsTheDrawingStateAndAppliesTheSpeed) {
  gDrawState.m_nPenSpeed = 2;
  gDrawState.m_nPenDelay = 30;
  gDrawState.m_nPenRestrain = 1;
  gDrawState.m_bChangeMouseSpeed = 1;
  gDrawState.m_nPenSwitch = 0;
  gDrawState.m_nMouseSpeedMode = 0;
  dialogs.Then([](DialogWindow& d) {
    EXPECT_EQ(TextOf(d, 110), QStringLiteral("30"));
    ScriptedDialogs::Type(d, 110, QStringLiteral("45"));
    return ui::kIdCancel;
  });
  EXPECT_EQ(RunPenSettings(), 0);
  EXPECT_EQ(gDrawState.m_nPenDelay, 30);
  EXPECT_TRUE(machine.speedsSet.empty());

  dialogs.Then([](DialogWindow& d) {
    EXPECT_EQ(qobject_cast<QSlider*>(d.Control(333))->value(), 2);
    ScriptedDialogs::Type(d, 110, QStringLiteral("45"));
    qobject_cast<QSlider*>(d.Control(333))->setValue(5);
    ScriptedDialogs::Check(d, 666, true);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(RunPenSettings(), 1);
  EXPECT_EQ(gDrawState.m_nPenDelay, 45);
  EXPECT_EQ(gDrawState.m_nPenSpeed, 5);
  EXPECT_EQ(gDrawState.m_nPenRestrain, 1);
  EXPECT_EQ(gDrawState.m_bChangeMouseSpeed, 1);
  EXPECT_EQ(gDrawState.m_nPenSwitch, 1);
  EXPECT_EQ(machine.speedsSet, std::vector<int>{16});  // level 5's speed
  EXPECT_EQ(gDrawState.m_nMouseSpeedMode, -1) << "the views set their speed anew";

  // With the switch turned off the pointer stays the user's own.
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Check(d, 583, false);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(RunPenSettings(), 1);
  EXPECT_EQ(gDrawState.m_bChangeMouseSpeed, 0);
  EXPECT_EQ(machine.speedsSet, std::vector<int>{16});
}

TEST_F(SettingsGlue, TheGuideFrameDialogEditsParameters32To36) {
  ScopedWorkCanvas canvas(500, 750);
  auto rec = std::make_unique<CCharDataFull>();
  const int start[] = {40, 50, 10, 20, 1};
  for (int k = 0; k < 5; ++k) rec->m_param[size_t(32 + k)] = start[k];
  dialogs.Then([](DialogWindow& d) {
    EXPECT_EQ(TextOf(d, 102), QStringLiteral("40"));
    EXPECT_EQ(TextOf(d, 108), QStringLiteral("20"));
    ScriptedDialogs::Type(d, 103, QStringLiteral("60"));
    return ui::kIdCancel;
  });
  EXPECT_EQ(RunGuideFrameDialog(*rec), 0);
  EXPECT_EQ(rec->m_param[33], 50);

  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Type(d, 103, QStringLiteral("60"));
    ScriptedDialogs::Click(d, 134);  // shown when matching a character
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(RunGuideFrameDialog(*rec), 1);
  const int taken[] = {40, 60, 10, 20, 2};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(rec->m_param[size_t(32 + k)], taken[k]) << 32 + k;
}

TEST_F(SettingsGlue, TheSaveRangeIsTakenUnlessCancelled) {
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Check(d, 481, true);
    return ui::kIdCancel;
  });
  EXPECT_EQ(EditSaveRange(), 0);
  EXPECT_EQ(gDrawState.m_nSaveRange, 0);
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Check(d, 481, true);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(EditSaveRange(), 1);
  EXPECT_EQ(gDrawState.m_nSaveRange, 1);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{323, 323}));
}

}  // namespace
}  // namespace tmb::test
