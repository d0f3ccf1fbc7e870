#include "core/text/glyph_measure.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

int CFixedPitchMeasure::CharWidth(const CLogFont& font, int code) {
  int64_t height = std::min<int64_t>(std::llabs(font.height), INT32_MAX);
  return static_cast<int>(code > 0xFF ? height : height / 2);
}
