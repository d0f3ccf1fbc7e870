#include "core/state/mouse_speed.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/state/draw_state.h"
#include "support/scripted_machine.h"

namespace {

using tmb::MouseThresholds;

class MouseSpeedTest : public ::testing::Test {
 protected:
  void SetUp() override { gDrawState.Reset(); }
  void TearDown() override {
    gDrawState.Reset();
    gSavedMouseThresholds = {};
    gSavedMouseSpeed = 10;
  }
  void UseVersion(int version) { gDrawState.m_nWinVersion = version; }

  tmb::test::ScriptedMachine machine;
};

// The presets: thresholds and acceleration before 501, the speed from 501 on.
struct Preset {
  int level;
  MouseThresholds thresholds;
  int speed;
};
const Preset kPresets[] = {
    {0, {0, 0, 0}, 6},   {1, {10, 0, 1}, 8}, {2, {7, 0, 1}, 10},  {3, {4, 0, 1}, 12},
    {4, {4, 12, 2}, 14}, {5, {4, 9, 2}, 16}, {6, {4, 6, 2}, 18},
};

TEST_F(MouseSpeedTest, EachLevelSetsItsPresetInTheFormOfTheSystem) {
  for (const Preset& p : kPresets) {
    SCOPED_TRACE(p.level);
    machine.speedsSet.clear();
    machine.thresholdsSet.clear();
    UseVersion(501);
    SetMouseSpeedLevel(p.level);
    EXPECT_EQ(machine.speedsSet, std::vector<int>{p.speed});
    EXPECT_TRUE(machine.thresholdsSet.empty());
    UseVersion(500);
    SetMouseSpeedLevel(p.level);
    EXPECT_EQ(machine.thresholdsSet, std::vector<MouseThresholds>{p.thresholds});
    EXPECT_EQ(machine.speedsSet, std::vector<int>{p.speed});
    // Every preset reads back as its own level.
    EXPECT_EQ(MouseThresholdsLevel(p.thresholds), p.level);
  }
}

TEST_F(MouseSpeedTest, LevelsOutsideTheTableAreHeldToItsEnds) {
  UseVersion(501);
  SetMouseSpeedLevel(-3);
  SetMouseSpeedLevel(7);
  EXPECT_EQ(machine.speedsSet, (std::vector<int>{6, 18}));
  UseVersion(410);
  SetMouseSpeedLevel(-1);
  SetMouseSpeedLevel(1000);
  EXPECT_EQ(machine.thresholdsSet, (std::vector<MouseThresholds>{{0, 0, 0}, {4, 6, 2}}));
}

TEST_F(MouseSpeedTest, AnyTripleReadsAsTheLevelOfItsAccelerationAndThreshold) {
  UseVersion(500);
  struct Case {
    MouseThresholds read;
    int level;
  } cases[] = {
      {{99, 99, 0}, 0}, {{99, 99, -1}, 0}, {{9, 0, 1}, 1}, {{8, 0, 1}, 2}, {{6, 0, 1}, 2},
      {{5, 0, 1}, 3},   {{0, 0, 1}, 3},    {{4, 11, 2}, 4}, {{0, 10, 3}, 5}, {{4, 8, 2}, 5},
      {{4, 7, 2}, 6},   {{99, 0, 2}, 6},
  };
  for (const Case& c : cases) {
    machine.thresholds = c.read;
    MouseThresholds out;
    EXPECT_EQ(GetMouseSpeedLevel(out), c.level) << c.read.threshold1 << " " << c.read.threshold2;
    EXPECT_EQ(out, c.read);
  }
  EXPECT_TRUE(machine.thresholdsSet.empty()) << "reading changes nothing";
}

TEST_F(MouseSpeedTest, TheSpeedReadAtStartIsWhatIsPutBack) {
  UseVersion(501);
  machine.speed = 13;
  MouseThresholds unused;
  const int saved = GetMouseSpeedLevel(unused);
  EXPECT_EQ(saved, 13);
  EXPECT_EQ(gSavedMouseSpeed, 13);
  SetMouseSpeedLevel(4);
  RestoreMouseSpeed(saved);
  EXPECT_EQ(machine.speedsSet, (std::vector<int>{14, 13}));
}

TEST_F(MouseSpeedTest, TheTripleReadAtStartIsPutBackAsItWasNotAsItsLevelsPreset) {
  UseVersion(500);
  machine.thresholds = {5, 0, 1};  // level 3, but not its preset
  const int saved = GetMouseSpeedLevel(gSavedMouseThresholds);
  ASSERT_EQ(saved, 3);
  SetMouseSpeedLevel(6);
  RestoreMouseSpeed(saved);
  EXPECT_EQ(machine.thresholdsSet, (std::vector<MouseThresholds>{{4, 6, 2}, {5, 0, 1}}));

  // A level that is not the one read gives its preset, and the machine's answer is kept.
  machine.thresholdsSet.clear();
  machine.thresholds = {10, 0, 1};
  RestoreMouseSpeed(1);
  EXPECT_EQ(machine.thresholdsSet, (std::vector<MouseThresholds>{{10, 0, 1}}));
  EXPECT_EQ(gSavedMouseThresholds, (MouseThresholds{10, 0, 1}));
}

TEST_F(MouseSpeedTest, WithoutAPointerNothingIsReadOrSet) {
  tmb::SetPointerSpeedService(nullptr);
  UseVersion(501);
  MouseThresholds out{1, 2, 1};
  EXPECT_EQ(GetMouseSpeedLevel(out), 10) << "the unchanged speed";
  SetMouseSpeedLevel(6);
  RestoreMouseSpeed(10);
  UseVersion(500);
  EXPECT_EQ(GetMouseSpeedLevel(out), 3) << "the level of the triple as it was";
  EXPECT_EQ(out, (MouseThresholds{1, 2, 1}));
  EXPECT_TRUE(machine.speedsSet.empty());
  tmb::SetPointerSpeedService(&machine);
}

}  // namespace
