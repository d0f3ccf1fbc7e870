// Small edits of points and boxes (a box: an origin and a size).
#pragma once

#include "platform/gdi/geometry.h"

// out = point x factor, both coordinates.
void ScalePoint(tmb::Point& out, const tmb::Point& point, int factor);
void SetPointXY(tmb::Point& point, int x, int y);
void SetRectTopLeft(tmb::Rect& rect, int x, int y);
void SetRectBottomRight(tmb::Rect& rect, int x, int y);
// Swaps coordinates so that p1 is the top-left corner and p2 the bottom-right one.
void NormalizeCorners(tmb::Point& p1, tmb::Point& p2);
// origin = (smaller x, smaller y), size = (|x2 - x1|, |y2 - y1|).
void NormalizeBox(int x1, int y1, int x2, int y2, tmb::Point& origin, tmb::Size& size);
// Moves the origin by (dx, dy) and shrinks the size by the same amounts.
void OffsetBoxOrigin(tmb::Point& origin, tmb::Size& size, int dx, int dy);
