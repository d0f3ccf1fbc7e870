// The flow step: the points of a character are pulled toward a quadratic curve through
// its key points (stroke starts, stroke ends and every 1,000th point of a stroke), so
// that joined strokes flow into one another.
#pragma once

#include <span>

#include "platform/gdi/geometry.h"

class CStrokePath;

// Where the flow step shows its curve and key points while a caller watches it work. The
// graphics layer adapts its device contexts to it.
class FlowCanvas {
 public:
  virtual ~FlowCanvas() = default;
  virtual void SetPixel(int x, int y, tmb::Colour colour) = 0;
  // The point markers of path.
  virtual void DrawPointMarks(const CStrokePath& path) = 0;
};

// Samples the curve through each run of joined key points of keyPath (table[k] is the
// source index of key point k), matches every key point to its nearest curve point (mode
// 0; another mode matches nothing) and moves source's points between two key points by
// value percent toward the matching stretch of the curve. With a canvas each curve point
// is plotted: red after an odd number of piece starts, else in colour.
void FlowRedraw(const CStrokePath& keyPath, FlowCanvas* canvas, tmb::Colour colour, int mode, CStrokePath& source,
                int value, std::span<const int> table);

// One averaging round on keyPath, then each stroke of source between two key points moves
// by percent toward the matching stretch of keyPath.
void BlendFromKeyPoints(CStrokePath& keyPath, CStrokePath& source, int percent, std::span<const int> table);
