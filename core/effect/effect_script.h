// Reading effect scripts: a script file as text, and the numbers, colour triples and
// switch words of one entry line, which go to the table slots of the line's effect.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class CEffectDef;

// Entry lines are read for values within their first this many bytes.
constexpr int kEffectLineWindow = 128;

// Reads the whole file at path (UTF-8) into text: its length, or
// CEffectDef::kReadFailed when it cannot be read and CEffectDef::kReadTooLarge when it
// holds more than maxBytes; text is left alone then.
int LoadTextFile(std::string& text, const std::string& path, size_t maxBytes);

// Fills the slots of effect in def from the first limit bytes of line: numbers go to
// value1 and value2, the first completed colour triple to colour1 and any later one to
// colour2, switch words set or clear the switches. Numbers are stored as written; only a
// run of digits too long for 32 bits is held at the largest number, and a triple keeps
// only its 24 colour bits.
void ParseEffectLine(CEffectDef& def, std::string_view line, int effect, int limit);

// Applies the switch word that starts at pos of text, if any, to the switches of effect:
// "ON_B"/"ON_G", "ON_T", "ON_A" and "ON" (not followed by "_") set flagBG, flagT, flagA
// and flagA; the "OFF" forms clear them.
void ParseSwitchWord(CEffectDef& def, std::string_view text, size_t pos, int effect);
