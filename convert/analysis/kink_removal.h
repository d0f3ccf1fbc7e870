// Kinks of outlines on whole coordinates: a point that juts out from its outline and
// turns straight back (a one-pixel spike or a back-and-forth) is laid onto its
// predecessor and dropped, round after round, until the outline holds none.
#pragma once

class CStrokePath;

// Rounds of kink removal are held to this many.
constexpr int kMaxKinkRounds = 30;

// The closed outlines of path densified to unit steps (repeated points removed); then, in
// up to kMaxKinkRounds rounds while the last one changed something, for every point p of
// every stroke and its next two cyclic successors q and r (read rounded): q is laid onto
// p when r rounds to p, or, at level 1 and above, when the steps p-q and q-r reverse in x
// (and, below level 2, p and r lie less than 3 apart in y) or reverse in y (less than 3
// apart in x); level 2 also takes a unit axis step next to a unit diagonal step. After a
// round the repeated points are removed; a round that removes none ends the rounds.
// Returns the number of rounds run.
int RemoveKinks(CStrokePath& path, int level);
