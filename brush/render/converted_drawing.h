// The drawing of a converted character into the picture of a brush render state: the
// choices the parameters make before any stroke is drawn, and the scratch words every
// drawing shares. The drawing itself is CStrokeWork::DrawCharacter (core/path/stroke_work.h).
#pragma once

#include <array>

#include "core/record/param_block.h"

// The scratch words of the drawing: two counters that every drawing restarts, and the
// word that ends the width array a stroke hands to the brush-shapes pass.
struct CDrawScratch {
  std::array<int, 2> counters{};
  int terminator = 0;
};
extern CDrawScratch gDrawScratch;

// How a drawing renders its strokes: 0 not at all, 1 through the paper-sized stroke
// pictures with the scratch effect (flying white, parameter 5, or parameters 220 and 221
// while the conversion is on), 2 at four times the paper and reduced (parameter 240 = 2,
// unless parameter 351 switches it off).
int DrawingMode(const ParamBlock& params);

// Narrows the points [start, end) of a path of count points to the window of the partial
// display (parameter 90 on): a = parameter 92 and b = parameter 93 percent of count, and
// parameter 91 = 0 shows b to b + a, 1 b - a/2 to b + a/2, 2 b - a to b; the window never
// starts before 0 nor ends before 1 or after the given end.
void PartialDisplayRange(const ParamBlock& params, int count, int& start, int& end);
