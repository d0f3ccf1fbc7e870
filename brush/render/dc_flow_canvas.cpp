#include "brush/render/dc_flow_canvas.h"

#include "core/path/stroke_path.h"
#include "core/path/stroke_path_ex.h"

void CDcFlowCanvas::SetPixel(int x, int y, tmb::Colour colour) { dc_.SetPixel(x, y, colour); }

void CDcFlowCanvas::DrawPointMarks(const CStrokePath& path) { path.DrawPointMarks(&dc_); }

void CDcFlowCanvas::DrawSegment(const CStrokePath& path, int i, int j, tmb::Colour colour) {
  path.DrawSegment(&dc_, i, j, colour);
}

void CDcFlowCanvas::DrawSideLines(const CStrokePathEx& path, tmb::Colour colourA, tmb::Colour colourB,
                                  int givenColours) {
  path.DrawSideLines(&dc_, colourA, colourB, givenColours);
}
