// Reading PNG pictures through libpng into blue, green, red rows (with alpha when the
// picture has it or a transparency chunk), drawn into a bitmap.
#pragma once

#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

// Reads the PNG file at path (UTF-8), draws it with its top-left at (0, 0) of pTarget
// (cut to the target) and writes its width and height into size. A null pTarget only
// checks the picture. Returns a PictureReadResult: kPictureRead, kPictureNotOpened,
// kPictureDamaged (not a PNG, or any libpng error) or kPictureTooLarge; on any failure
// neither the target nor size changes.
int ReadPngFile(tmb::DeviceContext* pDC, const std::string& path, tmb::Size* size, tmb::Surface* pTarget);
