// A diagnostic of the step cleaning: the notches its step windows find, painted white.
#pragma once

class CStrokePath;
namespace tmb {
class DeviceContext;
}

// Paints white into dc the two middle points (b and c) of every step window of path that
// makes a notch, at the points rounded to whole coordinates as CleanStepsPass rounds them;
// path is not changed. Returns the number of notches found.
int PaintStepNotches(const CStrokePath& path, tmb::DeviceContext& dc);
