// Following a skeleton one pixel wide into strokes: the skeleton is cut at its junctions,
// every branch is walked from an end, and what is left (rings) is walked round.
#pragma once

#include <span>
#include <vector>

#include "core/path/stroke_path.h"
#include "core/onebit/mono_bitmap.h"

// Walks the branch of mask from (x, y), making its pixels background, into out: first a
// junction within one pixel of the start, the branch's pixels while each has exactly one
// ink neighbour (the first from the east round clockwise), then a junction within one
// pixel of its last pixel; a ring closes on its start. Returns the number of points
// stored, or -1 when out has no room for all of them.
int FollowSkeletonLine(CMonoBitmap& mask, int x, int y, std::span<tmb::Point> out,
                       std::span<const tmb::Point> junctions);

// Traces the skeleton in mask's region (left, top, right, bottom), which it consumes, into
// path: a stroke (flag 1) per branch from an end (a pixel with one ink neighbour once the
// junctions, pixels of more than two, are taken out), a stroke of flag 2 per ring. Returns the
// number of strokes, or -1 when path filled up (the strokes that fitted stay).
int TraceSkeleton(CStrokePath& path, CMonoBitmap& mask, int left, int top, int right, int bottom);
