#include "core/geometry/rect_helpers.h"

#include "core/geometry/fpoint.h"

void NormalizeRect(tmb::Rect& rect) { rect.Normalize(); }

bool NormalizeAndClipRect(tmb::Rect& rect, const tmb::Rect& clip) {
  NormalizeRect(rect);
  rect = tmb::Rect::Intersection(rect, clip);
  return !rect.IsEmpty();
}

void ClipCornersToRect(tmb::Point& p1, tmb::Point& p2, const tmb::Rect& clip) {
  tmb::Rect r{p1.x, p1.y, p2.x, p2.y};
  r.Normalize();
  r = tmb::Rect::Intersection(r, clip);
  if (r == clip) return;
  p1 = {r.left, r.top};
  p2 = {r.right, r.bottom};
}

tmb::Rect RoundFloatRect(float left, float top, float right, float bottom) {
  return {RoundHalfAway(left), RoundHalfAway(top), RoundHalfAway(right), RoundHalfAway(bottom)};
}
