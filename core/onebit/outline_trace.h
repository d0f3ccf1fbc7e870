// Following the outer and inner outlines of ink regions of a one-bit mask into the
// vectoriser's node lists (gTraceBuffer): the edge smoothing of painted characters and the
// outline preview draw them.
#pragma once

#include <span>

#include "core/onebit/mono_bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// Where a follower stores its points: room for capacity points with a step direction and
// a run offset each.
struct TracePoints {
  std::span<tmb::Point> points;
  std::span<uint8_t> directions;
  std::span<tmb::Point> runOffsets;
};

// Follows the outline of the 8-connected ink region of mask through (x, y), clockwise,
// from (x, y) (an outer outline's first pixel in row order, or for a hole the ink pixel
// above its first pixel). Steps in one axis direction are merged into the last stored
// point while its run offset stays within runLimit; visited gets every pixel passed made
// background. Returns the number of points stored (closing on the start), 0 for an
// isolated pixel, -1 when out has no room for the whole outline.
int FollowOutline(const CMonoBitmap& mask, int x, int y, const TracePoints& out, int runLimit, CMonoBitmap& visited,
                  int hole);

// Follows the chain of ink of mask from (x, y), each next pixel the first ink neighbour
// from the east round clockwise, consuming (making background) every pixel it reaches;
// points are stored and merged as FollowOutline stores them. Returns the number of points
// stored, 0 for an isolated pixel, -1 when out has no room for the whole chain.
int FollowChain(CMonoBitmap& mask, int x, int y, const TracePoints& out, int runLimit);

// Whether the ink pixel (x, y) of border may start an outline, judged from its
// neighbours in border and in the filled mask.
bool IsContourStart(int x, int y, const CMonoBitmap& border, const CMonoBitmap& filled);

// Traces every outline of border (consumed: visited pixels become background) following
// the copy, with filled the region's ink: each outline of more than one point starts a
// stroke of the light path and appends its hole flag; the extended path is filled from the
// light path. Returns the number of points, or -1 when the lists filled up (the outlines
// that fitted stay).
int TraceRegionOutlines(CMonoBitmap& border, tmb::DeviceContext* pDC, const CMonoBitmap& copy,
                        const CMonoBitmap& filled);

// Builds the region masks of the ink of picture within (left, top, right, bottom) in the
// work canvas's one-bit blocks and traces their outlines. Returns what
// TraceRegionOutlines returns, 0 when no masks could be made.
int TraceImageRegion(tmb::DeviceContext* pDC, const tmb::Surface* picture, int left, int top, int right, int bottom);
