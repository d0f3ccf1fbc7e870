// Brush-shape analysis: the centre points of one stroke with their two half-widths become
// the closed outline a slanted brush leaves, about two points per pixel, with the anchors
// the staged smoothing keeps in place (stroke ends, both sides of each turn, sharpened
// corners, short loops).
#pragma once

#include "core/record/param_block.h"

class CPointIndexList;
class CShapeRecordList;
class CStrokePath;
class CStrokePathEx;

// Builds the outline of path (one stroke; its weights are the half-widths) into its output
// path and adds its anchors to anchors. Reads parameters 2 (short segment), 3 (length
// scale), 4 (thinning percent), 111 (loop unit), 290 (corner sharpening) and 362 (turn
// markers, the only markers it may post). shortStroke 1: the stroke was straightened
// (its last point joins the outline and the ends are anchored at the outline points
// nearest to them). Leaves marker posting off; returns 1.
//
// In order: the width at a direction change or turn point (flag 3, 'B', 'C') followed by a
// segment shorter than parameter 2 narrows to 1 - sqrt(parameter 4 / 100) (held within
// 0 and 1) of the first weight; the side points; every run from a point flagged 1, 3, 5,
// 'B' or 'C' moves width from one side to the other by its direction against the diagonal
// (all of it across, none along); each turn point gets anchors on the outer and inner side
// and, with parameter 290, a corner on the outer side (2 also moves the side points before
// it onto the turn and the corner); short loops ('>' to '?' round a turn) are anchored at
// both ends and at every third point; then the outline and DensifyOutline.
int AnalyseStrokeShapes(CStrokePathEx& path, CPointIndexList& anchors, const ParamBlock& params, int shortStroke);

// Rebuilds the closed outline with about two points per pixel: between each point and its
// successor (the first after the last), trunc(2 x length) - 1 evenly spaced samples, those
// rounding to the last point kept left out unless shortStroke. An outline point with
// records gets one anchor per kind, in the kinds' order 4, 8, 3, 1, 2, 11, 12, at its new
// index. The rebuilt outline holds at most the canvas's point capacity; filled up, the
// rebuild stops. Returns 1.
int DensifyOutline(CStrokePath& outline, CPointIndexList& anchors, const CShapeRecordList& records, int shortStroke);
