// Pictures between the clipboard's images and our bitmaps, pixel for pixel.
#pragma once

#include <QImage>

#include "platform/gdi/palette.h"
#include "platform/gdi/surface.h"

// The image as a colour bitmap; false (out unchanged) for a null image or one that
// cannot be held.
bool SurfaceFromImage(const QImage& image, tmb::Surface& out);
// The block of a colour bitmap as an image.
QImage ImageFromSurface(const tmb::Surface& surface, const tmb::Rect& block);
// The colour table of an indexed image (a picture that brings its palette) as a palette;
// false (palette left empty) for an image without one.
bool PaletteOfImage(const QImage& image, tmb::Palette& palette);
