// Closing the narrow slots that cut into ink, found on its outlines: a slot is drawn
// across in the mask, so that a strand of ink split off its stroke by a thin streak
// becomes one with it again.
#pragma once

#include "core/path/stroke_path.h"
#include "core/onebit/mono_bitmap.h"

class CStrokePathLite;

// Looks at every six consecutive corner points (p0 to p5, round each stroke of outline, a
// closed outline of corners as a simplified tracing gives) for a slot: the outline goes
// in along p1-p2 and out along p3-p4, sides of at least 16 pixels whose squared lengths
// differ by less than 64, anti-parallel; the mouth p1-p4 is narrower than 24 pixels and
// as wide as the bottom p2-p3 (squared lengths within 16); the edges before and after the
// slot are parallel and run the same way; p1 to p4 are corners. Two points are taken on
// the sides 2 pixels in from the mouth; from each, the segment across to the other is
// drawn when the pixel two steps beyond that other point is background (the side there
// is a thin strand). The pixels that became ink go to added. Returns the number of slots
// closed.
int CloseOutlineGaps(const CStrokePath& outline, CMonoBitmap& mask, CStrokePathLite& added);
