// Cleaning of measured stroke weights: weights held within bounds or scaled, and the
// longer of two crossing normals cut back to its neighbours.
#pragma once

class CStrokePathEx;

// Every weight of a path with weights, when lo is not -2: below lo (lo >= 0) becomes lo,
// at or above hi (hi >= 0) becomes hi; a stroke end so held drops the guide marks of its
// stroke's two ends, so that their side points are made again from the held weights.
// With lo = -2 a weight at or above hi, or below 0, becomes 1. Returns 1.
int ClampWeights(CStrokePathEx& path, float lo, float hi);

// 0 for 100 percent, which changes nothing. Otherwise the weights are scaled by percent /
// 100 and the side points made again from them, the centre line left as it is: 1.
int ScaleWeights(CStrokePathEx& path, int percent);

// Caps the weights of points [a, b) on one side (0 the first, else the second): a run that
// starts a stroke by the weight after it (0 and nothing done when the run reaches the
// stroke's end); a run that ends the stroke by the weight before it; any other run by the
// straight line from the weight before it to the weight after it. Returns 1; 0, with
// nothing changed, for a run that is a whole stroke, lies outside the path or finds no
// weights.
int CapWeightRange(CStrokePathEx& path, int a, int b, int side);

// Where a side's normal (the segment from a point to its side point) crosses another
// normal and the two differ in squared length by 2 or more, the longer one is marked; every
// run of marked points of a side has its weights capped (CapWeightRange).
void CleanCrossingNormals(CStrokePathEx& path);
