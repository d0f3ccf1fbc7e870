// The colour routines of the image effects that work pixel by pixel on a picture's rows:
// grey values, neighbourhood averages, channel shifts, two-colour thresholds and
// gradient fills of a rectangle.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

// Mode 1: (red + green + blue) / 3; mode 0: trunc(0.3 red + 0.59 green + 0.11 blue).
int GreyValue(tmb::Colour colour, int mode);

// What AverageNeighbourhood reads and writes: the window is cut to clip, colour is the
// colour compared with (and the average that replaces it), radius the window's half side.
struct NeighbourhoodParams {
  tmb::Rect clip{};
  tmb::Colour colour = 0;
  int radius = 1;
};
// Largest radius taken; a larger one is held to it.
constexpr int kMaxAverageRadius = 10;

// Reads the (2R + 1) x (2R + 1) window of picture around (x, y), without the pixels
// outside params.clip and the picture. When the window holds a pixel and not all of them
// equal params.colour, params.colour becomes their average (integer mean per channel) and
// the result is 1; else 0. A negative radius compares only direct neighbours (left and
// up for -1, also right and down for -2, also the diagonals below that) and averages them.
int AverageNeighbourhood(const tmb::Surface& picture, int x, int y, NeighbourhoodParams& params);

// Which pixels ShiftPixelColour changes.
enum ShiftFilter { kShiftAll = 0, kShiftOtherThanKey = 1, kShiftKeyOnly = 2 };
// Shifts pixel (x, y) of picture when filter takes it: scale 0 adds the amounts to red,
// green and blue; scale 1 multiplies each channel by amount / 255. Channels stay in
// 0..255. Returns 1 when the pixel was taken.
int ShiftPixelColour(tmb::Surface& picture, int x, int y, const int amounts[3], int filter, int scale,
                     tmb::Colour keyColour);
// The same over every pixel of rect.
void ShiftRectColours(tmb::Surface& picture, const tmb::Rect& rect, const int amounts[3], int filter, int scale,
                      tmb::Colour keyColour);

// Every pixel of (left, top)-(right, bottom), both corners included and cut to the
// picture, becomes colourA or colourB, whichever is nearer by the sum of the channel
// differences (colourB only when strictly nearer); blackWhite writes black for A and
// white for B instead.
void ThresholdTwoColours(tmb::Surface& picture, tmb::Colour colourA, tmb::Colour colourB, int left, int top,
                         int right, int bottom, int blackWhite);

// The colour at position pos of a gradient over span lines from colour1 to colour2;
// mirrored runs up to the middle and back.
tmb::Colour GradientColourAt(tmb::Colour colour1, tmb::Colour colour2, int pos, int span, int mirrored);
// Fills rect line by line (vertical lines when vertical, else horizontal) from colour1
// to colour2 (see GradientColourAt). With a key, only pixels that equal keyColour
// (keyMatch 1) or differ from it (keyMatch 0) are painted; keyMatch -1 paints all.
void GradientFillSelection(tmb::Surface& picture, const tmb::Rect& rect, int vertical, int mirrored,
                           tmb::Colour colour1, tmb::Colour colour2, tmb::Colour keyColour = 0, int keyMatch = -1);
