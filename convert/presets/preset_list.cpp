#include "convert/presets/preset_list.h"

namespace {

// Keys of the parameters from 312 upward are written negated, with the same effect.
constexpr int32_t kPresetTable[] = {
    // 0: no conversion
    0, 0, 1, 0, 3, 6, 4, 0, 2, 10, kPairNothing, -1, kPresetEnd, 0,
    // 1: the old version
    0, 4, 3, 15, 26, 3, 6, 150, kPairNothing, -1, kPresetEnd, 0,
    // 2: semi-cursive, standard
    0, 3, 3, 18, kPresetEnd, 0,
    // 3: semi-cursive, thin
    0, 3, 3, 8, kPresetEnd, 0,
    // 4: cursive
    0, 4, 3, 15, 1, 0, -328, 1, kPresetEnd, 0,
    // 5 to 19: the model styles
    0, 2, 1, 2, 3, 10, 4, 70, 26, 1, -320, 0, -333, 0, -342, 1, -314, 0, kPresetEnd, 0,
    0, 2, 1, 2, 3, 10, 2, 20, 4, 70, 26, 1, -320, 0, -333, 0, -328, 1, -342, 1, -314, 0, kPresetEnd, 0,
    0, 0, 3, 18, 4, 40, -320, 0, -333, 0, -318, 0, -315, 0, -330, 2, -329, 1, kPresetEnd, 0,
    0, 0, 1, 0, 3, 25, 2, 8, 4, 30, 27, 1, 28, 5, 1, 0, -315, 0, -317, 0, -336, 0, -321, 0, -335, 0,
    -338, 0, -326, 0, -327, 0, -342, 0, kPresetEnd, 0,
    0, 2, 1, 4, 8, 30, 3, 12, 4, 40, 7, 0, 2, 20, -328, 1, -312, 0, -320, 0, -333, 0, -342, 1, 290, 0,
    -314, 0, kPresetEnd, 0,
    0, 4, 7, 3, 3, 20, 293, 2, -315, 0, -316, 0, kPresetEnd, 0,
    0, 2, 3, 12, kPresetEnd, 0,
    0, 2, 1, 2, 3, 20, 2, 30, 4, 70, 26, 1, 5, 0, 1, 0, 293, 2, -320, 0, -333, 0, -328, 1, -342, 1,
    kPresetEnd, 0,
    0, 1, 3, 8, 2, 8, 1, 0, 26, 2, -318, 0, -320, 0, -333, 0, -315, 0, -321, 0, -335, 0, -338, 0,
    -326, 0, -327, 0, -342, 0, kPresetEnd, 0,
    0, 2, 3, 16, -344, 1, kPresetEnd, 0,
    0, 3, 3, 20, 4, 30, 201, 10, 293, 1, -319, 0, -314, 0, kPresetEnd, 0,
    0, 5, 1, 10, 3, 20, 4, 30, -344, 2, kPresetEnd, 0,
    0, 2, 1, 2, 3, 20, 4, 65, 290, 0, 293, 2, -314, 0, kPresetEnd, 0,
    0, 2, 1, 0, 3, 10, 4, 50, -348, 1, kPresetEnd, 0,
    0, 5, 1, 5, 6, 30, 3, 10, 4, 15, 2, 20, -328, 1, -312, 0, -315, 0, -317, 0,
    kTableEnd, 0,  // also ends the last preset
};

struct StyleCommand {
  int id;
  int preset;
};

// Ids 2 and 3 are the comparison sheets and -1 the style menus: none of them is here.
constexpr StyleCommand kStyleCommands[] = {
    {1, 0},   {0, 1},   {4, 2},   {5, 3},   {6, 4},   {7, 5},   {8, 6},   {9, 7},   {11, 8},  {12, 9},
    {13, 10}, {14, 11}, {15, 12}, {16, 13}, {17, 14}, {18, 15}, {19, 16}, {20, 17}, {21, 18}, {22, 19},
};

}  // namespace

const CPresetList gPresetList{kPresetTable};

CPresetList::CPresetList(std::span<const int32_t> table) : m_table(table) { Build(); }

void CPresetList::Build() {
  m_nEntries = 1;
  m_start[0] = 0;
  size_t i = 0;
  for (; i + 1 < m_table.size() && m_table[i] != kTableEnd; i += 2) {
    if (m_table[i] == kPresetEnd && m_nEntries < kMaxEntries) m_start[size_t(m_nEntries++)] = int(i + 2);
  }
  // The entry after the table's end closes the last preset, as long as there is room.
  if (m_nEntries < kMaxEntries) m_start[size_t(m_nEntries++)] = int(i + 2);
}

void CPresetList::Apply(ParamBlock& params, int preset) const {
  if (preset < 0 || preset >= PresetCount()) return;
  for (size_t i = size_t(m_start[size_t(preset)]); i + 1 < m_table.size(); i += 2) {
    const int32_t key = m_table[i];
    if (key == kPresetEnd || key == kTableEnd) return;
    const int32_t index = key >= 0 ? key : -key;
    if (key != kPairNothing && index < kParamCount && (key >= 0 || key < kTableEnd)) {
      params[size_t(index)] = m_table[i + 1];
    }
  }
}

int PresetOfStyleCommand(int id) {
  for (const StyleCommand& c : kStyleCommands) {
    if (c.id == id) return c.preset;
  }
  return -1;
}
