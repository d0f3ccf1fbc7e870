// The eight path pens and the mark colours with which point paths are drawn, and the two
// small marks (a filled square, a circle) of the point-marker painting.
#pragma once

#include <array>

#include "platform/gdi/device_context.h"

// The eight one-pixel path pens, numbered 1 to 8 as the marker painting names them:
// magenta, black, green, magenta, yellow, dark red, blue, orange. Pens 2 to 5 and 7 are
// drawn by no routine yet; they stay part of the table.
extern const std::array<tmb::Pen, 8> gPathPens;
// Path pen n (1 to 8).
const tmb::Pen& PathPen(int n);

// The colour of mark index (modulo 3): red, green, yellow with alternative non-zero, else
// blue, green, cyan.
tmb::Colour CyclePathColour(int index, int alternative);

// Fills the square (x - r, y - r) to (x + r, y + r) with colour.
void FillSquareMark(tmb::DeviceContext* pDC, int x, int y, int r, tmb::Colour colour);
// The circle of radius r round (x, y) in pen, filled with pDC's brush.
void DrawCircleMark(tmb::DeviceContext* pDC, int x, int y, int r, const tmb::Pen& pen);
