#include "brush/bitmap/bitmap_pixel.h"

tmb::Colour GetBitmapPixel(tmb::DeviceContext* pDC, int x, int y, tmb::Surface* bitmap) {
  if (!bitmap) return tmb::kInvalidColour;
  tmb::DeviceContext memory = tmb::DeviceContext::CompatibleWith(pDC);
  memory.SelectSurface(bitmap);
  const tmb::Colour colour = memory.GetPixel(x, y);
  memory.SelectSurface(nullptr);
  return colour;
}
