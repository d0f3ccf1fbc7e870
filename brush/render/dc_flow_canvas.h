// A device context as the canvas the flow step and the outline helpers draw on while a
// caller watches them work: curve pixels, point markers, single segments and side lines.
#pragma once

#include "brush/outline/flow_step.h"
#include "platform/gdi/device_context.h"

class CStrokePathEx;

class CDcFlowCanvas final : public FlowCanvas {
 public:
  explicit CDcFlowCanvas(tmb::DeviceContext& dc) : dc_(dc) {}
  void SetPixel(int x, int y, tmb::Colour colour) override;
  void DrawPointMarks(const CStrokePath& path) override;
  // The line from point i to point j of path in colour.
  void DrawSegment(const CStrokePath& path, int i, int j, tmb::Colour colour);
  // The lines from each point of path to its side points.
  void DrawSideLines(const CStrokePathEx& path, tmb::Colour colourA, tmb::Colour colourB, int givenColours);

 private:
  tmb::DeviceContext& dc_;
};
