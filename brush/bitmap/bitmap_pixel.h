// The colour of one pixel of a bitmap, read through a memory context.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// The colour of pixel (x, y) of bitmap, read through a memory context compatible with
// pDC; tmb::kInvalidColour outside the bitmap or without one.
tmb::Colour GetBitmapPixel(tmb::DeviceContext* pDC, int x, int y, tmb::Surface* bitmap);
