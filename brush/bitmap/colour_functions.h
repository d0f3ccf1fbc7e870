// Colour arithmetic of the image effects: averages, blends, offsets and distances of
// colours, each channel on its own 8-bit value.
#pragma once

#include "platform/gdi/geometry.h"

// Channel k of c: 0 red, 1 green, 2 blue.
int ColourChannel(tmb::Colour c, int k);
// The colour of three channel values, each held within 0..255.
tmb::Colour ClampedRgb(int r, int g, int b);

tmb::Colour AverageColour2(tmb::Colour a, tmb::Colour b);
tmb::Colour AverageColour3(tmb::Colour a, tmb::Colour b, tmb::Colour c);
tmb::Colour AverageColour4(tmb::Colour a, tmb::Colour b, tmb::Colour c, tmb::Colour d);
// a x percent / 100 + b x (100 - percent) / 100 per channel, each product divided on its
// own; held within 0..255 (a percent outside 0..100 would leave it).
tmb::Colour BlendColour(tmb::Colour a, tmb::Colour b, int percent);
// c + (o - 128) x percent / 100 per channel, held within 0..255: the offset colour o moves
// c up where o is above the middle grey and down where it is below.
tmb::Colour OffsetColour(tmb::Colour c, tmb::Colour o, int percent);
// The sum of the channels' differences, 0 to 765.
int ColourDistance(tmb::Colour a, tmb::Colour b);
