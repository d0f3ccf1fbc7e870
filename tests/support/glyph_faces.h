// Fonts for the glyph import's tests: the installed faces by name, and face files of a
// test's own (damaged copies) put in place of a font's face for the length of a scope.
#pragma once

#include <filesystem>
#include <string>

#include "core/record/log_font.h"

namespace tmb::test {

// "ＭＳ ゴシック" (IPAGothic), "ＭＳ 明朝" (IPAMincho) and a face with cubic curves
// ("Nimbus Sans", compact font format), at the given height.
CLogFont GothicFont(int height = 256);
CLogFont MinchoFont(int height = 256);
CLogFont CubicFont(int height = 256);
// The installed file of the mincho face.
std::filesystem::path MinchoFaceFile();

// Every font's face is read from file while the object lives; afterwards the font
// engine's search is back and the faces reported to the user are forgotten.
class ScopedFaceFile {
 public:
  explicit ScopedFaceFile(const std::filesystem::path& file);
  ~ScopedFaceFile();
  ScopedFaceFile(const ScopedFaceFile&) = delete;
  ScopedFaceFile& operator=(const ScopedFaceFile&) = delete;
};

}  // namespace tmb::test
