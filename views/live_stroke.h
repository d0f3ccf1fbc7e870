// What the stamped drawing of strokes keeps between its segments: the running sizes and
// column, the work object whose settings each segment reads, and the clipping of one
// stamp. The drawing itself is the view's (live_stroke.cpp, stroke_widths.cpp).
#pragma once

#include <functional>

#include "platform/gdi/geometry.h"

class CStrokeWork;

// Kinds of a segment by the point it starts at.
enum SegmentKind { kSegmentInside = 0, kSegmentFirst = 1, kSegmentLast = 2 };

// The sizes a segment's stamps go through: start, middle and end.
struct CStampSizes {
  int start = 0;
  int middle = 0;
  int end = 0;
};

// The running values that each segment continues from; segments of one stroke are drawn
// in order.
struct CLiveStrokeState {
  int prevSize = 0;       // the start size of the segment before
  int runningSize = 0;    // the size of the last stamp
  int lastStampSize = 0;  // the last stamp of the last segment
  int prevColumn = 0;     // the column of the last stamp
  int stampCount = 0;     // every stamp drawn
  int up = 0;             // the hysteresis counters of the size steps
  int down = 0;
  int drawTwice = 0;      // the next stamp goes to the back buffer as well
  int sheetShown = 0;     // the shape sheet is shown: every stamp goes to both
  int noStepping = 0;     // every stamp takes the segment's start size
  // The pen colour of the window's ink while it shows the stroke being written; the
  // stamps then darken the paper in that colour rather than in their own grey or black.
  int inkPen = 0;
  tmb::Colour inkColour = 0;
};
extern CLiveStrokeState gLiveStroke;

// What the live stroke reads of its work object's settings.
struct CLiveStrokeValues {
  int width = 0;       // W
  int modulation = 0;  // M
  int startMode = 0;   // 1 or 2 thin a stroke's first and last segments
  int maxWidth = 0;
  int damping = 0;     // D
  int emphasis = 0;    // the pressure weighs five times more
  int minNormal = 0;   // the narrowest point inside a stroke
  int minEnd = 0;      // the narrowest stroke end
  int blur = 0;        // B: flying white turns stamps to thinner columns
  int defaultColumn = 0;
};
CLiveStrokeValues LiveStrokeValuesOf(const CStrokeWork& work);

// The live-stroke work object: made at the first use, gone at exit.
CStrokeWork& LiveStrokeWork();

// The brush set: columns 0 to 5 of thinning tips, cells of 32 pixels, sizes to 31.
constexpr int kStampColumns = 6;
constexpr int kStampCell = 32;
constexpr int kLargestStamp = 31;
// A width is kept as a signed byte per point.
constexpr int kWidestStroke = 127;

// A stamp cut to the part inside bounds: the destination block and the offset of its
// first pixel within the cell. Empty (width or height 0) when nothing is inside.
struct CStampBlock {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int offsetX = 0;
  int offsetY = 0;
};
CStampBlock ClipStamp(int x, int y, int extent, const tmb::Rect& bounds);

// Whether the shape property sheet is on the screen. The sheet's frame installs the
// question; until then the sheet counts as hidden.
void SetShapeSheetQuery(std::function<bool()> query);
bool IsShapeSheetShown();
