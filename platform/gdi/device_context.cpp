#include "platform/gdi/device_context.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tmb {

DeviceContext::DeviceContext(Surface* target) : surface_(target) {}

DeviceContext DeviceContext::CompatibleWith(const DeviceContext* /*other*/) { return DeviceContext(); }

Surface* DeviceContext::SelectSurface(Surface* surface) { return std::exchange(surface_, surface); }
Pen DeviceContext::SelectPen(const Pen& pen) { return std::exchange(pen_, pen); }
Brush DeviceContext::SelectBrush(const Brush& brush) { return std::exchange(brush_, brush); }
Font DeviceContext::SelectFont(const Font& font) { return std::exchange(font_, font); }

const Palette* DeviceContext::SelectPalette(const Palette* palette, bool /*background*/) {
  return std::exchange(palette_, palette);
}

Colour DeviceContext::SetTextColour(Colour c) { return std::exchange(textColour_, PlainColour(c)); }
Colour DeviceContext::SetBackgroundColour(Colour c) { return std::exchange(backgroundColour_, PlainColour(c)); }

int DeviceContext::SetBackgroundMode(int mode) {
  if (mode != kTransparent && mode != kOpaque) return 0;
  return std::exchange(backgroundMode_, mode);
}

int DeviceContext::SetDrawMode(int mode) {
  if (mode < kR2Black || mode > kR2White) return 0;
  return std::exchange(drawMode_, mode);
}

int DeviceContext::SetPolyFillMode(int mode) {
  if (mode != kAlternate && mode != kWinding) return 0;
  return std::exchange(polyFillMode_, mode);
}

int DeviceContext::SetStretchMode(int mode) {
  if (mode < kBlackOnWhite || mode > kHalftone) return 0;
  return std::exchange(stretchMode_, mode);
}

int DeviceContext::SetTextAlign(int align) { return std::exchange(textAlign_, align); }
Point DeviceContext::SetViewportOrigin(Point origin) { return std::exchange(origin_, origin); }

Rect DeviceContext::Clip() const { return surface_ ? surface_->Bounds() : Rect{}; }

Point DeviceContext::ToDevice(int x, int y) const {
  auto clamp = [](int64_t v) { return int(std::clamp<int64_t>(v, -kCoordLimit, kCoordLimit)); };
  return {clamp(int64_t(x) + origin_.x), clamp(int64_t(y) + origin_.y)};
}

Rect DeviceContext::ToDevice(const Rect& r) const {
  const Point a = ToDevice(r.left, r.top), b = ToDevice(r.right, r.bottom);
  return {a.x, a.y, b.x, b.y};
}

}  // namespace tmb
