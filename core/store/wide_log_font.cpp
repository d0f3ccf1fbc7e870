#include "core/store/wide_log_font.h"

#include <algorithm>
#include <cstring>

#include "core/record/cp932_field.h"
#include "core/store/wide_text.h"
#include "core/text/string_helpers.h"

CWideLogFont CWideLogFont::FromLogFont(const CLogFont& font) {
  CWideLogFont w;
  CLogFont::Bytes bytes = font.ToBytes();
  std::copy_n(bytes.begin(), kNumberBytes, w.numbers.begin());
  std::u16string face = Cp932ToUtf16(Cp932FieldText(font.faceName, CLogFont::kFaceNameSize));
  StoreWideField(w.faceName.data(), kFaceUnits, face);
  return w;
}

CWideLogFont CWideLogFont::StoreKey(const CLogFont& font) {
  CWideLogFont key = FromLogFont(font);
  key.ClearSize();
  return key;
}

CLogFont CWideLogFont::ToLogFont() const {
  CLogFont::Bytes bytes{};
  std::copy(numbers.begin(), numbers.end(), bytes.begin());
  CLogFont font = CLogFont::FromBytes(bytes.data());
  std::string face = Utf16ToCp932(WideFieldText(faceName.data(), kFaceUnits));
  font.SetFaceName(face.c_str());
  return font;
}

void CWideLogFont::ClearSize() { std::fill_n(numbers.begin(), 8, uint8_t{0}); }

void CWideLogFont::CleanFaceName() { ZeroAfterFirstNul(faceName); }

void CWideLogFont::Store(uint8_t* out) const {
  std::memcpy(out, numbers.data(), kNumberBytes);
  StoreUtf16Le(out + kNumberBytes, {faceName.data(), kFaceUnits});
}

CWideLogFont CWideLogFont::Load(const uint8_t* in) {
  CWideLogFont w;
  std::memcpy(w.numbers.data(), in, kNumberBytes);
  LoadUtf16Le(in + kNumberBytes, w.faceName.data(), kFaceUnits);
  return w;
}
