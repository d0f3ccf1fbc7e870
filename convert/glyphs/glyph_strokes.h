// Glyph paths readied for the brush passes: contours turned round, the side outline of
// centre-line glyph strokes cleaned for smoothing, and the lines of a glyph path drawn.
#pragma once

#include "core/record/param_block.h"

class CStrokePath;
class CStrokePathEx;
namespace tmb {
class DeviceContext;
}

// How many glyph paths PrepareGlyphStrokes has readied.
extern int gPreparedGlyphs;

// Turns round every stroke from point first on: its points run the other way, its first
// point gets flag 1 and the others 0. Points, attribute bytes and records travel
// together (a read glyph holds nothing else per point).
void ReverseStrokes(CStrokePath& path, int first = 0);

// Readies the centre-line glyph path for the brush passes with the brush parameters of a
// character: its side points and their outline (in the path's output path) are made again
// with end smoothing (parameters 0 and 260); the outline is resampled at unit spacing;
// when parameters 220 and 201 are both set, the outline is smoothed in parameter 201
// passes round the points where it turns back at stroke ends; its kinks are removed, and
// with findNear its one-pixel steps. Returns 1.
int PrepareGlyphStrokes(CStrokePathEx& path, const ParamBlock& params, bool findNear);

// The lines of path's strokes, each closed, in blue-green (0xFFC000).
void DrawPathOutline(tmb::DeviceContext* dc, const CStrokePath& path);
