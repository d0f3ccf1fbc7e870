// The vectoriser: the ink of a picture region comes back as strokes. The region is read
// into the work canvas's one-bit blocks, cleared of specks, thinned to a skeleton one
// pixel wide, traced branch by branch and mended into strokes.
#pragma once

#include "core/path/stroke_path.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// Vectorises the ink (dark pixels) of picture within (left, top, right, bottom), cut to
// the canvas and the picture, into path. Mode 2 also cuts the strokes at the segments of
// reference (when given) and joins touching strokes while the settings ask for it; every
// mode attaches short pieces and carries free ends on to target (when given), along ink
// only. Unless mode is 0 the skeleton is written back into the region of picture.
// picture must have the canvas's size. Returns 1 (path empty for a region off the
// paper); 0 (path empty) when there is no picture or the canvas has no one-bit blocks to
// trace in; -1 when the lists filled up, path then holding the strokes that fitted.
int VectorizeImage(CStrokePath& path, tmb::DeviceContext* pDC, tmb::Surface* picture, int left, int top, int right,
                   int bottom, const CStrokePath* reference, const CStrokePath* target, int mode);

// VectorizeImage in mode 2, with its result: a trace that could not run or lost strokes
// is not told as done.
int VectorizeImageRegion(CStrokePath& path, tmb::DeviceContext* pDC, tmb::Surface* picture, int left, int top,
                         int right, int bottom, const CStrokePath* reference, const CStrokePath* target);
