// The preset table, its start index and the style command ids that name its presets.
#include "convert/presets/preset_list.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "convert/presets/preset_sheets.h"

namespace {

constexpr int32_t kUntouched = -12345;

ParamBlock Untouched() {
  ParamBlock p;
  p.fill(kUntouched);
  return p;
}

// The entries preset wrote into an untouched block.
std::map<int, int32_t> Written(int preset) {
  ParamBlock p = Untouched();
  gPresetList.Apply(p, preset);
  std::map<int, int32_t> out;
  for (int k = 0; k < kParamCount; ++k) {
    if (p[size_t(k)] != kUntouched) out[k] = p[size_t(k)];
  }
  return out;
}

TEST(PresetList, TwentyPresetsAndTheEntryThatEndsTheTable) {
  EXPECT_EQ(gPresetList.EntryCount(), 21);
  EXPECT_EQ(gPresetList.PresetCount(), 20);
  for (int preset = 0; preset < 20; ++preset) EXPECT_FALSE(Written(preset).empty()) << preset;
}

TEST(PresetList, PresetsWriteTheirValuesTheNegatedKeysAndTheLaterOfTwo) {
  EXPECT_EQ(Written(0), (std::map<int, int32_t>{{0, 0}, {1, 0}, {2, 10}, {3, 6}, {4, 0}}));
  EXPECT_EQ(Written(1), (std::map<int, int32_t>{{0, 4}, {3, 15}, {26, 3}, {6, 150}}));
  // Keys from 312 up are written negated.
  EXPECT_EQ(Written(4), (std::map<int, int32_t>{{0, 4}, {3, 15}, {1, 0}, {328, 1}}));
  // Preset 8 names parameter 1 twice.
  EXPECT_EQ(Written(8).at(1), 0);
  EXPECT_EQ(Written(8).size(), 16u);
  // The last preset ends at the end of the table.
  EXPECT_EQ(Written(19), (std::map<int, int32_t>{{0, 5}, {1, 5}, {6, 30}, {3, 10}, {4, 15}, {2, 20}, {328, 1},
                                                 {312, 0}, {315, 0}, {317, 0}}));
}

TEST(PresetList, NumbersOutsideThePresetsChangeNothing) {
  for (int preset : {-1, -100, 20, 21, 99, 1000}) EXPECT_TRUE(Written(preset).empty()) << preset;
}

TEST(PresetList, AStartIndexBeyondItsCapacityIsNeverWritten) {
  // 150 presets of one pair each: the index keeps its first hundred entries.
  std::vector<int32_t> table;
  for (int i = 0; i < 150; ++i) table.insert(table.end(), {0, i, kPresetEnd, 0});
  table.insert(table.end(), {kTableEnd, 0});
  const CPresetList list(table);
  EXPECT_EQ(list.EntryCount(), CPresetList::kMaxEntries);
  ParamBlock p = Untouched();
  list.Apply(p, 98);
  EXPECT_EQ(p[0], 98);
  // A table cut short, without its end key, is read no further than it goes.
  const int32_t cut[] = {3, 7, kPresetEnd, 0, 4};
  const CPresetList shortList(cut);
  p = Untouched();
  shortList.Apply(p, 0);
  EXPECT_EQ(p[3], 7);
  shortList.Apply(p, 1);
  EXPECT_EQ(p[4], kUntouched);
}

TEST(PresetList, StyleCommandsNameTheirPresets) {
  const std::map<int, int> expected = {{1, 0},   {0, 1},   {4, 2},   {5, 3},   {6, 4},   {7, 5},   {8, 6},
                                       {9, 7},   {11, 8},  {12, 9},  {13, 10}, {14, 11}, {15, 12}, {16, 13},
                                       {17, 14}, {18, 15}, {19, 16}, {20, 17}, {21, 18}, {22, 19}};
  for (const auto& [id, preset] : expected) EXPECT_EQ(PresetOfStyleCommand(id), preset) << id;
  // The sheets, the style menus and the ids no style has.
  for (int id : {2, 3, -1, 10, 23, 24, -2, 1000}) EXPECT_EQ(PresetOfStyleCommand(id), -1) << id;
}

TEST(PresetList, TheSheetsShowTheirPresetsInOrder) {
  const CPresetSheetList types = PresetSheetOf(kStyleSheetConversionTypes);
  EXPECT_EQ(std::vector<int>(types.presets.begin(), types.presets.end()), (std::vector<int>{0, 3, 2, 4, 1}));
  EXPECT_STREQ(types.names[0], "無変換");
  EXPECT_STREQ(types.names[4], "旧版");
  const CPresetSheetList models = PresetSheetOf(kStyleSheetModelStyles);
  EXPECT_EQ(std::vector<int>(models.presets.begin(), models.presets.end()), (std::vector<int>{10, 9, 11, 13, 12}));
  EXPECT_STREQ(models.names[4], "連綿草");
  ASSERT_EQ(models.names.size(), models.presets.size());
}

}  // namespace
