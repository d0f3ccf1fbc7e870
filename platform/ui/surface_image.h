// A surface seen as an image without a copy: colour words are laid out as Format_RGB32
// reads them, and one-bit rows (1 for white) as Format_Mono. The image lives no longer
// than the surface's pixels; copy it to keep it.
#pragma once

#include <QImage>

#include "platform/gdi/surface.h"

namespace tmb::ui {

QImage ImageOfSurface(const Surface& surface);

}  // namespace tmb::ui
