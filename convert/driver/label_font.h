// The font in which the conversion's markers and overlay marks carry their labels.
#pragma once

#include "platform/gdi/font.h"

// The Shift-JIS gothic face at the height in pixels, regular weight, fixed pitch of the
// modern family.
tmb::Font ConversionLabelFont(int height);
