// Centre-line strokes of a glyph cut back to its outline: a stroke end that pokes out
// through a near outline edge is cut where it crosses the edge, and the two points of that
// edge become the cut point's side points.
#pragma once

class CStrokePath;
class CStrokePathEx;

// An end is cut only by an edge that the stroke crosses within this distance of the end
// (the square root of 512, about 22.6 pixels).
constexpr float kClipReach2 = 512.0f;

// For every stroke end of centre, the walk into the stroke (forwards from a start, up to
// the point before the stroke's last; backwards from an end, down to its first) takes the
// segment from the end to each point j nearer than kClipReach and stops at the first
// outline edge it crosses: the point before j becomes the stroke's new end, at the
// crossing. The cut point's side points are the edge's two points, the first on the left
// of the stroke's way; every other point keeps its side points and weights, and the side
// points of the whole path are first set to (-1, -1). A stroke whose two cuts would meet
// or pass each other is left whole. Returns the number of ends cut.
int ClipStrokeEndsToOutline(CStrokePathEx& centre, const CStrokePath& outline);
