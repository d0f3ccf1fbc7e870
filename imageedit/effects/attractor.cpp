#include "imageedit/effects/attractor.h"

#include <cmath>

namespace {

constexpr int kSteps = 100000;
constexpr int kStepsPerShade = kSteps / 255;

// Within what int coordinates hold: a point far off the rectangle is simply not drawn.
bool Inside(double v, int low, int high) { return std::isfinite(v) && v >= low && v < high; }

}  // namespace

int StepAttractorMap(double a, double b, double x, double y, int mode, double& nextX, double& nextY) {
  if (mode == 0) {
    nextX = a * x + y - 3 + 4 / (x * x + 1);
    nextY = -b * x;
  } else if (mode == 10) {
    nextX = (a * b + 1) * x - b * x * y;
    nextY = (1 - b) * y + b * x * x;
  }
  return 1;
}

void PlotAttractor(tmb::DeviceContext* pDC, const tmb::Rect& rect) {
  if (!pDC) return;
  const double cx = (rect.left + rect.right) / 2.0, cy = (rect.top + rect.bottom) / 2.0;
  const double w = rect.Width(), h = rect.Height();
  double x = 0.9, y = 0.5;
  for (int i = 0; i < kSteps; ++i) {
    double nx = x, ny = y;
    StepAttractorMap(-0.9, 0.9, x, y, 0, nx, ny);
    x = nx;
    y = ny;
    const double px = cx + x * w / 4, py = cy + y * h / 4;
    if (Inside(px, rect.left, rect.right) && Inside(py, rect.top, rect.bottom)) {
      pDC->SetPixel(int(px), int(py), tmb::Colour((i / kStepsPerShade) & 0xFF));
    }
  }
}
