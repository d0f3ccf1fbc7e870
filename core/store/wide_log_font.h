// The wide logical font of the store and of the data files: the 28 number bytes of a
// logical font followed by its face name as 32 UTF-16 units (92 bytes). The store keys
// characters by it, compared byte for byte with height and width set to 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/record/log_font.h"

struct CWideLogFont {
  static constexpr size_t kNumberBytes = CLogFont::kOffFaceName;  // 28
  static constexpr size_t kFaceUnits = 32;
  static constexpr size_t kSize = kNumberBytes + 2 * kFaceUnits;  // 92

  std::array<uint8_t, kNumberBytes> numbers{};  // little-endian, as the narrow font stores them
  std::array<char16_t, kFaceUnits> faceName{};  // zero after the terminator

  // The number bytes copied and the face name converted; zero after its terminator.
  static CWideLogFont FromLogFont(const CLogFont& font);
  // The number bytes copied back and the face name converted to code page 932.
  CLogFont ToLogFont() const;
  // The key the store files a character of font under: font with height and width 0.
  static CWideLogFont StoreKey(const CLogFont& font);

  // Height and width (the first two numbers) to 0: a key for any size of the face.
  void ClearSize();
  // Every face-name unit after the first zero unit to 0.
  void CleanFaceName();

  void Store(uint8_t* out) const;
  static CWideLogFont Load(const uint8_t* in);

  friend bool operator==(const CWideLogFont&, const CWideLogFont&) = default;
};
