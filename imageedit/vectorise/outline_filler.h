// Filling the ink regions of a one-bit mask into a colour picture from their traced
// outlines: each outline is filled as a fan of triangles about its centre.
#pragma once

#include "core/onebit/mono_bitmap.h"
#include "platform/gdi/surface.h"

// Which follower traces the outlines: 0 the outline follower (every 8-connected region's
// outer outline), 1 the chain follower (along the border of the ink). 0 at start-up.
extern int gOutlineFillFollower;

// Traces every outline of mask's region and fills it into picture as the triangles
// between consecutive outline points and the outline's centre (the mean of its points),
// a pixel (whose middle lies in a triangle) taking fill only where its colour is greater.
// With ratio above 0 each triangle is drawn four times, its points scaled by ratio and
// moved by (0, 0), (1, 0), (0, 1) and (1, 1): the fill of a picture ratio times the
// mask's size. Returns the number of outlines filled.
int FillMaskOutlines(const CMonoBitmap& mask, tmb::Surface& picture, tmb::Colour fill, int ratio);
