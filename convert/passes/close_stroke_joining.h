// Joining strokes by distance alone: every stroke whose start lies close to the point
// before it continues that stroke. No command runs it; the link decision does this job
// by link kind in the conversion.
#pragma once

class CStrokePath;

// Clears the flag of every point with a non-zero flag that lies nearer than distance to
// the point before it. Returns 1.
int JoinCloseStrokes(CStrokePath& path, int distance);
