// The default values of the 512 brush and style parameters, of the style list's enable
// flags and of the brush preset of each character slot.
#pragma once

#include <cstdint>
#include <span>

#include "core/record/param_block.h"

// Writes the defaults into params; value37 becomes entry 37 (the style). Entry 381 keeps
// the value it had.
void InitShapeSettings(ParamBlock& params, int value37);

// Sets the 64 enable flags of the style list: in settingsFlags when given, else in
// entries 310 to 373 of params.
void InitStyleEnableFlags(StyleFlags* settingsFlags, ParamBlock& params);

// The brush preset of a character slot: entries 0 to 8 of params and, when maxima holds
// at least 9 entries, entries 0 to 8 of maxima (the slider maxima). Slots 0 and 1 have
// one preset, every other slot another.
void GetSlotParamDefaults(ParamBlock& params, std::span<int32_t> maxima, int slot);
