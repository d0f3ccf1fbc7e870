// The font face cache "fontsubdata.dat" in the data folder: one byte per face name,
// telling whether the glyphs of that face have to be turned round when they are read as
// outlines. The value of a face not yet cached is computed by the glyph import, which
// installs its function here; the table holds at most 1,024 faces.
//
// File: 65-byte records, no header: the face name as 32 UTF-16 units (zero after the
// terminator), then the value byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "core/record/log_font.h"

class CFontSubTable {
 public:
  static constexpr int kCapacity = 1024;
  static constexpr size_t kFaceUnits = 32;
  static constexpr size_t kRecordSize = 2 * kFaceUnits + 1;  // 65

  // The value of a face (0 or 1), computed from its glyph outlines; negative when the
  // face could not be read, which is then not cached.
  using ValueFunction = std::function<int(const CLogFont& font)>;

  // Reads the file (a missing one reads as empty), at most kCapacity records. 1 or -1.
  int Load();
  // Writes all held records as the whole file. 1 or -1.
  int Save();
  // The cached value of the font's face. A face not yet held is computed, added and
  // saved; without a value function, or when the face cannot be read, it is 0 and
  // nothing is cached.
  int GetValue(const CLogFont& font);
  // Appends a face (code page 932) and its value: 1, or -1 when the table is full.
  int Add(std::string_view faceName, int value);

  // Installs the function that computes a face's value (an empty one removes it).
  void SetValueFunction(ValueFunction function) { m_valueFunction = std::move(function); }
  // Empty and not loaded, as at start (the value function stays).
  void Reset();

  int GetCount() const { return m_nCount; }
  bool IsLoaded() const { return m_bLoaded; }

 private:
  std::array<std::array<char16_t, kFaceUnits + 1>, kCapacity> m_faceNames{};
  std::array<uint8_t, kCapacity> m_values{};
  bool m_bLoaded = false;
  int m_nCount = 0;
  ValueFunction m_valueFunction;
};

extern CFontSubTable gFontSubTable;
