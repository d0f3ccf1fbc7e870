// The stroke extension: in every overlay mark the start of its longest level stroke, or the
// end of its longest stroke falling to the lower left, reaches out by a share of the mark's
// size.
#pragma once

class CStrokeWork;

enum StrokeExtensionMode {
  kExtendLevelStart = 1,  // the longest stroke running right, less than 1 in 2 steep
  kExtendFallingEnd = 2,  // the longest stroke falling to the lower left, between 1:4 and 4:1
};

// Per shown overlay mark, among its single-segment strokes (no corner or other flag inside)
// the longest that qualifies for mode: mode 1 moves its first eighth left by percent of the
// mark's width (a level stroke no longer than six tenths of the width counts only when it
// starts within an eighth of the width from the mark's left edge); mode 2 moves its last
// eighth left by percent of the width and down by percent of the height (the stroke longer
// than half the mark's height). The first of equally long strokes wins. Strokes in no mark
// are left alone; flags do not change. Returns 1.
int ExtendStrokeEnds(CStrokeWork& path, int mode, int percent);
