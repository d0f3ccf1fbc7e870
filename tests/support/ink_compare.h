// Comparing the ink of two pictures, and drawing traced strokes back as a pen would, for
// the tests of the vectoriser.
#pragma once

#include "core/path/stroke_path.h"
#include "platform/gdi/surface.h"

namespace tmb::test {

// The share of the pixels inked in either picture that are inked in both (intersection
// over union; ink is anything darker than mid grey). 1 when neither has ink.
double InkIoU(const Surface& a, const Surface& b);

// The number of ink pixels of surface.
int CountInk(const Surface& surface);

// Draws every stroke of path into surface as lines of a round black pen of width.
void DrawStrokesWithPen(Surface& surface, const CStrokePath& path, int width);

}  // namespace tmb::test
