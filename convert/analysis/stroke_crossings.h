// The crossing search between strokes: where segments of one stroke cross segments of
// another, recorded as crossing records. The feature classification asks about a pair of
// strokes; the outline merge searches a range of points.
#pragma once

#include <span>

#include "convert/analysis/crossing_record.h"

class CStrokePath;

enum CrossingSearchMode {
  kCrossRange = 0,       // every pair of segments of [first, second) at least 2 points apart
  kCrossRangeAlt = 1,    // the same
  kCrossStrokePair = 2,  // the segments of the segment from first against those from second
};

// Records the crossings into records, at most records' size and at most the path's point
// count, and returns how many were written.
//
// kCrossStrokePair: segment i runs from first to the end of its segment (the point before
// the next flag 1, 2, 4 or 255), segment j likewise from second; pairs are taken in (i, j)
// order, so a one-record span receives the first crossing. Pairs whose segments cannot
// meet are passed over without being intersected. reach is not used.
//
// kCrossRange (and 1): for i from first while i < second - 4 and j from i + 2 while
// j < second - 1, the segments (i, i + 1) and (j, j + 1) unless either ends its section,
// in (i, j) order; pairs whose segments cannot meet are passed over (a grid of the
// segments' boxes finds those that can). With reach >= 0 a pair counts only when the
// points i and j lie less than reach apart (in x, in y and in straight distance).
int AnalyseStrokeCrossings(const CStrokePath& path, int first, int second, std::span<CCrossingRecord> records,
                           int mode, int reach);
