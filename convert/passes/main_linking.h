// The main linking in its standard form (parameter 356 at 0): the short strokes that now
// run into the next one are smoothed into the join, a stroke that starts with a hook away
// from its end gets a corner, and every corner and turning point is given the code a fast
// brush writes it with. The trimming and width passes act on the codes.
#pragma once

class CStrokeWork;

// With p the length scale (parameter 3) and reference the driver's copy from before the
// linking (1 at old stroke starts, 4 at strong links; its points are not read), in order:
// the corner loops go; a stroke shorter than p joined on to the old next stroke across a
// gap of more than p / 4 is smoothed into it; a run longer than p that starts with steps
// leading away from its end gets a corner where the last of them ends, farther than p / 8
// from its start; corners are made folds (5) by the directions they are reached from and
// left in; a corner within p / 2 after a segment start becomes 25, a turning point into a
// steep rise or into a fall past the old stroke's end 22, one near the end of an old
// stroke longer than p 26 (tail under p / 2) or 21 (under p, turning sideways); the turns
// are split; a segment shorter than p loses its codes and is smoothed; a code before the
// start of a strong link becomes 22; in a mark of up to three old strokes a corner reached
// from the left and going on down becomes a fold unless a later stroke of the mark starts
// to the left of or below it; a corner (not at point 0) left in any other way than
// steeply down, or level to the right after coming steeply down, becomes 22. A stroke
// start in no mark is not examined for folds. Marker posting is off. Returns 1.
int ShapeLinkedStrokes(CStrokeWork& path, const CStrokeWork& reference);
