// The style presets: short lists of parameter values, each of which turns a character's
// settings into one conversion type or model style, and the table of style commands that
// name them.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/record/param_block.h"

// Keys of the constant table: a pair with kPresetEnd ends a preset, kTableEnd the table,
// kPairNothing does nothing. Any other key k >= 0 sets parameter k, k < -2 parameter -k.
constexpr int32_t kPresetEnd = -1;
constexpr int32_t kTableEnd = -2;
constexpr int32_t kPairNothing = -100;

class CPresetList {
 public:
  static constexpr int kMaxEntries = 100;

  // Builds the start index of table (pairs of key and value; not copied).
  explicit CPresetList(std::span<const int32_t> table);

  // Writes the pairs of preset into params. Only presets that hold values (0 to
  // PresetCount() - 1) are applied; any other number changes nothing.
  void Apply(ParamBlock& params, int preset) const;

  int EntryCount() const { return m_nEntries; }
  // The entry after the last preset only marks the end of the table.
  int PresetCount() const { return m_nEntries > 0 ? m_nEntries - 1 : 0; }

 private:
  // Walks the pairs up to the table's end key: every preset end opens the next entry,
  // and the end of the table closes the last one.
  void Build();

  std::array<int, kMaxEntries> m_start{};  // index of each preset's first pair
  int m_nEntries = 0;
  std::span<const int32_t> m_table;
};

extern const CPresetList gPresetList;

// Style ids that render a comparison sheet instead of applying one preset.
constexpr int kStyleSheetConversionTypes = 2;
constexpr int kStyleSheetModelStyles = 3;
// The style id that takes the values of the style chosen in the style menus.
constexpr int kStyleFromStyleMenus = -1;

// The preset of style command id; -1 when the id names none.
int PresetOfStyleCommand(int id);
