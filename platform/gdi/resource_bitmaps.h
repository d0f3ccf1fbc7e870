// Bitmap resources of the engine, by id: the brush tip and any later ones.
#pragma once

#include "platform/gdi/surface.h"

namespace tmb {

constexpr int kBrushTipBitmap = 168;

// Makes surface a colour bitmap holding resource id; false (surface untouched) for an id
// the resources do not hold or when no bitmap can be made.
bool LoadBitmapResource(int id, Surface& surface);

}  // namespace tmb
