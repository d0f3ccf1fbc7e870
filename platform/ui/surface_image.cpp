#include "platform/ui/surface_image.h"

namespace tmb::ui {

QImage ImageOfSurface(const Surface& surface) {
  if (surface.IsNull()) return {};
  if (!surface.IsMono()) {
    return QImage(surface.bits(), surface.width(), surface.height(), surface.stride(), QImage::Format_RGB32);
  }
  QImage image(surface.bits(), surface.width(), surface.height(), surface.stride(), QImage::Format_Mono);
  image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  return image;
}

}  // namespace tmb::ui
