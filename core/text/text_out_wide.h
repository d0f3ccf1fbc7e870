// Drawing wide (UTF-16) text.
#pragma once

#include <string_view>

#include "platform/gdi/device_context.h"

// Draws text at (x, y) in pDC's font and colours; returns whether it was drawn.
bool TextOutWide(tmb::DeviceContext* pDC, int x, int y, std::u16string_view text);
