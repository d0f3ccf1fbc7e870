// The scrolled paper shared by the views that show a canvas-size picture: the scroll
// ranges of the paper and its margins, the visible part in logical coordinates, and the
// window surface kept at the size of the viewport.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

class QAbstractScrollArea;

// Ranges that scroll over the paper and twice the canvas origin around it, a line of 16
// pixels and a page of the viewport.
void SetPaperScrollRanges(QAbstractScrollArea& area);
// After a resize: new ranges, and a view that showed the paper's right end keeps showing it.
void RefitPaperScrollRanges(QAbstractScrollArea& area);
// The viewport in logical coordinates (the scroll position added).
tmb::Rect LogicalClientRect(const QAbstractScrollArea& area);
// The surface at the viewport's size (none for an empty viewport); true when it was made
// anew and must be drawn whole.
bool FitSurfaceToViewport(tmb::Surface& surface, const QAbstractScrollArea& area);
