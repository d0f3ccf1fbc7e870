// The link points: a run of connecting points across each gap from a stroke's end to the
// next stroke's start, so that the work-path smoothing bends the strokes into each other
// as one movement would; the start gets the link kind its features ask for.
#pragma once

class CStrokeWork;

// For every gap (StartsLinkGap) of non-zero length: the next start gets the flag of its
// link kind (ClassifyLink), and points flagged 255, copies of the end with their work
// bytes and records, go on the straight line towards the start, from a first distance
// set by the end level, every spacing / 4 / (score + 1) pixels, the steps growing past
// the gap's middle as the start level says. A spacing below 1 inserts no point. Each gap
// takes at most what leaves room for the rest of the path, so no point of the path is
// lost. Sets the path's link-points flag; marker posting is off afterwards when a gap was
// found. Returns 1.
int InsertLinkPoints(CStrokeWork& path, int spacing);
