// The comparison sheets of the style commands: which presets a sheet shows, in which
// order, and the name each picture carries.
#pragma once

#include <span>

// A sheet shows at most this many pictures (the frame output's table of waits).
constexpr int kMaxSheetPictures = 256;

struct CPresetSheetList {
  std::span<const int> presets;
  std::span<const char* const> names;  // UTF-8, one per preset
};

// Style id 2 shows the conversion types; any other id the model styles.
CPresetSheetList PresetSheetOf(int id);
