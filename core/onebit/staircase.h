// Taking the corner pixels out of the steps a thinned line makes, so that it runs
// diagonally where it can.
#pragma once

#include "core/onebit/mono_bitmap.h"

// Visits the ink pixels of (left, top, right, bottom) of bitmap with 0 < x and 0 < y: a
// pixel with ink to its right goes when (x+1, y+1) is ink and (x+2, y-1) background, or
// (x+1, y-1) ink and (x+2, y+1) background; one with ink to its left likewise mirrored.
// A pixel goes only when that splits no line (WindowIsSimple), and at once, so that
// later tests see it gone. Returns the number removed.
int RemoveStaircasePixels(CMonoBitmap& bitmap, int left, int top, int right, int bottom);
