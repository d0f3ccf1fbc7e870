// The values a style command gives a character record: the defaults with the brush
// values of the window's character slot, then a preset or the style chosen in the style
// menus; and the values taken back after the character was drawn with them.
#pragma once

#include "core/record/param_block.h"

class CCharDataFull;

// Parameter 380 on: a style's values stay after the drawing; off: they were a preview.
constexpr int kStyleKeepParam = 380;

// Whether style id can be applied: a style command with a preset, or id -1, the style
// menus (their chosen style, or while none is chosen the defaults alone).
bool StyleApplies(int id);

// The values before a style command, kept for the way back.
struct CStyleSavedValues {
  ParamBlock params{};
  ParamBlock maxima{};
  int rangeFrom = 0;
};
CStyleSavedValues SaveStyleValues(const CCharDataFull& rec);

// Only for an id StyleApplies accepts: every parameter from character slot 0 (194 and the
// keep switch 380 are never copied) and the brush values (0 to 7, with their maxima) from
// slot, then the values of style id (for id -1 those of the chosen style, none while no
// style is chosen, and the keep switches either way), and the record asks for its
// conversion. Texts, points and everything else of the record stay. Whether a style's
// values were applied: false for the defaults alone.
bool SetStyleValues(CCharDataFull& rec, int id, int slot, const CStyleSavedValues& saved);

// After the drawing: with parameter 380 on as the style left it (the character's own
// switch unless the style sets it) the style's values stay, otherwise the saved ones come
// back; either way the pen mode (47) is off. The defaults alone (styled false) were only
// shown: the saved values always come back, for nothing else would bring back what the
// user had set.
void EndStyleValues(CCharDataFull& rec, const CStyleSavedValues& saved, bool styled);
