// The brush tip (bitmap resource 168): our own drawing of a round dab with a slightly
// irregular edge, made by scripts/make_brush_tip.py.
#pragma once

namespace tmb {

constexpr int kBrushTipSize = 32;

// Row y holds kBrushTipSize hex digits, one grey level per pixel: 0 is black ink, F is
// white paper, each step 17 levels of the 0 to 255 range.
extern const char* const kBrushTipRows[kBrushTipSize];

}  // namespace tmb
