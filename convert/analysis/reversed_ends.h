// The places near stroke ends where a stroke's outline turns back on itself: the outline
// points there are anchored, so that the smoothing of the outline keeps the ends square.
#pragma once

class CPointIndexList;
class CStrokePath;
class CStrokePathEx;

// Anchor kinds of the points found at a stroke's start and at its end.
constexpr int kReversedStartKind = 4;
constexpr int kReversedEndKind = 8;

// For every stroke end of centre (whose side points hold the two sides of each point):
// the width w is the distance of the end's side points (rounded, at least 4) and d the
// way from the end into its stroke. For each side point the nearest point j of the
// stroke of outline with the same number is found, and the outline walked from j until
// it leaves the box of half-size w round j (forwards from the first side at a start,
// backwards at an end, the other way from the second side; at most as many steps as the
// centre stroke has points after its first), reaching k. When the angle between d and the
// way from j to k exceeds a right angle, j is anchored by its index. Returns 1.
int FindReversedEnds(const CStrokePathEx& centre, const CStrokePath& outline, CPointIndexList& anchors);
