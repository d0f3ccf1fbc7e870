// A step both forms of the main linking share: a segment too short to carry codes loses
// them and is smoothed into one movement.
#pragma once

class CStrokeWork;

// Every segment (from a flag 1 to the point before the next flag 1, 2, 4 or 255) that
// holds codes and whose length from its first to its next-to-last point is below the
// length scale (parameter 3): the flags between its first and last point become 0 and its
// inner points are smoothed in 10 midpoint passes.
void ClearShortSegmentCodes(CStrokeWork& path);
