// The narrow logical font as records and files hold it: 60 bytes, laid out as the
// platform's LOGFONTA (five int32, eight bytes, a 32-byte face name in code page 932).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/gdi/font.h"

struct CLogFont {
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strikeOut = 0;
  uint8_t charSet = 0;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0;
  char faceName[32] = {};  // zero-terminated code page 932 bytes

  static constexpr size_t kSize = 60;
  // Byte offsets of the fields in the stored form.
  static constexpr size_t kOffHeight = 0;
  static constexpr size_t kOffWidth = 4;
  static constexpr size_t kOffEscapement = 8;
  static constexpr size_t kOffOrientation = 12;
  static constexpr size_t kOffWeight = 16;
  static constexpr size_t kOffItalic = 20;
  static constexpr size_t kOffUnderline = 21;
  static constexpr size_t kOffStrikeOut = 22;
  static constexpr size_t kOffCharSet = 23;
  static constexpr size_t kOffOutPrecision = 24;
  static constexpr size_t kOffClipPrecision = 25;
  static constexpr size_t kOffQuality = 26;
  static constexpr size_t kOffPitchAndFamily = 27;
  static constexpr size_t kOffFaceName = 28;
  static constexpr size_t kFaceNameSize = 32;

  using Bytes = std::array<uint8_t, kSize>;

  // The stored form, little-endian at the offsets above.
  Bytes ToBytes() const;
  // Reads the stored form; the face name is kept zero-terminated even when the stored
  // one fills all 32 bytes.
  static CLogFont FromBytes(const uint8_t* bytes);

  // Fonts compare as their stored bytes.
  bool SameBytes(const CLogFont& other) const { return ToBytes() == other.ToBytes(); }

  void SetFaceName(const char* cp932);
};

// The character set value of Shift-JIS fonts.
constexpr uint8_t kShiftJisCharSet = 128;
// "ＭＳ ゴシック" in code page 932.
inline constexpr char kGothicFaceName[] = "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e";

// The default font of text mode: height 24, weight 400, Shift-JIS, output precision 7,
// all other numbers 0, face "ＭＳ ゴシック".
CLogFont DefaultTextFont();

// The font as the font engine takes it: the same numbers, the face name in UTF-8.
tmb::Font PlatformFontOf(const CLogFont& font);
// The way back, for a font the user chose: its numbers, switches and face name (code page
// 932) into font; the precisions and the quality stay as they were.
void TakePlatformFont(const tmb::Font& chosen, CLogFont& font);
