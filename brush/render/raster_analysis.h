// The raster routines beside the edge smoothing: its variants, a test of the raster
// operations, a colour-keyed copy through a mask, a double inversion, and the statistics
// of the strokes of a light path with their comparison and the walks they rest on.
#pragma once

#include <vector>

#include "core/path/stroke_path_lite.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// The smoothing variants: every run shaded, with the outline smoothed by midpoints first
// and all corners alike, and a plain one at the base strength without the jog test.
void RenderStrokesByStrokeTrace(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour background,
                                tmb::Colour ink, int strength, int level);
void RenderStrokesByStrokeSmooth(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour background,
                                 tmb::Colour ink, int strength, int level);
void RenderStrokesByStrokeBasic(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour background,
                                tmb::Colour ink, int strength, int level);

// Draws the patterns of the whole-area raster operations into a small picture made for
// pDC and reads them back: the number of pixels that came back wrong (0 when the raster
// layer is sound).
int TestRasterOps(tmb::DeviceContext* pDC);
// Copies rect of source onto target at the same place except where source holds key.
void MaskedColorBlit(tmb::DeviceContext* pDC, tmb::Surface& target, const tmb::Surface& source, tmb::Colour key,
                     const tmb::Rect& rect);
// Inverts rect of dc and inverts it back: what is left is what was there.
void InvertTwice(tmb::DeviceContext& dc, const tmb::Rect& rect);

// The bounding box of points from..to of path (to -1: to the last), starting from the box
// (100000, 100000, 0, 0), so that an empty range gives that box.
tmb::Rect PathBoundingBox(const CStrokePathLite& path, int from, int to);

// What one stroke of a path measures.
struct CStrokeStats {
  tmb::Rect bounds{};
  tmb::Point first{};
  tmb::Point last{};
  int count = 0;
  float aspect = 0;  // width / height, 0 for a stroke of no height
  int spare = 0;
};
// Up to this many strokes are measured.
constexpr int kMaxStrokeStats = 1024;
// One record per stroke of path, in order.
std::vector<CStrokeStats> CollectStrokeStats(const CStrokePathLite& path);
// 1 when both paths have as many strokes, else 0.
int CompareStrokeStats(const CStrokePathLite& a, const CStrokePathLite& b);

// Walking a light path's strokes: the first and the last point of the stroke of point i,
// the first point of the next stroke (the count when none), and the step from i to i + 1
// within its stroke ((0, 0) at a stroke's end).
int StrokeFirstOf(const CStrokePathLite& path, int i);
int StrokeLastOf(const CStrokePathLite& path, int i);
int NextStrokeStart(const CStrokePathLite& path, int i);
tmb::Point StepWithinStroke(const CStrokePathLite& path, int i);
