// A short text laid out character by character on the paper: the script text, the grid
// it is parsed into, a template style and one entry per character with its own position,
// font and picture. Every character record carries two such blocks.
//
// The script: "##" and "//" stand for a literal "#" and "/"; a single "#" is a picture
// place (a hidden entry that takes a column but shows no character); "/" followed by
// numbers separated by blanks or commas and closed by ")" puts one numeric mark per
// number on the last non-blank character; a "/" not followed by such a list puts one
// mark -1 there. Columns are counted in code page 932 bytes: a double-byte character
// takes two.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/record/log_font.h"
#include "core/text/glyph_measure.h"

constexpr int kTextEntryCount = 128;     // character entries of a block
constexpr int kTextMarkCount = 1024;     // numeric marks of a block
constexpr int kTextScriptLimit = 1024;   // bytes of the script text that are parsed
constexpr int kTextPictureNameSize = 260;

// One character entry: 356 bytes in the stored form, fields at the offsets noted.
struct CTextCharEntry {
  char m_szChar[4] = {};          // 0: one single- or double-byte character, zero-terminated
  int32_t m_nColumn = 0;          // 4: 1-based
  int32_t m_nRow = 0;             // 8: 1-based
  int32_t m_nPosX = 0;            // 12: displacement of the character
  int32_t m_nPosY = 0;            // 16
  CLogFont m_font;                // 20: 60 bytes
  int32_t m_nScale = 0;           // 80: percent
  int32_t m_bHidden = 0;          // 84: 1 for a picture place made by "#"
  int32_t m_nPictureIndex = 0;    // 88: the picture of a picture place (-1 none)
  char m_szPicture[kTextPictureNameSize] = {};  // 92: the picture's file name
  int32_t m_nExtra = 0;           // 352: read by the text animation pages

  static constexpr size_t kStoredSize = 356;

  bool IsPicturePlace() const { return m_bHidden != 0; }
  std::string_view Char() const;
  std::string_view Picture() const;
  void SetChar(std::string_view cp932);
  void SetPicture(std::string_view cp932);
};

// One numeric mark of the script: 12 bytes in the stored form.
struct CTextMark {
  int32_t m_nEntry = 0;   // the entry the mark belongs to
  int32_t m_nValue = 0;   // filled by its users (the morph reads it as a point index)
  int32_t m_nNumber = 0;  // the number written in the script, -1 for a bare "/"
};

class CTextSettings {
 public:
  CTextSettings();

  // Head, template and entries back to their defaults; no entries and no marks.
  void Init();
  // Copies the head, the template, the text, the used entries and the mark count; of
  // every mark the entry and the number, and the value too unless keepValues is set.
  void CopyFrom(const CTextSettings& other, int keepValues);

  // 1 when the entry count, the text, a layout value or a used entry differs; else 0.
  int Differs(const CTextSettings& other) const;
  // 1 when two entries differ in any field (fonts compared as stored bytes); else 0.
  static int EntryDiffers(const CTextCharEntry& a, const CTextCharEntry& b);
  // 1 when the grid differs: characters per line, the second layout value, cell size,
  // aspect, position or entry count; else 0.
  int FontDiffers(const CTextSettings& other) const;

  // Gives every used entry the template's font.
  void ApplyTemplateToAll();
  // Gives entry i the template's position, font, scale and extra value; ignores an i
  // outside the entries.
  void StoreTemplateToEntry(int i);
  // Copies position, font, scale, extra value and picture name from src to dst.
  static void CopyEntryStyle(CTextCharEntry& dst, const CTextCharEntry& src);

  // lead x 256 + trail for a two-byte string, else its first byte (0 when empty).
  static int CharCode(std::string_view s);
  // True for " " alone or the full-width space "　".
  static bool IsBlank(std::string_view s);
  // Width of code in font at height 256; measure may be null (a fixed-pitch stand-in).
  static int CharWidth(CGlyphMeasure* measure, const CLogFont& font, int code);

  // Parses the first kTextScriptLimit bytes of text into entries (after the present ones
  // when append is set) and marks; stops at kTextEntryCount entries and drops marks past
  // kTextMarkCount. Returns the entry count.
  int ParseTextScript(std::string_view text, bool append);
  // Compares the characters of a and b in step (see the .cpp); out[0..2] start at -1.
  // Returns a's entry count minus b's.
  static int CompareEntries(const CTextSettings& a, const CTextSettings& b, int out[3]);
  // Stores and parses a new text; entries keep the style of the character they held
  // before, where the change is one insertion or deletion of characters; new entries take
  // the template. Returns 2 when the text gives the same characters as before, else 1.
  int Reparse(std::string_view text);

  // m_nEntries kept within the capacity, for loops over the used entries.
  int UsedEntries() const;
  int UsedMarks() const;

  int32_t m_nEntries = 0;
  std::string m_strText;         // code page 932 bytes
  int32_t m_nCharsPerLine = 10;
  int32_t m_nLayout2 = 1;        // second layout value, read by the text animation pages
  int32_t m_nCellSize = 128;     // pixels
  int32_t m_nAspect = 100;       // height of a cell against its width, percent
  int32_t m_nGlyphSize = 256;    // pixels
  int32_t m_nPosX = 0;           // left margin
  int32_t m_nPosY = 0;           // top margin
  int32_t m_nFillValue = 0;      // handed to the outline painter
  int32_t m_nValue10 = 10;       // read by the text animation pages
  int32_t m_nCurEntry = 0;       // the axis-order entry
  int32_t m_nMarks = 0;
  std::array<CTextMark, kTextMarkCount> m_marks{};
  CTextCharEntry m_template;
  std::array<CTextCharEntry, kTextEntryCount> m_entries{};
};
