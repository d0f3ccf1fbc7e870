// Reading JPEG pictures (through the platform's JPEG codec) into a bitmap.
#pragma once

#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

// Reads the JPEG file at path (UTF-8), draws it with its top-left at (0, 0) of pTarget
// (cut to the target) and writes its width and height into size. A null pTarget only
// checks the picture. Returns a PictureReadResult: kPictureRead, kPictureNotOpened,
// kPictureDamaged (not a JPEG, any codec error, data that ends early) or
// kPictureTooLarge; on any failure neither the target nor size changes.
int ReadJpegFile(tmb::DeviceContext* pDC, const std::string& path, tmb::Size* size, tmb::Surface* pTarget);
