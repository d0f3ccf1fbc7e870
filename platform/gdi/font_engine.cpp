#include "platform/gdi/font_engine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>

namespace tmb {
namespace {

// The scalable face file fontconfig matches to pattern (destroyed here); empty when none
// matches or, with mustHave, when the match has no glyph for that character.
FaceFile MatchFace(FcPattern* pattern, std::optional<char32_t> mustHave) {
  FaceFile result;
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult fcResult = FcResultNoMatch;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &fcResult)) {
    FcCharSet* has = nullptr;
    FcChar8* path = nullptr;
    int index = 0;
    const bool hasChar = !mustHave || (FcPatternGetCharSet(match, FC_CHARSET, 0, &has) == FcResultMatch &&
                                       FcCharSetHasChar(has, FcChar32(*mustHave)));
    if (hasChar && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path) {
      result.path = reinterpret_cast<const char*>(path);
      if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) result.index = index;
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return result;
}

// The FreeType library and every face opened, released at exit.
class FaceCache {
 public:
  ~FaceCache() {
    for (auto& [key, face] : faces_) {
      if (face) FT_Done_Face(face);
    }
    if (library_) FT_Done_FreeType(library_);
  }

  // The open face of a file, or null.
  FT_Face Open(const FaceFile& file) {
    if (file.path.empty()) return nullptr;
    const auto key = std::make_pair(file.path, file.index);
    auto it = faces_.find(key);
    if (it != faces_.end()) return it->second;
    FT_Face face = nullptr;
    if (!library_ && FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    if (library_ && FT_New_Face(library_, file.path.c_str(), file.index, &face) != 0) face = nullptr;
    faces_[key] = face;
    return face;
  }

  // The face file of a description, remembered per family, weight and slant.
  const FaceFile& Resolve(const Font& font) {
    const std::string family = MapFaceName(font.faceName);
    const bool bold = font.weight >= 600;
    const auto key = std::make_tuple(family, bold, font.italic);
    auto it = resolved_.find(key);
    if (it != resolved_.end()) return it->second;
    FaceFile result;
    if (FcInit()) {
      FcPattern* pattern = FcPatternCreate();
      FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
      FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
      FcPatternAddInteger(pattern, FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
      FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
      result = MatchFace(pattern, std::nullopt);
    }
    return resolved_.emplace(key, std::move(result)).first->second;
  }

  // A face that has a glyph for code, for text whose face lacks it (as the system links
  // fonts); null when no installed face has one.
  FT_Face FallbackFor(char32_t code) {
    auto it = fallback_.find(code);
    if (it != fallback_.end()) return Open(it->second);
    FaceFile result;
    if (FcInit()) {
      FcPattern* pattern = FcPatternCreate();
      FcCharSet* chars = FcCharSetCreate();
      FcCharSetAddChar(chars, FcChar32(code));
      FcPatternAddCharSet(pattern, FC_CHARSET, chars);
      result = MatchFace(pattern, code);
      FcCharSetDestroy(chars);
    }
    return Open(fallback_.emplace(code, std::move(result)).first->second);
  }

 private:
  FT_Library library_ = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> faces_;
  std::map<std::tuple<std::string, bool, bool>, FaceFile> resolved_;
  std::map<char32_t, FaceFile> fallback_;
};

FaceCache& Cache() {
  static FaceCache cache;
  return cache;
}

struct Scaled {
  FT_Face face = nullptr;
  double em = 0;  // the em size in pixels
  int ascent = 0;
  int descent = 0;
};

// Opens the face of file and sets it to font's size; false when there is no face.
bool ScaleFace(const FaceFile& file, const Font& font, Scaled& s) {
  s.face = Cache().Open(file);
  if (!s.face) return false;
  const double upem = s.face->units_per_EM > 0 ? s.face->units_per_EM : 1000;
  double asc = s.face->ascender, desc = -double(s.face->descender);
  if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(s.face, FT_SFNT_OS2))) {
    if (os2->usWinAscent + os2->usWinDescent > 0) {
      asc = os2->usWinAscent;
      desc = os2->usWinDescent;
    }
  }
  if (asc + desc <= 0) {
    asc = upem * 0.88;
    desc = upem * 0.12;
  }
  const int height = font.height == 0 ? 16 : font.height;
  // A positive height is the cell (ascent plus descent), a negative one the em itself.
  s.em = height < 0 ? -double(height) : double(height) * upem / (asc + desc);
  s.em = std::min(s.em, 4096.0);
  s.ascent = int(std::lround(asc * s.em / upem));
  s.descent = int(std::lround(desc * s.em / upem));
  const FT_F26Dot6 size = FT_F26Dot6(std::lround(s.em * 64.0));
  return FT_Set_Char_Size(s.face, 0, std::max<FT_F26Dot6>(size, 1), 72, 72) == 0;
}

bool ScaleFace(const Font& font, Scaled& s) { return ScaleFace(Cache().Resolve(font), font, s); }

// Copies the outline of the loaded glyph.
void TakeOutline(const FT_GlyphSlot slot, RawOutline& out) {
  out.advance64 = int(slot->advance.x);
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return;
  const FT_Outline& o = slot->outline;
  for (int c = 0; c < o.n_contours; ++c) out.contourEnds.push_back(o.contours[c]);
  for (int i = 0; i < o.n_points; ++i) {
    out.x.push_back(o.points[i].x);
    out.y.push_back(o.points[i].y);
    const int tag = FT_CURVE_TAG(o.tags[i]);
    out.onCurve.push_back(tag == FT_CURVE_TAG_ON);
    out.cubic.push_back(tag == FT_CURVE_TAG_CUBIC);
  }
}

}  // namespace

