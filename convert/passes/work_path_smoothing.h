// Smoothing of the work path of a conversion: interior points are pulled toward the
// midpoint of their neighbours, in as many passes as the cursive degree asks, under the
// point-selection mode of the cursive type.
#pragma once

class CStrokeWork;

// Point-selection modes (parameter 11).
enum SmoothingMode {
  kSmoothAll = 0,             // every interior point
  kSmoothInsideRuns = 1,      // a point whose own and next flags are 0
  kSmoothBeforeRuns = 2,      // a point whose next flag is 0
  kSmoothContinuations = 3,   // a point whose own flag is 0
  kSmoothUnprotected = 4,     // not a protected junction; corners every other pass
  kSmoothNone = 5,            // no point (as any other value)
};

// Smooths path in place: parameter 0 passes, parameter 230 percent of the way to the
// midpoint (half of it with parameter 234), points chosen by parameter 11. Junctions
// flagged 55 to 59 are protected in mode 4, and a flag 59 becomes 50.
void SmoothWorkPath(CStrokeWork& path);
