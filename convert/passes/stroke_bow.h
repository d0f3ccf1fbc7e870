// The stroke bow: long, mostly level strokes drawn left to right bend into a shallow arch,
// as a fast brush writes them.
#pragma once

class CStrokeWork;

// For every stroke start (flag 1) in a shown overlay mark whose segment runs to the right,
// less than 1 in 2 steep, has no corner (flag 3) before its last point and is longer than
// six tenths of the mark's width: the points rise to a tenth of the chord above their line
// at a third of the way, sink to a twentieth below it at five sixths and come back to it at
// the end. Strokes in no mark are left alone; flags do not change. Returns 1.
int BowHorizontalStrokes(CStrokeWork& path);
