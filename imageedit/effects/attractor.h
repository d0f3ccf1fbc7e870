// A strange attractor plotted into a rectangle: a texture source kept for the effects.
// No command runs it yet.
#pragma once

#include "platform/gdi/device_context.h"

// One step of the map of mode from (x, y) into (nextX, nextY): mode 0
// x' = a x + y - 3 + 4 / (x^2 + 1), y' = -b x; mode 10 x' = (a b + 1) x - b x y,
// y' = (1 - b) y + b x^2; other modes leave the outputs as they are. Returns 1.
int StepAttractorMap(double a, double b, double x, double y, int mode, double& nextX, double& nextY);

// 100,000 steps of map 0 with a = -0.9, b = 0.9 from (0.9, 0.5), each point drawn about
// rect's centre at a quarter of its size per unit, in a red that deepens with the step.
void PlotAttractor(tmb::DeviceContext* pDC, const tmb::Rect& rect);
