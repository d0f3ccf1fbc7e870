// The closing shape transform of a conversion: the converted character moved, scaled and
// rotated as parameters 80 to 89 ask, as a whole or stroke by stroke about the centre of
// the character cell that holds each stroke's first point.
#pragma once

class CStrokeWork;

// Lays the path's cell grid out for the canvas from parameters 32 to 35, then moves
// (80: by 82 and 83 pixels, or percent of the bounds with 81), scales (84: 1 about the
// character's centre, 2 about each stroke's cell centre; 85 by the cosines of 86 and 87
// degrees, else by 86 and 87 percent) and rotates (88 as 84, by 89 degrees) its points.
void ApplyShapeTransform(CStrokeWork& path);
