// What the drawing of a converted character asks of the drawing views: the smoothing of
// the stair-stepped edges of a character painted stroke by stroke. The views install the
// real link; until then the edges stay as painted.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

class EdgeSmoothingLink {
 public:
  virtual ~EdgeSmoothingLink() = default;
  // Gives the edges of the character painted in ink over paper in bitmap intermediate
  // colours, by strength percent (parameter 241) at level 1 to 3 (parameter 242).
  virtual void RenderStrokesByStroke(tmb::DeviceContext* /*pDC*/, tmb::Surface* /*bitmap*/, tmb::Colour /*paper*/,
                                     tmb::Colour /*ink*/, int /*strength*/, int /*level*/) {}
};

EdgeSmoothingLink& EdgeSmoothing();
// Installs link (not owned); nullptr restores the default.
void SetEdgeSmoothingLink(EdgeSmoothingLink* link);
