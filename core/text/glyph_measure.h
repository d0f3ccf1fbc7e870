// How wide a character is drawn: the text settings measure characters through this
// interface; the graphics layer installs one that asks the font engine.
#pragma once

#include "core/record/log_font.h"

class CGlyphMeasure {
 public:
  virtual ~CGlyphMeasure() = default;
  // Advance width in pixels of code (a single byte, or lead x 256 + trail for a double-byte
  // character) drawn in font.
  virtual int CharWidth(const CLogFont& font, int code) = 0;
};

// Without a font engine: a fixed-pitch font whose single-byte characters are half as
// wide as the font is high and double-byte characters as wide as it is high.
class CFixedPitchMeasure final : public CGlyphMeasure {
 public:
  int CharWidth(const CLogFont& font, int code) override;
};
