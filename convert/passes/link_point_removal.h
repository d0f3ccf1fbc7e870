// Taking the link points out again once the work-path smoothing has bent the strokes
// round them.
#pragma once

class CStrokeWork;

// Drops every point flagged 255; the kept points close up in order with all they carry
// (flags, attributes, records, widths, levels, pressures). Clears the path's link-points
// flag. Returns the number of points kept.
int RemoveLinkPoints(CStrokeWork& path);
