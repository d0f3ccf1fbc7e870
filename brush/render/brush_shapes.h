// The brush-shapes pass of the converted character's drawing (CStrokeWork::
// RenderBrushShapes, core/path/stroke_work.h) and the stroke picture it paints for the
// scratch effect.
#pragma once

#include "core/record/param_block.h"
#include "platform/gdi/geometry.h"

class CStrokePathEx;
class CStrokeWork;
namespace tmb {
class DeviceContext;
class Surface;
}

// A developer's switch: the stroke pictures show the points of each brush shape (moved
// aside stroke by stroke) instead of the filled shape. Off unless set.
extern int gPlotShapePoints;

// The short-stroke rule of the pass: shape (n points, path length `length`) shorter than
// the width setting v is laid on a straight, even line from its first point towards its
// last, of its own chord or, when that is shorter than v x sqrt(0.75), that long; a single
// point stays. Returns the size percentage 150 x v / max(length, chord, 1), truncated.
int StraightenShortStroke(CStrokePathEx& shape, int v, float length);

// The stroke picture of shape through a memory context on target: rect made white, the
// outline of shape filled black (or, with gPlotShapePoints, its points plotted), then the
// scratch effect of centre's strokes at the flying-white density of settings (parameter
// 5) ORed over it. round 0 starts a drawing. Returns 1.
int DrawBrushShapes(CStrokeWork& centre, const CStrokePathEx& shape, tmb::DeviceContext* pDC, tmb::Surface* target,
                    const tmb::Rect& rect, const ParamBlock& settings, int round);
// Plots in black, as single pixels, the outline and centre points of shape moved right by
// 25 pixels for each call since round 0, then the centre points that end no section where
// they lie, with the lines from every even point to its two side points.
void PlotShapePoints(const CStrokePathEx& shape, tmb::DeviceContext* dc, int round);
