// Shortening of stroke ends for a lighter touch: the first and last points of every
// stroke are drawn together onto the point inside them.
#pragma once

class CStrokeWork;

// Resamples path at spacing 1 (ends added unless a stroke walked past 5 points, end
// distance 2), then in every stroke (a point with flag 1 to the point before the next)
// of L points moves its first m points onto point first + m and its last m onto point
// last - m; m becomes L / 4 when L - 2m is less than L / 2. Nothing moves for m <= 0.
void ShortenStrokeEnds(CStrokeWork& path, int m);
