// Removal of loops from measured strokes: side points whose normals cross near a stroke's
// end, and small loops of the centre line itself.
#pragma once

class CStrokePath;
class CStrokePathEx;

// Modes of RemoveSideLoops: which pairs of normals are tested.
enum SideLoopMode {
  kSideLoopsAll = 0,      // every pair of points of a stroke
  kSideLoopsNearEnds = 1, // pairs of points near its ends (its first and last third, at most 8)
  kSideLoopsShortReach = 2,  // as 1, the later point at most that many points on
};

// For each side, the normals (a point to its side point) of a stroke that cross are
// partners. A stroke's first point (or, failing that, the farthest of the next three
// points with a partner) crossing a later normal t has its side points up to t - 1 laid
// onto the side point of t; a stroke's last point likewise back to the nearest normal it
// crosses. Then the weights are made again from the side points. Index tables hold any
// point count.
void RemoveSideLoops(CStrokePathEx& path, int mode);

// One round: where a segment of a stroke crosses a later, not adjacent, segment of it (not
// parallel), the loop between them is folded onto the first segment's start when it spans
// fewer than 12 points, or holds further crossings and is short against the stroke (an
// eighth of it, at most 32); else, when the stroke outside the loop is that short, the
// outside is folded onto it instead. Repeated points are removed.
void RemoveSmallLoops(CStrokePath& path);
