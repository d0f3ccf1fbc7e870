// The morph interpolation of the per-point weights (the half-widths either side of a
// stroke) of two extended paths, and the sampling of a source path's weights for a
// point of the target path.
#pragma once

class CStrokeIndex;
class CStrokePath;
class CStrokePathEx;

struct WeightPair {
  double x = 0;  // weight array 1
  double y = 0;  // weight array 2
};

// The weights of source for point i of target: the target stroke holding i (with whole,
// the whole target path) maps onto the source stroke of the same number (with whole, the
// source from its first stroke on). While the division table is active the source
// strokes are counted from the current division's first stroke of A (side 1) or B, and
// the whole mapping ends at the next division. A point that maps onto no source point
// gets zero weights.
WeightPair SampleStrokeWeights(const CStrokePath& target, const CStrokePathEx& source, int i,
                               const CStrokeIndex& sourceIndex, const CStrokeIndex& targetIndex, bool whole, int side);

// The mean weights of source over the stretch that target point i maps onto, when target
// points [targetStart, targetStart + targetLength) map evenly onto source points
// [start, start + length): from half-way to the previous point's place to half-way to
// the next one's, at least one point wide.
WeightPair AverageWeightWindow(const CStrokePath& target, const CStrokePathEx& source, int i, int start, int length,
                               int targetStart, int targetLength);
