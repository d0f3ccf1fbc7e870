// Smoothing the staircase edges of a character painted into a bitmap: the outline of the
// area painted in the character colour is traced, and the pixels along each step of it
// get colours between the character colour and the colour beside them.
#pragma once

#include "core/path/stroke_path_lite.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// What sets the variants of the smoothing apart.
struct CSmoothingVariant {
  bool everyRun = false;         // short ledges open at both ends are shaded too
  bool midpointOutline = false;  // the outline is first smoothed by midpoints
  bool plainCorners = false;     // one-pixel jogs are treated as any other corner
  bool evenStrength = false;     // every run at the base strength, without the spread
};

// Gives the edges of the character painted in ink over background in bitmap (the canvas's
// size, colour) intermediate colours: strength is a percent (clamped to 0..100), level 1
// to 3 (clamped) chooses how much of the neighbourhood is read. Pixels outside the paper
// are read as background and never written.
void RenderStrokesByStroke(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour background, tmb::Colour ink,
                           int strength, int level);

// The same in a variant of the smoothing.
void SmoothPaintedEdges(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour background, tmb::Colour ink,
                        int strength, int level, const CSmoothingVariant& variant);

// Every point of each outline of path becomes the rounded midpoint of it and its
// successor (the outline taken as closed).
void SmoothOutline(CStrokePathLite& path);

// The colour of pixel j (0 to runHalf) of a shaded run: from near towards ink by
// ((100 - s) + j s / (runHalf + 1)) percent, channel by channel, in whole numbers.
tmb::Colour ShadeRunColour(tmb::Colour near, tmb::Colour ink, int s, int runHalf, int j);

// 1 when the step from point i to the next of the closed outline first..last (its points
// without the closing one) is a long vertical (horizontal) step whose nearest steps either
// way that are neither diagonal units nor zero, within 10 points, are both horizontal
// (vertical): the corner of a one-pixel jog. Else 0.
int IsStepCorner(const CStrokePathLite& path, int i, int first, int last);

// Makes every outline of path end on its first point. Returns 1, or -1 when the path
// had no room for every closing point (the outlines that did not fit are dropped).
int CloseOutlines(CStrokePathLite& path);

inline int IntEquals(int a, int b) { return a == b ? 1 : 0; }
