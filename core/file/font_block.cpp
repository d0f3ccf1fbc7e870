#include "core/file/font_block.h"

#include <cstdint>

#include "core/file/string_records.h"
#include "platform/text/code_page.h"

bool ReadFontBlock(tmb::BinaryFile& file, int& flag, bool withText, CLogFont& font, std::string& text) {
  uint16_t present = 0;
  if (!file.ReadU16(present)) return false;
  flag = present;
  if (present == 0) return true;
  CLogFont::Bytes bytes{};
  if (!file.Read(bytes.data(), bytes.size())) return false;
  font = CLogFont::FromBytes(bytes.data());
  return !withText || ReadNarrowStringRecord(file, text, kFontBlockTextMaxBytes) >= 0;
}

bool WriteFontBlock(tmb::BinaryFile& file, int flag, bool withText, const CLogFont& font, std::string_view text) {
  const uint16_t present = static_cast<uint16_t>(flag);
  if (!file.WriteU16(present)) return false;
  if (present == 0) return true;
  const CLogFont::Bytes bytes = font.ToBytes();
  if (!file.Write(bytes.data(), bytes.size())) return false;
  if (!withText) return true;
  text = text.substr(0, text.find('\0'));
  // A reader refuses a longer text; cut it before a two-byte character that would not fit.
  size_t length = 0;
  while (length < text.size()) {
    const size_t step = length + 1 < text.size() && tmb::IsSjisLeadByte(uint8_t(text[length])) ? 2 : 1;
    if (length + step > size_t(kFontBlockTextMaxBytes)) break;
    length += step;
  }
  return file.WriteI32(int32_t(length)) && (length == 0 || file.Write(text.data(), length));
}
