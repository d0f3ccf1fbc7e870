#include "export/picture/dib_pixels.h"

#include "platform/gdi/dib_rows.h"
#include "platform/gdi/surface.h"

bool HoldsDibPixels24(int width, int height, size_t bytes) {
  if (width <= 0 || height <= 0 || width > tmb::Surface::kMaxSide || height > tmb::Surface::kMaxSide) return false;
  return bytes >= size_t(tmb::DibStride(width, 24)) * size_t(height);
}
