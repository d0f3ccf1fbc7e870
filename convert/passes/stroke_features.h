// The per-stroke feature pass of every conversion: the corners of each stroke, one record
// per stroke, and the classification that fills the stroke feature table for the linking.
#pragma once

class CStrokeWork;

// Empties record list `list` (0 or 1) of gStrokeFeatureLists and gStrokeFeatureTable,
// flags the corners of path afresh (old corner flags 3 become 0 first), cuts path into
// one record per stroke and, with classify set, classifies them. The overlay marks must
// be those of path. With list 1 the marker list's spare field takes its count. Returns 1.
int AnalyseStrokeFeatures(CStrokeWork& path, int list, int classify);
