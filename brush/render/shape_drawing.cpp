#include "brush/render/shape_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.1415926536;

tmb::Pen BevelPen() {
  tmb::Pen pen = tmb::Pen::Solid(1, 0x000000);
  pen.join = tmb::kJoinBevel;
  return pen;
}

tmb::Point Rounded(const CFPoint& p) { return p.RoundToPoint(); }

}  // namespace

void DrawShapePrimitive(tmb::DeviceContext* pDC, int x1, int y1, int x2, int y2, int kind) {
  if (!pDC) return;
  const tmb::Pen old = pDC->SelectPen(BevelPen());
  switch (kind) {
    case kShapeLine:
      pDC->MoveTo(x1, y1);
      pDC->LineTo(x2, y2);
      break;
    case kShapeCircle: pDC->Ellipse(x1, y1, x2, y2); break;
    case kShapePixel: pDC->SetPixel(x1, y1, 0x000000); break;
    default: break;
  }
  pDC->SelectPen(old);
}

void DrawCircleAt(tmb::DeviceContext* pDC, int x, int y, int r, int kind) {
  DrawShapePrimitive(pDC, x - r, y - r, x + r, y + r, kind);
}

void DrawPolyline3(tmb::DeviceContext* pDC, tmb::Point p1, tmb::Point p2, tmb::Point p3) {
  DrawShapePrimitive(pDC, p1.x, p1.y, p2.x, p2.y, kShapeLine);
  DrawShapePrimitive(pDC, p2.x, p2.y, p3.x, p3.y, kShapeLine);
}

CFPoint ArrowPoint(float x, float y, float dx, float dy, float t, float length, int flip) {
  if (length == 0) return CFPoint{x, y};
  const float s = t / length;
  return flip ? CFPoint{x - dy * s, y + dx * s} : CFPoint{x + dx * s, y + dy * s};
}

void ArrowSidePoints(float x, float y, float dx, float dy, float t, float length, CFPoint& a, CFPoint& b) {
  a = ArrowPoint(x, y, dx, dy, t, length, 1);
  b = ArrowPoint(x, y, dx, dy, -t, length, 1);
}

float DrawShapeBetween(tmb::DeviceContext* pDC, int x1, int y1, int x2, int y2, int size, int kind) {
  const float dx = float(x2 - x1), dy = float(y2 - y1);
  const float length = std::sqrt(dx * dx + dy * dy);
  const float mx = (x1 + x2) / 2.0f, my = (y1 + y2) / 2.0f;
  if (length == 0) {
    // Nothing to measure along: the shape shrinks to its one pixel.
    DrawShapePrimitive(pDC, x1, y1, x1, y1, kShapePixel);
    return 0;
  }
  switch (kind) {
    case kShapeLine: DrawShapePrimitive(pDC, x1, y1, x2, y2, kShapeLine); break;
    case kShapeCircle: {
      const int r = int(std::lround(length / 2));
      DrawCircleAt(pDC, int(std::lround(mx)), int(std::lround(my)), r, kShapeCircle);
      break;
    }
    case kShapePixel: DrawShapePrimitive(pDC, int(std::lround(mx)), int(std::lround(my)), 0, 0, kShapePixel); break;
    case kShapeWave: {
      CFPoint lastA{float(x1), float(y1)}, lastB = lastA;
      for (int t = 1; t <= int(length); ++t) {
        const float offset = float(std::sin(t * kPi / length) * size);
        const CFPoint on = ArrowPoint(float(x1), float(y1), dx, dy, float(t), length, 0);
        CFPoint a, b;
        ArrowSidePoints(on.x, on.y, dx, dy, offset, length, a, b);
        DrawShapePrimitive(pDC, Rounded(lastA).x, Rounded(lastA).y, Rounded(a).x, Rounded(a).y, kShapeLine);
        DrawShapePrimitive(pDC, Rounded(lastB).x, Rounded(lastB).y, Rounded(b).x, Rounded(b).y, kShapeLine);
        lastA = a;
        lastB = b;
      }
      break;
    }
    case kShapeArrowMid:
    case kShapeArrowStart: {
      const CFPoint head = kind == kShapeArrowMid ? CFPoint{mx, my} : CFPoint{float(x1), float(y1)};
      // The head points back towards the start for an arrow at the start.
      const float dir = kind == kShapeArrowMid ? 1.0f : -1.0f;
      const CFPoint base = ArrowPoint(head.x, head.y, dx * dir, dy * dir, -float(size), length, 0);
      CFPoint a, b;
      ArrowSidePoints(base.x, base.y, dx, dy, size / 2.0f, length, a, b);
      DrawPolyline3(pDC, Rounded(a), Rounded(head), Rounded(b));
      break;
    }
    case kShapeBracket: {
      const CFPoint p1{float(x1), float(y1)}, p2{float(x2), float(y2)};
      const CFPoint end1 = ArrowPoint(p1.x, p1.y, dx, dy, float(size), length, 1);
      const CFPoint end2 = ArrowPoint(p2.x, p2.y, dx, dy, float(size), length, 1);
      DrawPolyline3(pDC, Rounded(end1), Rounded(p1), Rounded(p2));
      DrawShapePrimitive(pDC, x2, y2, Rounded(end2).x, Rounded(end2).y, kShapeLine);
      break;
    }
    default: break;
  }
  return length;
}

int GradientPosition(int pos, int fallback, int range, int span, int mode) {
  if (mode == 0 || span == 0) return fallback;
  int p = 0;
  switch (mode) {
    case 1: p = pos; break;
    case 2: p = span - pos; break;
    case 3: p = 2 * std::abs(span / 2 - pos); break;
    case 4: p = span - 2 * std::abs(span / 2 - pos); break;
    default: break;
  }
  return std::max(0, int(int64_t(p) * range / span) + fallback - range);
}
