#include "support/glyph_faces.h"

#include "core/text/glyph_faces.h"
#include "platform/gdi/font_engine.h"

namespace tmb::test {
namespace {

CLogFont FontNamed(const char* cp932Face, int height) {
  CLogFont font = DefaultTextFont();
  font.height = height;
  font.SetFaceName(cp932Face);
  return font;
}

}  // namespace

CLogFont GothicFont(int height) { return FontNamed(kGothicFaceName, height); }

// "ＭＳ 明朝" in code page 932.
CLogFont MinchoFont(int height) { return FontNamed("\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9", height); }

CLogFont CubicFont(int height) { return FontNamed("Nimbus Sans", height); }

std::filesystem::path MinchoFaceFile() { return FindFaceFile(PlatformFontOf(MinchoFont())).path; }

ScopedFaceFile::ScopedFaceFile(const std::filesystem::path& file) {
  SetGlyphFaceFinder([path = file.string()](const Font&) { return FaceFile{path, 0}; });
}

ScopedFaceFile::~ScopedFaceFile() {
  SetGlyphFaceFinder(nullptr);
  ForgetReportedGlyphFaces();
}

}  // namespace tmb::test
