// Stroke widths measured against outlines: every point of a centre line finds its two
// side points on the contours of a filled character, and from them its two weights (the
// half-widths of the stroke on either side).
#pragma once

class CStrokePath;
class CStrokePathEx;
class CStrokeWork;

// The stroke ends whose side points FindSidePointsOnOutline took from a guide segment
// since MeasureStrokeWidths last cleared the count.
extern int gOutlineGuideHits;

// path becomes src resampled at a spacing of 3 (a stroke's last point kept, the point
// before it dropped where the last segment is not longer than 2); the contours of guide
// are appended to outline (a path of the default capacity, made and released here, when
// none is given), and path's side points and weights are fitted to them
// (FitSidesToOutline with limit d). Returns 1.
int MeasureStrokeWidths(CStrokePathEx& path, const CStrokePath& src, CStrokeWork& guide, int d, CStrokePath* outline);

// For every point the side points are found on outline (FindSidePointsOnOutline, starting
// on the point itself). With |d| at least 16 a side point farther than d from its point,
// or one jumping out to more than twice the distance of the point before (unless the
// point starts its stroke, or that distance was at most 2 away from the stroke's last four
// points), falls back onto the point. Then the outlines are built, the weights taken from
// the side points, crossing normals cleaned, weights held below d when d > 0, and the side
// points not taken from the guide recomputed from the weights. Returns the outline's
// count (UpdateSidePoints).
int FitSidesToOutline(CStrokePathEx& path, const CStrokePath& outline, const CStrokeWork* guide, int d);

// The side points of point i on outline, each kept where it is unless found:
// - at a stroke end (its first or last point), with a guide: the first guide segment
//   (points of attribute 3 left out) shorter than 48 of whose ends both lie within 48 of
//   the point, with an interior angle at the point above 140 degrees (the point lies
//   nearly on it), gives its two ends as the side points, each on its hand; the point
//   moves onto the segment's middle when that lies within 4. The guide mark of i is set
//   and gOutlineGuideHits counts it.
// - at a stroke end touching the outline (a point of it within 2), both side points lie
//   on the point;
// - otherwise the normal line of the point (as the side-point geometry makes it) meets
//   the outline's segments, and the nearest crossing on each hand of the writing
//   direction is that side's point. A point without any direction (all its neighbours on
//   it) has no normal and finds nothing.
// Returns 1.
int FindSidePointsOnOutline(CStrokePathEx& path, const CStrokePath& outline, int i, const CStrokeWork* guide);
