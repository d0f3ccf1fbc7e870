// The cursive rewrite of three-segment strokes: a steep downward segment with a left and a
// right sweep from its side becomes the downward segment with the left sweep written
// upwards (strong form) or followed by a rising line in place of the right sweep.
#pragma once

#include <vector>

class CStrokePath;

// Rewrites every stroke start (flag 1) that ClassifyThreeSegmentStroke finds of its second
// kind. With reverse set the second segment is written backwards as a new stroke and the
// third dropped; without it the third segment's points move onto the straight line from
// the second's end to (the third's end x, the second's start y), and a third segment of one
// point is dropped. Every other point stays. Marker posting is off afterwards. When
// strokesBefore is given it receives, for each stroke of the rewritten path, the number
// of the stroke (counting flag-1 starts from 0) it was part of before. Returns 1.
int RewriteThreeSegmentStrokes(CStrokePath& path, bool reverse, std::vector<int>* strokesBefore = nullptr);
