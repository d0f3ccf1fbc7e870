// Rectangle helpers of the drawing code.
#pragma once

#include "platform/gdi/geometry.h"

// Normalises rect and intersects it with clip; returns whether they overlap (rect holds
// the overlap, or is emptied).
bool NormalizeAndClipRect(tmb::Rect& rect, const tmb::Rect& clip);
// The rectangle of two corner points, normalised and intersected with clip; unless the
// result equals clip, p1 receives its top-left and p2 its bottom-right.
void ClipCornersToRect(tmb::Point& p1, tmb::Point& p2, const tmb::Rect& clip);
