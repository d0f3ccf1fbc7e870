// The stroke form: the strokes of each overlay mark are slanted, sheared, squashed or
// rotated together about the centre of the mark's rectangle.
#pragma once

class CStrokeWork;

enum StrokeFormMode {
  kFormRotate = 0,  // by value degrees
  kFormSlant = 1,   // y += (centre x - x) tan(value); tan(value / 2) for a flagged mark
  kFormScaleY = 2,  // by value percent
  kFormScaleX = 3,
  kFormAspect = 4,  // a mark between 0.5 and 1.2 times as high as wide keeps its area at 1.2
  kFormScale = 5,   // both ways by value percent
  kFormShear = 6,   // x += (centre y - y) tan(value)
};

// From each stroke start (flag 1) in a shown overlay mark to the mark's last point, every
// point is transformed by mode about the centre of the mark's rectangle. Angles are turned
// into radians with the path's own pi. Strokes in no mark, and every point with another
// mode, are left alone. Returns 0 when a slant would be by a tangent of exactly 0, else 1.
int ApplyStrokeForm(CStrokeWork& path, int mode, int value);
