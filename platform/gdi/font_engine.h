// Finding, measuring and rasterising fonts: fontconfig matches a font description to an
// installed face file, FreeType scales and draws it. Faces are opened once and kept.
// The Japanese system faces map to the installed IPA faces: "ＭＳ ゴシック" to IPAGothic,
// "ＭＳ 明朝" to IPAMincho (and their proportional forms to IPAPGothic and IPAPMincho).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/font.h"

namespace tmb {

// The family asked of fontconfig for a face name.
std::string MapFaceName(const std::string& faceName);

// The file (and index within it) of the face that serves font; empty when none.
struct FaceFile {
  std::string path;
  int index = 0;
};
FaceFile FindFaceFile(const Font& font);

// Metrics of font at its size; false when no face could be opened.
bool GetFontMetrics(const Font& font, TextMetrics& metrics);

// One glyph drawn one bit per pixel: rows top first, bit 0x80 the leftmost pixel.
struct GlyphBitmap {
  int left = 0;    // from the pen position to the first column
  int top = 0;     // from the baseline up to the first row
  int width = 0;
  int rows = 0;
  int pitch = 0;   // bytes per row
  int advance = 0; // pen advance in whole pixels
  std::vector<uint8_t> bits;
};
// Hinted glyphs are what text drawing shows; unhinted ones follow the outline exactly, as
// outline readers see it.
enum class GlyphHinting { kHinted, kUnhinted };
bool RenderGlyph(const Font& font, char32_t code, GlyphBitmap& glyph, GlyphHinting hinting = GlyphHinting::kHinted);

// The outline of a glyph at the font's size in 1/64 pixel units, y upwards from the
// baseline: contour end indices, points and their on-curve flags. Off-curve points are
// quadratic control points, or cubic ones (in pairs) where cubic is set, as faces in the
// compact and PostScript formats have them.
struct RawOutline {
  std::vector<int> contourEnds;
  std::vector<int64_t> x;
  std::vector<int64_t> y;
  std::vector<bool> onCurve;
  std::vector<bool> cubic;
  int advance64 = 0;
};
// The face's outline of code, unhinted; false when no face serves font. A character the
// face lacks gives the face's default glyph (a box), as text drawing shows it.
bool LoadGlyphOutline(const Font& font, char32_t code, RawOutline& outline);

// What reading a glyph from a face file came to: read; the file gives no face (missing,
// damaged, not a font); the face has no glyph for the character; or the face refused to
// load the glyph (damaged glyph data).
enum class GlyphLoad { kOk, kNoFace, kNoGlyph, kRefused };
// The outline of code from the face in file at font's size. Font files are untrusted
// input: every failure is a result, never a crash.
GlyphLoad LoadGlyphOutline(const FaceFile& file, const Font& font, char32_t code, RawOutline& outline);

// Decodes UTF-16 into code points (an unpaired surrogate becomes U+FFFD).
std::u32string DecodeUtf16(std::u16string_view text);

}  // namespace tmb
