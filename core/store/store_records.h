// The fixed-size records of the character and picture store's index files, current and
// old, with their headers. Every record is stored little-endian, field by field:
//
//   font or text index record, 112 bytes: tag, character code (u16), 0 (u16), wide font
//     key (92), data offset, data size, 0
//   picture index record, 536 bytes: tag, name (260 UTF-16 units), data offset, data
//     size, 0
//   old font index record, 80 bytes: tag, character (4 bytes code page 932), narrow
//     font (60), data offset, data size, 0
//   old picture index record, 276 bytes: tag, name (260 bytes code page 932), data
//     offset, data size, 0
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/record/log_font.h"
#include "core/store/wide_log_font.h"

constexpr size_t kStoreHeaderSize = 16;
inline constexpr std::string_view kFontIndexMagic = "FONTFILE 2.00 UN";
inline constexpr std::string_view kPictureIndexMagic = "PIC_FILE 2.00 UN";
inline constexpr std::string_view kOldFontIndexMagic = "FONTFILE 1.00   ";

// Record tags: written by an addition, or produced by converting an old record.
constexpr int32_t kRecordTagAdded = 100;
constexpr int32_t kRecordTagConverted = 200;

constexpr int kPictureNameUnits = 260;

enum class StoreHeaderKind { kEmpty, kCurrentFont, kCurrentPicture, kOldFont, kUnknown };
// What the first bytes of an index file say it is; a file shorter than the header (but
// not empty) is unknown.
StoreHeaderKind ClassifyStoreHeader(const uint8_t* bytes, size_t size);

struct CFontIndexRecord {
  static constexpr size_t kSize = 112;

  int32_t m_nTag = kRecordTagConverted;
  uint16_t m_nCode = 0;  // the character as one UTF-16 unit
  CWideLogFont m_key;    // height and width always 0
  int32_t m_nOffset = 0;
  int32_t m_nSize = 0;   // 9 x points + 4

  void Store(uint8_t* out) const;
  static CFontIndexRecord Load(const uint8_t* in);
};

struct CPictureIndexRecord {
  static constexpr size_t kSize = 536;

  int32_t m_nTag = kRecordTagConverted;
  std::array<char16_t, kPictureNameUnits> m_name{};  // file name and extension, no folder
  int32_t m_nOffset = 0;
  int32_t m_nSize = 0;  // both point records and the stroke bytes

  void Store(uint8_t* out) const;
  static CPictureIndexRecord Load(const uint8_t* in);
  std::u16string_view Name() const;
};

struct COldFontIndexRecord {
  static constexpr size_t kSize = 80;

  int32_t m_nTag = kRecordTagAdded;
  char m_szChar[4] = {};  // code page 932, zero-terminated
  CLogFont m_font;
  int32_t m_nOffset = 0;
  int32_t m_nSize = 0;

  void Store(uint8_t* out) const;
  static COldFontIndexRecord Load(const uint8_t* in);
  // The current form: tag 200, the character as one unit, the face name widened.
  CFontIndexRecord Convert() const;
};

struct COldPictureIndexRecord {
  static constexpr size_t kSize = 276;

  int32_t m_nTag = kRecordTagAdded;
  char m_szName[kPictureNameUnits] = {};  // code page 932, zero-terminated
  int32_t m_nOffset = 0;
  int32_t m_nSize = 0;

  void Store(uint8_t* out) const;
  static COldPictureIndexRecord Load(const uint8_t* in);
  CPictureIndexRecord Convert() const;
};
