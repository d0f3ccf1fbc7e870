// Trimming of stroke starts and ends as a fast brush writes them: the first stroke can
// begin with a short entry from the upper right, a small hook at a segment's start is
// flattened, the flourish after a turning point near a stroke's end is cut, a long tail is
// shortened and doubled points are smoothed away. Points move; none is added or removed.
#pragma once

class CStrokeWork;

// With p the length scale (parameter 3), the codes of the main linking and mode non-zero
// for the strong form (parameter 315), in order:
// - strong form: when the first segment runs past point 5 to the right, nearly level and
//   rising by at most one in eight, and its chord over up to 8 points is longer than p,
//   points 0 and 1 step in from 4 right and 6 up of the old start, point 2 takes the old
//   start (flagged 3) and point 3 lies midway to point 4;
// - a 25 within p / m of its segment's start (m 8 in the strong form, else 2) flattens the
//   points from the start on to the line towards the point after it, and is cleared;
// - a 26 or 21 within p / 2 of its segment's end, or another code within p of it in the
//   segment's last run where the stroke comes back within p / 4 of the next-to-last
//   point, is cut: the points after it collapse onto the step before it, the code cleared;
// - a segment's last run of six points or more whose chord is longer than p and whose
//   last five steps cover less than half of it draws them together into one step;
// - a point equal to the one before it is smoothed: at a section's end the point before
//   it moves midway between its neighbours (unless it starts a stroke), else it moves
//   midway to the next point.
// Marker posting is off. Returns 0 when the strong form finds a first stroke of one point
// (nothing then changes), else 1.
int TrimStrokeEnds(CStrokeWork& path, int mode);
