// The link decision: a stroke whose start lies close enough to the end of the stroke
// before it, for the kind of link its start was given, is written in one movement with
// it: its start flag is cleared and the two become one stroke of the work path.
#pragma once

class CStrokeWork;

// Nothing when parameters 0 and 1 are both 0. Else, with the reach r = parameter 2 (at
// least 2) and the size s of the overlay mark that holds the end (a quarter of its
// rectangle's larger side; 0 for an end in no mark), a start is linked:
// - strong (flag 50): with parameter 2 above 12, a gap shorter than 8r and than
//   s x parameter 2 / 5; the reference copy's flag there becomes 4;
// - weak (53, 54): with parameter 2 above 12, a gap shorter than 2r and, below parameter
//   2 of 31, than s x parameter 2 / 5; never for an end in no mark;
// - corners (3) and kept points (62, 63): never;
// - any other start: a gap shorter than 2r, or than 2r / 3 when it runs up and left.
// Marker posting is off afterwards. Returns 1.
int DecideLinks(CStrokeWork& path, CStrokeWork& reference);
