// The values a style command gives a character record: the defaults with the brush
// values of the window's character slot, then a preset or the style chosen in the style
// menus; and the values taken back after the character was drawn with them.
#pragma once

#include "core/record/param_block.h"

class CCharDataFull;

// Parameter 380 on: a style's values stay after the drawing; off: they were a preview.
constexpr int kStyleKeepParam = 380;

// Whether style id names values: a style command with a preset, or id -1 while a style is
// chosen in the style menus.
bool StyleHasValues(int id);

// The values before a style command, kept for the way back.
struct CStyleSavedValues {
  ParamBlock params{};
  ParamBlock maxima{};
  int rangeFrom = 0;
};
CStyleSavedValues SaveStyleValues(const CCharDataFull& rec);

// Only for an id StyleHasValues accepts: every parameter from character slot 0 (194 is
// never copied) and the brush values (0 to 7, with their maxima) from slot, then the values
// of style id. Texts, points and everything else of the record stay.
void SetStyleValues(CCharDataFull& rec, int id, int slot, const CStyleSavedValues& saved);

// After the drawing: with parameter 380 on (in the saved values) the style's values stay, otherwise the saved
// ones come back; either way the pen mode (47) is off.
void EndStyleValues(CCharDataFull& rec, const CStyleSavedValues& saved);
