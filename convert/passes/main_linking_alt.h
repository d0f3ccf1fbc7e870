// The main linking in its alternative form (the road by default, parameter 356 set): the
// joins of old strokes that bend become corners, and every corner is given the code a
// fast brush writes it with, by the directions it is reached from and left in and by the
// angle between them. The trimming and width passes act on the codes.
#pragma once

class CStrokeWork;

// With p the length scale (parameter 3) and reference the driver's copy from before the
// linking (1 at old stroke starts, 4 at strong links; its points are not read), in order:
// the corner loops go; a segment shorter than p that holds codes loses them and is
// smoothed; an old stroke start joined into a run (not at the run's end) becomes a corner
// where the way back to its run's start and the way on to its run's end meet at less than
// 150 degrees. Then, walking on: a segment whose first run ends inside the old stroke,
// within p / 2 of the segment start and nearer to it than to the segment's end, gets 25
// on the point after that run; each corner (not at point 0) reached from above and going
// on nearly level to the right stays 3, reached from above otherwise becomes 22; reached
// from the right side and going on downwards stays 3, or becomes 22 when that way is
// steeper than 45 degrees, shorter than 3p / 2 and ends at a code; any other corner is 5,
// or 22 when sharper than 75 degrees; a corner of no old stroke start in the segment's
// last run whose tail is shorter than p becomes 21 when the old stroke is longer than p.
// Last the turns are split. Marker posting is off. Returns 1.
int ShapeLinkedStrokesAlt(CStrokeWork& path, const CStrokeWork& reference);
