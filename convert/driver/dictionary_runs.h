// The dictionary runs of the dictionary-file dialog: a text split into its characters in
// the global name list, the characters of a text fetched from the text store into the
// cells of a character's guide grid, and the strokes written in those cells stored under
// the text's characters. Texts are code page 932.
#pragma once

#include <string_view>

class CCharDataFull;
class CStrokePath;
class CTmbDoc;
struct CNameEntry;

// Parameters of the expansion: scale the characters (by p302 percent), centre them in
// their cells.
constexpr int kDictScaleParam = 300;
constexpr int kDictCentreParam = 301;
constexpr int kDictPercentParam = 302;
// Bytes of a text that are split into characters.
constexpr int kDictTextLimit = 1024;

// Empties gNameList and appends each character of the first kDictTextLimit bytes of text
// (a two-byte character whole; line ends, blanks and full-width spaces skipped), first
// making room for all of them. Returns the list's count.
int SplitTextCharacters(std::string_view text);

// Replaces the drawn strokes of doc by the characters of text, each the newest the text
// store holds for it, fitted into the cell of its place in the record's guide grid
// (scaled by p302 percent while p300 is on, centred while p301 is on). The undo copy is
// taken first; a character the store lacks leaves its cell empty. 1 when done; 0, with
// nothing changed, when text has no characters or the grid no cell (after a beep), or
// when the store holds none of the characters (after a beep and a message).
int ExpandTextCharacters(CTmbDoc& doc, std::string_view text);

// Stores the strokes written into the cells of the record's guide grid under the
// characters of text, which become the entries of gNameList (entry i naming cell i), in
// order: each stroke belongs to the cell of its first point, and
// the strokes of a cell are moved so that their box's top-left corner is the origin. A
// cell without strokes is passed over; while the ink of window (0 A, 1 B, the record's)
// is active, a written cell past the text's characters is stored under what the
// recogniser reads in its strokes, when they are ink written one after another. 1 when
// some strokes were stored; 0 when the record has no strokes in the cells of the text,
// -1 when the store could not be written.
int RegisterTextCharacters(CCharDataFull& record, std::string_view text, int window);

// The strokes of record that start in the cell entry names (its first point index is the
// cell of the record's guide grid; -1 none) into path, moved so that their box's top-left
// corner is the origin. The number of strokes; 0 when the cell holds none.
int LoadDictionaryCharacter(CStrokePath& path, const CCharDataFull& record, const CNameEntry& entry);
// Hands path to the text store under name: 1 when stored, -1 when the store could not be
// written.
int LoadFontCharacter(const CStrokePath& path, std::string_view name);
