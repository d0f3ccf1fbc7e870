// Staged contour smoothing of a brush outline: the anchors the shape analysis fixed are
// released group by group by their kinds, and after each release the outline is smoothed
// round the anchors still fixed, in a number of passes the width setting scales.
#pragma once

#include <vector>

#include "core/record/param_block.h"

class CPointIndexList;
class CStrokePath;

// A glyph's anchored smoothing is held to this many passes, whatever its parameter asks:
// a value read from a file would otherwise set the work of every preparation.
constexpr int kMaxSmoothingPasses = 1000;

// Passes of one stage are held to the most the settings bars can ask for (smoothing 100
// at width 200, a last stage at the whole width: a window of 16000 at 200 percent). A
// value read from a file, up to 2^31, would otherwise hang every repaint.
constexpr int kMaxStagePasses = 32000;

// Smooths the closed contours of path in stages, rewriting the anchor kinds in place (a
// released anchor gets kind 255); reads parameters 3 (width), 201 (smoothing), 293
// (stages) and 348 (quarter window) of params. percent is the size percentage of a short
// stroke (0 for others): the window shrinks by it. 0 when parameter 201 is 0 (nothing
// changes), else 1.
int SmoothContoursInStages(CStrokePath& path, CPointIndexList& anchors, const ParamBlock& params, int percent);

// Which anchors a stage releases before it smooths.
enum SmoothingGroup {
  kReleaseUnmatched = 0,  // position anchors (kind 0)
  kReleaseLoopInside = 1, // kind 12
  kReleaseInnerSide = 2,  // kind 3
  kReleaseAllButEnds = 3, // every positive kind but 4, 8, 6, 7 and 11
  kReleaseAll = 4,        // every positive kind
};
struct SmoothingStage {
  SmoothingGroup group;
  int passes;
};
// The stages in the order SmoothContoursInStages runs them; none when parameter 201 is 0.
std::vector<SmoothingStage> PlanSmoothingStages(const ParamBlock& params, int percent);
