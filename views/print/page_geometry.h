// The geometry of a printed page: which part of the paper or of a selection one page
// prints, and how much of the page it fills. The part keeps its shape and fills the page
// width.
#pragma once

#include "platform/gdi/geometry.h"

struct CPageGeometry {
  tmb::Rect source{};  // the printed part of the picture: its origin and size (w x h)
  tmb::Size page{};    // what it fills on the page: the page width and the height used
};

// region with its corners in order and cut to the canvas; empty when it selects nothing
// (a click's single point, a region beside the paper).
tmb::Rect NormalisePrintRegion(const tmb::Rect& region, tmb::Size canvas);

// The printed part on a page of page.cx x page.cy device pixels: of the whole
// canvas (range 0) or of region (range 1, normalised first) at scale percent. A scale
// below 100 prints a part of that width from the paper's right side (or from the region's
// left side); 100 and above print the whole width. The height follows the page's shape,
// at most the source's. 1 with out filled; 0 when the page or the source has no width.
int ComputePageGeometry(tmb::Size page, tmb::Size canvas, int range, const tmb::Rect& region, int scale,
                        CPageGeometry& out);
