// The hue-lightness-saturation colour model of the image effects: hue in degrees
// [0, 360), lightness and saturation in [0, 1], colours as 0x00BBGGRR.
#pragma once

#include "platform/gdi/geometry.h"

// The hue, saturation and lightness of colour. A grey (white and black included) has hue
// and saturation 0 and returns 0; any other colour returns 1.
int RgbToHls(tmb::Colour colour, double* hue, double* saturation, double* lightness);
// The colour of hue (any number of degrees, taken modulo 360), saturation (held within 0
// to 1) and lightness (held within -1 to 1); each channel is rounded half up and held
// within 0 to 255. A value that is not a number counts as 0.
tmb::Colour HlsToRgb(double hue, double saturation, double lightness);
