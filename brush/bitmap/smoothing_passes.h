// The colour smoothing passes over a picture: each pixel takes the average of its
// neighbourhood, in colour or as a grey value.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

// Every pixel of rect (only those of onlyColour, when given) whose window of radius
// (AverageNeighbourhood, cut to rect) holds another colour takes the window's average,
// every window read from the picture as the pass found it. greyMode 0 or 1 writes the
// average's grey value (GreyValue by that mode) instead, the companion pass; -1 the
// colour. Colours are written as PaletteRgb gives them. With showProgress the progress
// moves on by tens of percent of the rows and is reset to -1 at the end. Returns the
// number of pixels changed.
int ApplyMaskStepSet(tmb::Surface& picture, const tmb::Rect& rect, int radius, const tmb::Colour* onlyColour,
                     int greyMode, int showProgress);
