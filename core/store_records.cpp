#include "core/store_records.h"

#include <cstring>

#include "core/cp932_field.h"
#include "core/wide_text.h"
#include "platform/file/little_endian.h"

namespace {

void StoreI32(uint8_t* p, int32_t v) { tmb::StoreU32(p, static_cast<uint32_t>(v)); }
int32_t LoadI32(const uint8_t* p) { return static_cast<int32_t>(tmb::LoadU32(p)); }

bool HeaderIs(const uint8_t* bytes, std::string_view magic) {
  return std::memcmp(bytes, magic.data(), kStoreHeaderSize) == 0;
}

}  // namespace

StoreHeaderKind ClassifyStoreHeader(const uint8_t* bytes, size_t size) {
  if (size == 0) return StoreHeaderKind::kEmpty;
  if (size < kStoreHeaderSize) return StoreHeaderKind::kUnknown;
  if (HeaderIs(bytes, kFontIndexMagic)) return StoreHeaderKind::kCurrentFont;
  if (HeaderIs(bytes, kPictureIndexMagic)) return StoreHeaderKind::kCurrentPicture;
  // The old font index is told by its version digits.
  if (std::memcmp(bytes, "FONTFILE ", 9) == 0 && bytes[9] == '1' && bytes[10] == '.') {
    return StoreHeaderKind::kOldFont;
  }
  return StoreHeaderKind::kUnknown;
}

void CFontIndexRecord::Store(uint8_t* out) const {
  StoreI32(out, m_nTag);
  tmb::StoreU16(out + 4, m_nCode);
  tmb::StoreU16(out + 6, 0);
  m_key.Store(out + 8);
  StoreI32(out + 100, m_nOffset);
  StoreI32(out + 104, m_nSize);
  StoreI32(out + 108, 0);
}

CFontIndexRecord CFontIndexRecord::Load(const uint8_t* in) {
  CFontIndexRecord r;
  r.m_nTag = LoadI32(in);
  r.m_nCode = tmb::LoadU16(in + 4);
  r.m_key = CWideLogFont::Load(in + 8);
  r.m_nOffset = LoadI32(in + 100);
  r.m_nSize = LoadI32(in + 104);
  return r;
}

void CPictureIndexRecord::Store(uint8_t* out) const {
  StoreI32(out, m_nTag);
  for (int i = 0; i < kPictureNameUnits; ++i) {
    tmb::StoreU16(out + 4 + 2 * i, static_cast<uint16_t>(m_name[i]));
  }
  StoreI32(out + 524, m_nOffset);
  StoreI32(out + 528, m_nSize);
  StoreI32(out + 532, 0);
}

CPictureIndexRecord CPictureIndexRecord::Load(const uint8_t* in) {
  CPictureIndexRecord r;
  r.m_nTag = LoadI32(in);
  for (int i = 0; i < kPictureNameUnits; ++i) {
    r.m_name[i] = static_cast<char16_t>(tmb::LoadU16(in + 4 + 2 * i));
  }
  r.m_nOffset = LoadI32(in + 524);
  r.m_nSize = LoadI32(in + 528);
  return r;
}

std::u16string_view CPictureIndexRecord::Name() const {
  return WideFieldText(m_name.data(), m_name.size());
}

void COldFontIndexRecord::Store(uint8_t* out) const {
  StoreI32(out, m_nTag);
  std::memcpy(out + 4, m_szChar, 4);
  CLogFont::Bytes font = m_font.ToBytes();
  std::memcpy(out + 8, font.data(), font.size());
  StoreI32(out + 68, m_nOffset);
  StoreI32(out + 72, m_nSize);
  StoreI32(out + 76, 0);
}

COldFontIndexRecord COldFontIndexRecord::Load(const uint8_t* in) {
  COldFontIndexRecord r;
  r.m_nTag = LoadI32(in);
  std::memcpy(r.m_szChar, in + 4, 4);
  r.m_szChar[3] = '\0';
  r.m_font = CLogFont::FromBytes(in + 8);
  r.m_nOffset = LoadI32(in + 68);
  r.m_nSize = LoadI32(in + 72);
  return r;
}

CFontIndexRecord COldFontIndexRecord::Convert() const {
  CFontIndexRecord r;
  r.m_nTag = kRecordTagConverted;
  r.m_nCode = FirstCharUnit(Cp932FieldText(m_szChar, sizeof m_szChar));
  r.m_key = CWideLogFont::FromLogFont(m_font);
  r.m_nOffset = m_nOffset;
  r.m_nSize = m_nSize;
  return r;
}

void COldPictureIndexRecord::Store(uint8_t* out) const {
  StoreI32(out, m_nTag);
  std::memcpy(out + 4, m_szName, sizeof m_szName);
  StoreI32(out + 264, m_nOffset);
  StoreI32(out + 268, m_nSize);
  StoreI32(out + 272, 0);
}

COldPictureIndexRecord COldPictureIndexRecord::Load(const uint8_t* in) {
  COldPictureIndexRecord r;
  r.m_nTag = LoadI32(in);
  std::memcpy(r.m_szName, in + 4, sizeof r.m_szName);
  r.m_szName[sizeof r.m_szName - 1] = '\0';
  r.m_nOffset = LoadI32(in + 264);
  r.m_nSize = LoadI32(in + 268);
  return r;
}

CPictureIndexRecord COldPictureIndexRecord::Convert() const {
  CPictureIndexRecord r;
  r.m_nTag = kRecordTagConverted;
  StoreWideField(r.m_name.data(), r.m_name.size(),
                 Cp932ToUtf16(Cp932FieldText(m_szName, sizeof m_szName)));
  r.m_nOffset = m_nOffset;
  r.m_nSize = m_nSize;
  return r;
}
