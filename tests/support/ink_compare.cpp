#include "support/ink_compare.h"

#include "platform/gdi/device_context.h"

namespace tmb::test {

namespace {

bool IsInk(Colour c) { return (c & 0xFFu) + ((c >> 8) & 0xFFu) + ((c >> 16) & 0xFFu) < 383; }

}  // namespace

double InkIoU(const Surface& a, const Surface& b) {
  long both = 0, either = 0;
  for (int y = 0; y < a.height() && y < b.height(); ++y) {
    for (int x = 0; x < a.width() && x < b.width(); ++x) {
      const bool ia = IsInk(a.GetPixel(x, y)), ib = IsInk(b.GetPixel(x, y));
      both += ia && ib;
      either += ia || ib;
    }
  }
  return either == 0 ? 1.0 : double(both) / double(either);
}

int CountInk(const Surface& surface) {
  int n = 0;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) n += IsInk(surface.GetPixel(x, y));
  }
  return n;
}

void DrawStrokesWithPen(Surface& surface, const CStrokePath& path, int width) {
  DeviceContext dc(&surface);
  const Pen old = dc.SelectPen(Pen::Solid(width, 0x000000));
  for (int s = 0; s < path.GetCount();) {
    const int e = path.FindStrokeEnd(s);
    const Point first = path.GetPoint(s).RoundToPoint();
    dc.MoveTo(first.x, first.y);
    // A one-point stroke is a dot.
    if (e == s) dc.LineTo(first.x + 1, first.y);
    for (int i = s + 1; i <= e; ++i) {
      const Point p = path.GetPoint(i).RoundToPoint();
      dc.LineTo(p.x, p.y);
    }
    s = e + 1;
  }
  dc.SelectPen(old);
}

}  // namespace tmb::test
