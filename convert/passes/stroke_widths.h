// The stroke widths, the last pass of the conversion: every point of the converted path
// gets the width of a brush that starts a stroke full, thins along it and ends thin, with
// the ends that corners, turns and joins ask for.
#pragma once

class CStrokeWork;

// Nothing when linking (parameter 2) is 0: returns 0. Else, with the full width wMax =
// parameter 3 / 2 (at least 0) and the thin width wThin = (1 - sqrt(m / 100)) wMax for
// the modulation m (parameter 4, held within 0 to 100): each run (a point with a non-zero
// flag, or point 0, up to the next) starts at wMax, less after a turn code ('C', 'E', 21,
// 22, which become 3) or before a start turn (25 after it, which becomes 3), and ends at
// wThin, or at wMid = 0.2 wMax + 0.8 wThin before a corner, fold or 'B'; its middle lies
// between, nearer the end for a long horizontal stroke, and with parameter 348 the middle
// is the end and the widths run straight. A long horizontal stroke ends sharp when
// ClassifyStrokeEnd says so. Where reference (the driver's copy from before the linking)
// starts a stroke that the path has joined on, the join gets wThin and the point before
// it wMid. Every work byte becomes its width rounded (halves up) and held within 1 to 255.
// Marker posting is off. Returns 1.
int AssignStrokeWidths(CStrokeWork& path, const CStrokeWork& reference);
