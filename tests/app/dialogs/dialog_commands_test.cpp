// The dialogs from the menus of the started application: the standard settings, the
// copies between the windows, the settings-value file question and the typeface option.
#include <filesystem>

#include "app/app_fixture.h"
#include "app/dialogs/conv_option_dialog.h"
#include "app/kind_lookup.h"
#include "core/record/char_slots.h"
#include "core/effect/effect_dialogs.h"
#include "resources/command_ids.h"
#include "support/char_file_fixture.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

constexpr int kBrushParam = 3;  // in the brush category of the standard settings

class DialogCommands : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
  }
  void TearDown() override {
    gnConvKeepColour = gnConvKeepBlur = 0;
    AppTest::TearDown();
  }
  static CCharDataFull& Record(int kind) { return *GetCharDocumentOfKind(kind)->DrawnRecord(); }
  static ScriptedDialogs::Step CheckAndPress(int check, bool ok) {
    return [check, ok](ui::DialogWindow& d) {
      ScriptedDialogs::Check(d, check, true);
      return ok ? ScriptedDialogs::PressOk(d) : ui::kIdCancel;
    };
  }

  TempDir dir;
};

TEST_F(DialogCommands, StandardSettingsCopyTheCheckedCategoryOnOkAndNothingOnCancel) {
  const int standard = gCharSlots[0].m_param[kBrushParam];
  Record(kKindDrawA).m_param[kBrushParam] = standard + 7;
  dialogs.Then(CheckAndPress(176, false));
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdStandardSettings));
  EXPECT_EQ(Record(kKindDrawA).m_param[kBrushParam], standard + 7);
  dialogs.Then(CheckAndPress(176, true));
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdStandardSettings));
  EXPECT_EQ(Record(kKindDrawA).m_param[kBrushParam], standard);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{194, 194}));
}

TEST_F(DialogCommands, CopyingAToBTakesTheCheckedCategory) {
  Record(kKindDrawA).m_param[kBrushParam] = 11;
  Record(kKindDrawB).m_param[kBrushParam] = 22;
  dialogs.Then(CheckAndPress(176, false));
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdCopyAToB));
  EXPECT_EQ(Record(kKindDrawB).m_param[kBrushParam], 22);
  dialogs.Then(CheckAndPress(176, true));
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdCopyAToB));
  EXPECT_EQ(Record(kKindDrawB).m_param[kBrushParam], 11);
  Record(kKindDrawB).m_param[kBrushParam] = 33;
  dialogs.Then(CheckAndPress(176, true));
  frame()->ActivateViewOfKind(kKindDrawB, 0);
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdCopyBToA));
  EXPECT_EQ(Record(kKindDrawA).m_param[kBrushParam], 33);
}

TEST_F(DialogCommands, ASettingsOnlyFileAsksAndItsSetButtonErasesThePoints) {
  const fs::path path = dir / "settings.wdf";
  WriteFileBytes(path, BuildWdfFile({CharPart(1, {}, 21)}));
  struct Case {
    int button;  // 0 cancels
    int points;
    int width;
  } cases[] = {{0, 2, 5}, {ui::kIdOk, 2, 21}, {135, 0, 21}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    CCharDataFull& a = Record(kKindDrawA);
    SetPoints(a, {{10, 10, 1, -1}, {20, 20, 0, -1}});
    a.m_param[kBrushParam] = 5;
    dialogs.shown.clear();
    dialogs.Then([&](ui::DialogWindow& d) {
      if (c.button == 0) return ui::kIdCancel;
      if (c.button == ui::kIdOk) return ScriptedDialogs::PressOk(d);
      ScriptedDialogs::Click(d, c.button);
      return d.result() == QDialog::Accepted ? ui::kIdOk : ui::kIdCancel;
    });
    chooser.Next(path.string());
    frame()->ExecuteCommand(kCmdFileOpen);
    EXPECT_EQ(dialogs.shown, std::vector<int>{148});
    EXPECT_EQ(Record(kKindDrawA).m_nPoints, c.points);
    EXPECT_EQ(Record(kKindDrawA).m_param[kBrushParam], c.width);
  }
}

TEST_F(DialogCommands, TheTypefaceOptionStoresBothChecksOnOkAndLeavesThemOnCancel) {
  auto both = [](bool ok) {
    return [ok](ui::DialogWindow& d) {
      ScriptedDialogs::Check(d, 687, true);
      ScriptedDialogs::Check(d, 688, true);
      return ok ? ScriptedDialogs::PressOk(d) : ui::kIdCancel;
    };
  };
  EXPECT_EQ(gnConvKeepColour, 0);
  EXPECT_EQ(gnConvKeepBlur, 0);
  dialogs.Then(both(false));
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdConvOption));
  EXPECT_EQ(gnConvKeepColour + gnConvKeepBlur, 0);
  dialogs.Then(both(true));
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdConvOption));
  EXPECT_EQ(gnConvKeepColour, 1);
  EXPECT_EQ(gnConvKeepBlur, 1);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{326, 326}));
}

TEST_F(DialogCommands, TheColourChangeTakesThePaperColourOfTheCurrentWindow) {
  Record(kKindDrawA).m_param[157] = int(MakeRgb(1, 2, 3));
  Record(kKindDrawB).m_param[157] = int(MakeRgb(4, 5, 6));
  frame()->ActivateViewOfKind(kKindDrawB, 0);
  CColorChangeDlg values;
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, 288);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(values.DoModal(), kAnswerOk) << "the application shows the effects' dialogs";
  EXPECT_EQ(values.m_slots[CColorChangeDlg::kSlotBackground], (RgbSlot{4, 5, 6}));
  EXPECT_EQ(dialogs.shown, std::vector<int>{217});
}

}  // namespace
}  // namespace tmb::test
