#include "core/record/log_font.h"

#include <cstring>

#include "core/record/cp932_field.h"
#include "platform/file/little_endian.h"
#include "platform/text/code_page.h"

static_assert(sizeof(CLogFont) == CLogFont::kSize, "the in-memory font is the stored layout");
static_assert(offsetof(CLogFont, italic) == CLogFont::kOffItalic);
static_assert(offsetof(CLogFont, faceName) == CLogFont::kOffFaceName);

CLogFont::Bytes CLogFont::ToBytes() const {
  Bytes b{};
  tmb::StoreU32(&b[kOffHeight], static_cast<uint32_t>(height));
  tmb::StoreU32(&b[kOffWidth], static_cast<uint32_t>(width));
  tmb::StoreU32(&b[kOffEscapement], static_cast<uint32_t>(escapement));
  tmb::StoreU32(&b[kOffOrientation], static_cast<uint32_t>(orientation));
  tmb::StoreU32(&b[kOffWeight], static_cast<uint32_t>(weight));
  b[kOffItalic] = italic;
  b[kOffUnderline] = underline;
  b[kOffStrikeOut] = strikeOut;
  b[kOffCharSet] = charSet;
  b[kOffOutPrecision] = outPrecision;
  b[kOffClipPrecision] = clipPrecision;
  b[kOffQuality] = quality;
  b[kOffPitchAndFamily] = pitchAndFamily;
  std::memcpy(&b[kOffFaceName], faceName, kFaceNameSize);
  return b;
}

CLogFont CLogFont::FromBytes(const uint8_t* bytes) {
  CLogFont f;
  f.height = static_cast<int32_t>(tmb::LoadU32(bytes + kOffHeight));
  f.width = static_cast<int32_t>(tmb::LoadU32(bytes + kOffWidth));
  f.escapement = static_cast<int32_t>(tmb::LoadU32(bytes + kOffEscapement));
  f.orientation = static_cast<int32_t>(tmb::LoadU32(bytes + kOffOrientation));
  f.weight = static_cast<int32_t>(tmb::LoadU32(bytes + kOffWeight));
  f.italic = bytes[kOffItalic];
  f.underline = bytes[kOffUnderline];
  f.strikeOut = bytes[kOffStrikeOut];
  f.charSet = bytes[kOffCharSet];
  f.outPrecision = bytes[kOffOutPrecision];
  f.clipPrecision = bytes[kOffClipPrecision];
  f.quality = bytes[kOffQuality];
  f.pitchAndFamily = bytes[kOffPitchAndFamily];
  std::memcpy(f.faceName, bytes + kOffFaceName, kFaceNameSize);
  f.faceName[kFaceNameSize - 1] = '\0';
  return f;
}

void CLogFont::SetFaceName(const char* cp932) {
  CopyToCp932Field(faceName, kFaceNameSize, cp932);
}

CLogFont DefaultTextFont() {
  CLogFont f;
  f.height = 24;
  f.weight = 400;
  f.charSet = kShiftJisCharSet;
  f.outPrecision = 7;
  f.SetFaceName(kGothicFaceName);
  return f;
}

tmb::Font PlatformFontOf(const CLogFont& font) {
  tmb::Font f;
  f.height = font.height;
  f.width = font.width;
  f.escapement = font.escapement;
  f.orientation = font.orientation;
  f.weight = font.weight;
  f.italic = font.italic != 0;
  f.underline = font.underline != 0;
  f.strikeOut = font.strikeOut != 0;
  f.charSet = font.charSet;
  f.pitchAndFamily = font.pitchAndFamily;
  f.faceName = tmb::SjisToUtf8Lossy(Cp932FieldText(font.faceName, CLogFont::kFaceNameSize));
  return f;
}

void TakePlatformFont(const tmb::Font& chosen, CLogFont& font) {
  font.height = chosen.height;
  font.width = chosen.width;
  font.escapement = chosen.escapement;
  font.orientation = chosen.orientation;
  font.weight = chosen.weight;
  font.italic = chosen.italic ? 1 : 0;
  font.underline = chosen.underline ? 1 : 0;
  font.strikeOut = chosen.strikeOut ? 1 : 0;
  font.charSet = static_cast<uint8_t>(chosen.charSet);
  font.pitchAndFamily = static_cast<uint8_t>(chosen.pitchAndFamily);
  font.SetFaceName(tmb::Utf8ToSjisLossy(chosen.faceName).c_str());
}
