// Midpoint smoothing of a run of path points, regardless of stroke boundaries.
#pragma once

class CStrokePath;

// passes times, for i from `from` while i < to - 1: point i + 1 becomes the midpoint of
// points i and i + 2, the already moved point i taken. Points from and to stay. The range
// is held inside the path.
void SmoothPathMidpoints(CStrokePath& path, int passes, int from, int to);
