// Rectangle helpers of the drawing code.
#pragma once

#include <cstdint>

#include "platform/gdi/geometry.h"

// The width and height in 64 bits: rectangles of far-flung points span more than an int.
inline int64_t RectWidth64(const tmb::Rect& r) { return int64_t{r.right} - r.left; }
inline int64_t RectHeight64(const tmb::Rect& r) { return int64_t{r.bottom} - r.top; }

// Puts rect's corners in order (left <= right, top <= bottom): a rectangle dragged up or
// to the left becomes the same rectangle dragged down and to the right.
void NormalizeRect(tmb::Rect& rect);
// Normalises rect and intersects it with clip; returns whether they overlap (rect holds
// the overlap, or is emptied).
bool NormalizeAndClipRect(tmb::Rect& rect, const tmb::Rect& clip);
// The rectangle of two corner points, normalised and intersected with clip; unless the
// result equals clip, p1 receives its top-left and p2 its bottom-right.
void ClipCornersToRect(tmb::Point& p1, tmb::Point& p2, const tmb::Rect& clip);
// A rectangle of float coordinates with each rounded half away from zero.
tmb::Rect RoundFloatRect(float left, float top, float right, float bottom);
