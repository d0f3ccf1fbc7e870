// The zoom window's painting cursor (cursor resource 263).
#pragma once

#include <QCursor>

// Where the cursor's hot spot lies in its 32 x 32 picture.
constexpr int kZoomCursorHotSpot = 15;

// A cross whose arms stop short of the hot spot, leaving the pixel to paint in sight, and
// a small square around that pixel; dark lines on a light rim, seen on any picture.
QCursor ZoomPaintCursor();
