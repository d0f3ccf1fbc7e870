// A character's picture saved as a BMP of the character-image size (1-bit when the drawing
// state asks for monochrome), taken from a drawing window's picture.
#pragma once

#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

// Copies the block of the character-image size at topLeft of picture into a new bitmap and
// writes it as BMP under path (UTF-8), with the characters' palette on a display that
// works through one. Returns 1, or 0 after a beep and 62063 when the bitmap cannot be
// made, or after the writer's message.
int SaveCharacterImageFile(tmb::DeviceContext* pDC, const tmb::Surface& picture, tmb::Point topLeft,
                           const std::string& path);
