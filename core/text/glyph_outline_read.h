// Font characters read as point paths: each closed contour of the glyph becomes one
// stroke (flag 1 at its start), on-curve points ordinary points and quadratic control
// points marked to be skipped (attribute 3), y turned downwards from the font's height.
#pragma once

#include "core/record/log_font.h"

class CStrokePath;

// Results of ReadGlyphOutline below 0: why no outline was read. The path is then as it
// was.
enum GlyphReadResult : int {
  kGlyphNotInFont = -1,       // the face has no glyph for the character, or the code is none
  kGlyphFaceUnreadable = -2,  // no face could be read from the font's file
  kGlyphRefused = -3,         // the face refused the glyph: its outline data is damaged
  kGlyphOutOfRange = -4,      // a point lies beyond kGlyphRangeEms em from the origin
  kGlyphPathFull = -5,        // the path has no room for the whole glyph
  kGlyphNoEntry = -6,         // the text block has no such entry
};

// Outlines reach at most this many em from their origin; a face that says otherwise is
// damaged or hostile, and its points would overflow the integer paths of the painters.
constexpr int kGlyphRangeEms = 16;

// Appends the contours of the glyph of code (code page 932: a single byte, or lead x 256
// + trail of a double-byte character) in font at the font's height h taken as a
// character height (the em is h pixels), each point (x, h - y). A glyph without contours (a space)
// appends nothing. Returns the size of the outline data in the platform's record form
// (0 for none), or a GlyphReadResult. A fault of the face is told to the user once.
int ReadGlyphOutline(CStrokePath& path, int code, const CLogFont& font);

// Whether the digit one (code 49) of font is one contour: 1 or 0; a GlyphReadResult when
// it cannot be read.
int HasSingleContourOutline(const CLogFont& font);

// The value the font face cache keeps for a face: 1 when the outline of the digit one is
// one contour that runs as a hole does (the face's contours run the other way round from
// TrueType's and are turned round when read), else 0; -1 when the face cannot be read, so
// that nothing is cached. Installed as the cache's value function at start.
int GlyphFaceTurnValue(const CLogFont& font);
