// Thinning a one-bit mask to lines one pixel wide, and the despeckling that comes before
// it: single passes over a region, and loops that run them until nothing changes, each
// later pass visiting only the pixels next to what the pass before removed.
#pragma once

#include "core/onebit/mono_bitmap.h"

enum ThinningMode { kThinningFlag = 2, kThinningDespeckle = 3 };

// One pass over the ink pixels of (left, top, right, bottom) of source with 0 < x and
// 0 < y. kThinningFlag: every pixel the thinning test allows is flagged, made ink in
// target (of source's geometry, cleared by the caller); kThinningDespeckle: every pixel
// with fewer than 4 ink neighbours is made background in source at once. Returns the
// number of pixels flagged or removed (0 for another mode).
int ThinningPass(CMonoBitmap& source, CMonoBitmap& target, int left, int top, int right, int bottom, int mode);

// Removes from source's region the pixels flagged (ink) in flags, of source's geometry,
// in row order, each only while it is still simple (WindowIsSimple): a pass so keeps the
// ends of every line and the 8-connection of every band, where removing all flagged
// pixels at once ate diagonal bands from their ends. Returns the number removed.
int RemoveThinnedPixels(CMonoBitmap& source, const CMonoBitmap& flags);

// Takes one simple pixel, the first in row order, out of every 2 x 2 block of ink in
// mask's region; thinning leaves such blocks where lines meet. Returns the number removed.
int BreakInkBlocks(CMonoBitmap& mask);

// Despeckles mask's region until a pass removes nothing or maxPasses passes ran; returns
// the number of pixels removed.
int DespeckleMask(CMonoBitmap& mask, int maxPasses = 100);

// Thins mask's region: passes of ThinningPass (kThinningFlag) and RemoveThinnedPixels
// until one removes nothing or maxPasses ran, then BreakInkBlocks, with the same result
// as running those. With showProgress each pass moves the progress through the rows by
// tens of percent, and the progress is reset to -1 at the end. Returns the number of
// pixels removed.
int ThinMask(CMonoBitmap& mask, int maxPasses = 100, int showProgress = 0);