std::string MapFaceName(const std::string& faceName) {
  static const std::pair<const char*, const char*> kMap[] = {
      {"ＭＳ ゴシック", "IPAGothic"},   {"ＭＳ 明朝", "IPAMincho"},   {"ＭＳ Ｐゴシック", "IPAPGothic"},
      {"ＭＳ Ｐ明朝", "IPAPMincho"},    {"ＭＳ ＵＩ ゴシック", "IPAPGothic"}, {"MS Gothic", "IPAGothic"},
      {"MS Mincho", "IPAMincho"},       {"MS PGothic", "IPAPGothic"}, {"MS PMincho", "IPAPMincho"},
      {"MS UI Gothic", "IPAPGothic"},   {"System", "IPAGothic"},      {"", "IPAGothic"},
  };
  for (const auto& [from, to] : kMap) {
    if (faceName == from) return to;
  }
  return faceName;
}

FaceFile FindFaceFile(const Font& font) { return Cache().Resolve(font); }

bool GetFontMetrics(const Font& font, TextMetrics& m) {
  Scaled s;
  if (!ScaleFace(font, s)) return false;
  m.ascent = s.ascent;
  m.descent = s.descent;
  m.height = s.ascent + s.descent;
  m.internalLeading = std::max(0, m.height - int(std::lround(s.em)));
  m.maxCharWidth = int((s.face->size->metrics.max_advance + 63) >> 6);
  m.aveCharWidth = 0;
  if (FT_Load_Char(s.face, 'x', FT_LOAD_DEFAULT) == 0) m.aveCharWidth = int((s.face->glyph->advance.x + 32) >> 6);
  return true;
}

bool RenderGlyph(const Font& font, char32_t code, GlyphBitmap& g, GlyphHinting hinting) {
  Scaled s;
  if (!ScaleFace(font, s)) return false;
  FT_Face face = s.face;
  FT_UInt index = FT_Get_Char_Index(face, FT_ULong(code));
  // A character the face lacks is drawn from a face that has it, at the same em size.
  if (index == 0) {
    FT_Face other = Cache().FallbackFor(code);
    const FT_F26Dot6 size = std::max<FT_F26Dot6>(FT_F26Dot6(std::lround(s.em * 64.0)), 1);
    const FT_UInt otherIndex = other ? FT_Get_Char_Index(other, FT_ULong(code)) : 0;
    if (otherIndex != 0 && FT_Set_Char_Size(other, 0, size, 72, 72) == 0) {
      face = other;
      index = otherIndex;
    }
  }
  FT_Int32 flags = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME;
  if (hinting == GlyphHinting::kUnhinted) flags |= FT_LOAD_NO_HINTING;
  if (FT_Load_Glyph(face, index, flags) != 0) return false;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bm = slot->bitmap;
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  g.width = int(bm.width);
  g.rows = int(bm.rows);
  g.pitch = (g.width + 7) / 8;
  g.advance = int((slot->advance.x + 32) >> 6);
  g.bits.assign(size_t(g.pitch) * size_t(g.rows), 0);
  if (bm.pixel_mode != FT_PIXEL_MODE_MONO && bm.pixel_mode != FT_PIXEL_MODE_GRAY) return true;
  for (int r = 0; r < g.rows; ++r) {
    const unsigned char* src = bm.buffer + ptrdiff_t(r) * bm.pitch;
    uint8_t* dst = g.bits.data() + size_t(r) * size_t(g.pitch);
    if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
      for (int i = 0; i < g.pitch; ++i) dst[i] = src[i];
    } else {
      for (int x = 0; x < g.width; ++x) {
        if (src[x] >= 128) dst[x >> 3] |= uint8_t(0x80u >> (x & 7));
      }
    }
  }
  return true;
}

bool LoadGlyphOutline(const Font& font, char32_t code, RawOutline& out) {
  out = RawOutline{};
  Scaled s;
  if (!ScaleFace(font, s)) return false;
  const FT_UInt index = FT_Get_Char_Index(s.face, FT_ULong(code));
  if (FT_Load_Glyph(s.face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) return false;
  TakeOutline(s.face->glyph, out);
  return true;
}

GlyphLoad LoadGlyphOutline(const FaceFile& file, const Font& font, char32_t code, RawOutline& out) {
  out = RawOutline{};
  Scaled s;
  if (!ScaleFace(file, font, s)) return s.face ? GlyphLoad::kRefused : GlyphLoad::kNoFace;
  const FT_UInt index = FT_Get_Char_Index(s.face, FT_ULong(code));
  if (index == 0) return GlyphLoad::kNoGlyph;
  if (FT_Load_Glyph(s.face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) return GlyphLoad::kRefused;
  TakeOutline(s.face->glyph, out);
  return GlyphLoad::kOk;
}

std::u32string DecodeUtf16(std::u16string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      out.push_back(0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      out.push_back(0xFFFD);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace tmb
