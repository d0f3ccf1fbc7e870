// Characters kept in the text store ("textdata" of the main set) under the text they
// stand for, whatever font: what the handwritten parts of a character are stored as.
#pragma once

#include <string_view>

class CStrokePath;

// Loads the newest character stored under text (code page 932; its first character
// counts) into path. Always 1: path is left empty when the store holds none or cannot be
// read.
int LoadTextCharacter(CStrokePath& path, std::string_view text);
// Appends path to the text store under text: 1, or -1 when the store cannot be read or
// written (its files are then as they were).
int SaveTextCharacter(const CStrokePath& path, std::string_view text);
// Stores path under the text "r", then puts into path what the store holds under "t"
// (nothing when it holds none): a check of both directions of the text store.
void RoundTripTextCharacter(CStrokePath& path);
