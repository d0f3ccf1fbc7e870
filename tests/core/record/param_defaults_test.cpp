#include "core/record/param_defaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

ParamBlock Filled(int32_t v) {
  ParamBlock p;
  p.fill(v);
  return p;
}

TEST(ParamDefaults, ResetClearsEverythingButEntry381) {
  for (int32_t before : {0, -1, 12345}) {
    ParamBlock p = Filled(12345);
    p[381] = before;
    InitShapeSettings(p, 400);
    EXPECT_EQ(p[381], before) << "381 keeps its value through a reset";
    for (int i = 0; i < kParamCount; ++i) {
      if (i == 381) continue;
      ASSERT_NE(p[i], 12345) << "entry " << i << " was not reset";
    }
  }
}

TEST(ParamDefaults, ResetWritesTheNamedDefaults) {
  ParamBlock p = Filled(-7);
  InitShapeSettings(p, 400);
  struct Expect {
    int index;
    int32_t value;
  } expected[] = {
      {32, 100}, {33, 100}, {34, 25}, {35, 25}, {36, 0},     // guide-line layout
      {37, 400},                                             // the style passed in
      {0, 0},    {6, 150},  {11, 4},  {50, 6},  {121, 10},   // smoothing mode 4, 6 frames
      {145, 0},  {146, 20}, {147, 0}, {148, 100},            // time-lag morphing off
      {78, 20},  {230, 75}, {234, 0}, {215, -45}, {216, 135}, {263, 300},
      {170, 0},  {176, 0},  {179, 0}, {200, 0},  {380, 1},  {511, 0},
      {150, 49152}, {152, 16728128}, {153, 4259839}, {154, 4210943}, {157, 16777215},
      {151, 0},  {155, 0},  {156, 0},
  };
  for (const Expect& e : expected) EXPECT_EQ(p[e.index], e.value) << "entry " << e.index;
  ParamBlock q = Filled(0);
  InitShapeSettings(q, 300);
  EXPECT_EQ(q[37], 300);
}

TEST(ParamDefaults, StyleFlagsAreOnExceptSeventeen) {
  const std::vector<int> off = {325, 328, 329, 330, 334, 336, 339, 343, 344,
                                348, 351, 354, 358, 359, 360, 361, 362};
  ParamBlock p = Filled(9);
  InitShapeSettings(p, 400);
  for (int i = kStyleFlagFirst; i < kStyleFlagFirst + kStyleFlagCount; ++i) {
    bool isOff = std::find(off.begin(), off.end(), i) != off.end();
    EXPECT_EQ(p[i], isOff ? 0 : 1) << "entry " << i;
  }
  EXPECT_EQ(p[309], 0);
  EXPECT_EQ(p[374], 0);
}

TEST(ParamDefaults, StyleFlagsOfASettingsRecordLeaveTheBlockAlone) {
  StyleFlags flags;
  flags.fill(7);
  ParamBlock p = Filled(9);
  InitStyleEnableFlags(&flags, p);
  EXPECT_EQ(p, Filled(9));
  EXPECT_EQ(flags[0], 1);
  EXPECT_EQ(flags[15], 0);
  EXPECT_EQ(flags[52], 0);
  EXPECT_EQ(flags[63], 1);
}

TEST(ParamDefaults, SlotPresets) {
  struct Case {
    int slot;
    std::array<int32_t, 9> params;
  } cases[] = {
      {0, {3, 5, 12, 15, 70, 0, 100, 0, 0}},  // slot 0 starts with 3 smoothing passes
      {1, {3, 5, 12, 15, 70, 0, 100, 0, 0}},
      {2, {0, 0, 12, 25, 30, 0, 100, 5, 0}},  // slot 2 with none
      {3, {0, 0, 12, 25, 30, 0, 100, 5, 0}},
      {5, {0, 0, 12, 25, 30, 0, 100, 5, 0}},
      {-1, {0, 0, 12, 25, 30, 0, 100, 5, 0}},
  };
  const std::array<int32_t, 9> maxima = {12, 30, 40, 40, 100, 50, 300, 20, 0};
  for (const Case& c : cases) {
    ParamBlock p = Filled(-3);
    std::vector<int32_t> max(512, -3);
    GetSlotParamDefaults(p, max, c.slot);
    for (int i = 0; i < 9; ++i) {
      EXPECT_EQ(p[i], c.params[i]) << "slot " << c.slot << " entry " << i;
      EXPECT_EQ(max[i], maxima[i]) << "slot " << c.slot << " maximum " << i;
    }
    EXPECT_EQ(p[9], -3);
    EXPECT_EQ(max[9], -3);
  }
}

TEST(ParamDefaults, SlotPresetWithoutRoomForMaximaWritesOnlyTheParameters) {
  ParamBlock p = Filled(-3);
  std::array<int32_t, 5> small;
  small.fill(-3);
  GetSlotParamDefaults(p, {}, 0);
  GetSlotParamDefaults(p, small, 0);
  EXPECT_EQ(p[0], 3);
  for (int32_t v : small) EXPECT_EQ(v, -3);
}

}  // namespace
