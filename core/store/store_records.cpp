#include "core/store/store_records.h"

#include <cstring>

#include "core/record/cp932_field.h"
#include "core/store/wide_text.h"
#include "platform/file/little_endian.h"

namespace {

void StoreI32(uint8_t* p, int32_t v) { tmb::StoreU32(p, static_cast<uint32_t>(v)); }
int32_t LoadI32(const uint8_t* p) { return static_cast<int32_t>(tmb::LoadU32(p)); }

// Every index record starts with its tag and ends with the data offset, the data size
// and a zero word.
template <class Record>
void StoreFrame(uint8_t* out, const Record& r) {
  StoreI32(out, r.m_nTag);
  StoreI32(out + Record::kSize - 12, r.m_nOffset);
  StoreI32(out + Record::kSize - 8, r.m_nSize);
  StoreI32(out + Record::kSize - 4, 0);
}

template <class Record>
void LoadFrame(const uint8_t* in, Record& r) {
  r.m_nTag = LoadI32(in);
  r.m_nOffset = LoadI32(in + Record::kSize - 12);
  r.m_nSize = LoadI32(in + Record::kSize - 8);
}

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
  StoreFrame(out, *this);
  tmb::StoreU16(out + 4, m_nCode);
  tmb::StoreU16(out + 6, 0);
  m_key.Store(out + 8);
}

CFontIndexRecord CFontIndexRecord::Load(const uint8_t* in) {
  CFontIndexRecord r;
  LoadFrame(in, r);
  r.m_nCode = tmb::LoadU16(in + 4);
  r.m_key = CWideLogFont::Load(in + 8);
  return r;
}

void CPictureIndexRecord::Store(uint8_t* out) const {
  StoreFrame(out, *this);
  StoreUtf16Le(out + 4, {m_name.data(), m_name.size()});
}

CPictureIndexRecord CPictureIndexRecord::Load(const uint8_t* in) {
  CPictureIndexRecord r;
  LoadFrame(in, r);
  LoadUtf16Le(in + 4, r.m_name.data(), r.m_name.size());
  return r;
}

std::u16string_view CPictureIndexRecord::Name() const {
  return WideFieldText(m_name.data(), m_name.size());
}

void COldFontIndexRecord::Store(uint8_t* out) const {
  StoreFrame(out, *this);
  std::memcpy(out + 4, m_szChar, 4);
  CLogFont::Bytes font = m_font.ToBytes();
  std::memcpy(out + 8, font.data(), font.size());
}

COldFontIndexRecord COldFontIndexRecord::Load(const uint8_t* in) {
  COldFontIndexRecord r;
  LoadFrame(in, r);
  std::memcpy(r.m_szChar, in + 4, 4);
  r.m_szChar[3] = '\0';
  r.m_font = CLogFont::FromBytes(in + 8);
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
  StoreFrame(out, *this);
  std::memcpy(out + 4, m_szName, sizeof m_szName);
}

COldPictureIndexRecord COldPictureIndexRecord::Load(const uint8_t* in) {
  COldPictureIndexRecord r;
  LoadFrame(in, r);
  std::memcpy(r.m_szName, in + 4, sizeof r.m_szName);
  r.m_szName[sizeof r.m_szName - 1] = '\0';
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
