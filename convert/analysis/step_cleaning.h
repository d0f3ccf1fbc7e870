// One-pixel steps of outlines on whole coordinates: where an outline runs along, steps
// one pixel aside and runs on in the same direction, the step is turned into a diagonal.
#pragma once

#include "core/geometry/fpoint.h"

class CStrokePath;

// The step window at point a of a stroke: a and the next three points round it.
struct StepWindow {
  int a, b, c, d;
};
StepWindow StepWindowAt(const CStrokePath& path, int a);

// Whether the points p of a window on whole coordinates make a notch: a to b and c to d
// run the same way along one axis and b to c is a unit step across it.
enum NotchAxis { kNoNotch = 0, kNotchAlongX = 1, kNotchAlongY = 2 };
NotchAxis NotchOf(const CFPoint* p, const StepWindow& w);

// Further passes of CleanSteps are held to this many.
constexpr int kMaxStepCleaningPasses = 10;

// Rounds the points to whole coordinates and removes repeated points (densifying the
// closed outlines to unit steps first when densify is set); then for every point a, with
// the next three points b, c and d round its stroke: where a to b and c to d run the same
// way along one axis and b to c is a unit step across it (a notch), mode 0 gives b the
// cross coordinate of c and mode 1 gives c that of b. Returns the coordinates changed.
int CleanStepsPass(CStrokePath& path, int mode, int densify);

// One pass in mode 0; when repeat is set, up to kMaxStepCleaningPasses more (the first in
// mode 0, the others in mode 1) until a pass changes nothing. Repeated points are removed
// at the end. Returns the sum of the changes.
int CleanSteps(CStrokePath& path, int repeat, int densify);
