// The character cells of a picture laid out again in the order of vertical writing: the
// cells that hold writing, taken row by row, fill the cells of the grid down each column,
// starting at the rightmost one.
#pragma once

#include "platform/gdi/surface.h"

class CCharData;

// Lays record's guide grid out over the canvas and copies each cell of source that holds
// a point of record or of second (may be null) to the next cell of dest in vertical order.
// Without a grid nothing is copied.
void CopyCellsToVerticalOrder(tmb::Surface& dest, const tmb::Surface& source, CCharData& record,
                              const CCharData* second);
