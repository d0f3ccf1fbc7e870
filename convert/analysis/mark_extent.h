// What the shaping passes take from the overlay mark that holds a stroke start: where the
// mark's run of points ends and the size, edges and centre of its rectangle.
#pragma once

#include <cstdint>

#include "core/geometry/fpoint.h"
#include "platform/gdi/geometry.h"

class CStrokePath;

struct CMarkExtent {
  int last = 0;        // the mark's last point, held inside the path
  int64_t width = 0;   // of the mark's rectangle, in 64 bits: far-flung points span more
  int64_t height = 0;  // than an int
  int left = 0;
  CFPoint centre{0, 0};
  int flagWord = 0;  // the spare word of the mark's last part
};

// The larger of r's width and height, in 64 bits.
int64_t RectLongerSide(const tmb::Rect& r);

// The extent of the first shown mark of gAnalysisOverlay that holds point i of path; false
// when none does. A point in no mark has no size, so the passes leave its stroke alone.
bool FindMarkExtent(const CStrokePath& path, int i, CMarkExtent& out);
