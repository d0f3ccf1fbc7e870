// The characters of a text block drawn as font outlines: the glyph of the current entry
// built and filled, the glyphs of a run of entries laid out in their cells and filled,
// and one entry's glyph placed into the layout paths of the brush passes. Glyphs are read
// at a height of 256 (their em); the entries themselves are never changed, since the
// block is saved with its character.
#pragma once

#include "core/geometry/fpoint.h"
#include "platform/gdi/geometry.h"

class CStrokePath;
class CStrokePathEx;
class CStrokeWork;
class CTextSettings;
struct CTextCharEntry;
namespace tmb {
class DeviceContext;
}

constexpr int kGlyphReadHeight = 256;

// The block's glyph size; a size of 0 or less (a damaged or foreign file) counts as 256.
int GlyphSizeOf(const CTextSettings& settings);

// Appends the glyph of entry, read at height 256, to path; its contours are turned round
// when the font face cache says its face runs them the other way (CFontSubTable). A
// hidden entry (a picture place) has no glyph. As ReadGlyphOutline.
int ReadEntryGlyph(CStrokePath& path, const CTextCharEntry& entry);

// The glyph of the block's current entry into path (emptied first), its contours in
// filling order with their hole flags (0 painted, non-zero a hole), scaled by glyph size
// / 256. With draw, it is moved so that it begins at 16 where its bounds start left of or
// above 4 (shift, when given, receives the move) and filled in black into dc. Returns as
// ReadGlyphOutline; kGlyphNoEntry when the current entry lies outside the entries.
int BuildTextGlyph(tmb::DeviceContext* dc, const CTextSettings& settings, CStrokeWork& path, bool draw,
                   tmb::Point* shift);

// Appends the glyphs of entries [first, last) (first -1: all used entries) to path, each
// scaled by its own scale x cell size / (256 x 100) and moved to its cell ((column - 1) x
// cell size / 2, (row - 1) x cell size); fills them into dc in colour, with the block's
// fill value turning the holes round: fillKind -1 only orders them, a non-zero one fills
// them by their hole flags, 0 draws their lines. At the end every point is multiplied by
// scale. Entries whose glyph cannot be read are left out; the glyphs stop before the first
// that does not fit the path. Returns the number of entries drawn.
int DrawTextGlyphs(CStrokeWork& path, tmb::DeviceContext* dc, tmb::Colour colour, const CTextSettings& settings,
                   int fillKind, float scale, int first, int last);

// Where an entry's glyph goes in the text layout: points are multiplied by factor x
// aspect and moved by offset.
struct CGlyphPlacement {
  float factor = 1.0f;  // entry scale x cell size / (size x 100), size 100 for a hidden entry
  CFPoint aspect{1.0f, 1.0f};  // (1, the block's aspect / 100)
  CFPoint offset{0.0f, 0.0f};  // the cell ((column - 1) x cell / 2, (row - 1) x cell x aspect) and the positions
};
CGlyphPlacement GlyphPlacementOf(const CTextSettings& settings, const CTextCharEntry& entry);

// Places the glyph of the block's current entry: the points of glyph (a centre-line path
// with its stroke marks and weights) are appended to centre, placed, the first of them
// flagged 2 (a section break), with their stroke marks; and to outline with their weights
// times the factor, the side points of each new point computed. 1; -1, with nothing
// appended, when a path or centre's stroke marks have no room or the current entry lies
// outside the entries.
int PlaceGlyph(const CTextSettings& settings, CStrokePathEx& outline, CStrokePath& centre, const CStrokePathEx& glyph);
