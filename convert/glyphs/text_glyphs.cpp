#include "convert/glyphs/text_glyphs.h"

#include <algorithm>

#include "convert/analysis/side_points.h"
#include "convert/glyphs/glyph_strokes.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path_ex.h"
#include "core/path/stroke_work.h"
#include "core/store/font_sub_table.h"
#include "core/text/glyph_outline_read.h"
#include "core/text/text_settings.h"

namespace {

constexpr int kHiddenSize = 100;
constexpr int kPercent = 100;
// A glyph whose bounds start left of or above this is moved to start at kGlyphMargin.
constexpr int kGlyphEdge = 4;
constexpr int kGlyphMargin = 16;
constexpr tmb::Colour kGlyphColour = 0x000000;
// Painter modes: collect only, draw the contours' lines, fill by hole flags (with or
// without ordering them first).
constexpr int kPaintCollect = 0;
constexpr int kPaintLines = 1;
constexpr int kPaintOrderedFill = 3;
constexpr int kPaintFill = 4;

// The entry at the block's current index, or null outside the entries.
const CTextCharEntry* CurrentEntry(const CTextSettings& settings) {
  const int i = settings.m_nCurEntry;
  return i >= 0 && i < kTextEntryCount ? &settings.m_entries[size_t(i)] : nullptr;
}

void MoveRange(CStrokePath& path, int first, CFPoint by) {
  for (int i = first; i < path.GetCount(); ++i) path.m_pPoints[i] = path.m_pPoints[i] + by;
}

}  // namespace

int GlyphSizeOf(const CTextSettings& settings) {
  return settings.m_nGlyphSize > 0 ? settings.m_nGlyphSize : kGlyphReadHeight;
}

int ReadEntryGlyph(CStrokePath& path, const CTextCharEntry& entry) {
  if (entry.m_bHidden != 0) return 0;
  // A copy: the entry's own font height is saved with the file.
  CLogFont font = entry.m_font;
  font.height = kGlyphReadHeight;
  const int turn = gFontSubTable.GetValue(font);
  const int first = path.GetCount();
  const int read = ReadGlyphOutline(path, CTextSettings::CharCode(entry.Char()), font);
  if (read > 0 && turn != 0) ReverseStrokes(path, first);
  return read;
}

int BuildTextGlyph(tmb::DeviceContext* dc, const CTextSettings& settings, CStrokeWork& path, bool draw,
                   tmb::Point* shift) {
  if (shift) *shift = {0, 0};
  const CTextCharEntry* entry = CurrentEntry(settings);
  if (!entry) return kGlyphNoEntry;
  path.SetCount(0);
  path.EnsureAuxBuffer(0);
  const int read = ReadEntryGlyph(path, *entry);
  if (read < 0) return read;
  path.CollectStrokeOutlines(0);
  path.Scale(float(GlyphSizeOf(settings)) / kGlyphReadHeight);
  if (!draw) return read;
  if (shift && path.GetCount() > 0) {
    tmb::Rect bounds;
    path.GetIntBoundingRect(bounds);
    const tmb::Point move{bounds.left < kGlyphEdge ? kGlyphMargin - bounds.left : 0,
                          bounds.top < kGlyphEdge ? kGlyphMargin - bounds.top : 0};
    path.Translate(float(move.x), float(move.y));
    *shift = move;
  }
  path.FillOutlines(dc, kGlyphColour, kPaintFill, 1, nullptr, 1.0f, 0);
  return read;
}

int DrawTextGlyphs(CStrokeWork& path, tmb::DeviceContext* dc, tmb::Colour colour, const CTextSettings& settings,
                   int fillKind, float scale, int first, int last) {
  const int used = settings.UsedEntries();
  if (first < 0) {
    first = 0;
    last = used;
  }
  first = std::clamp(first, 0, used);
  last = std::clamp(last, first, used);
  const float cell = float(settings.m_nCellSize);
  int drawn = 0;
  for (int i = first; i < last; ++i) {
    const CTextCharEntry& entry = settings.m_entries[size_t(i)];
    const int start = path.GetCount();
    const int read = ReadEntryGlyph(path, entry);
    if (read == kGlyphPathFull) break;
    if (read < 0) continue;
    const float factor = float(entry.m_nScale) * cell / float(kGlyphReadHeight * kPercent);
    path.ScaleRange(factor, factor, start, path.GetCount());
    MoveRange(path, start, {float(entry.m_nColumn - 1) * cell / 2, float(entry.m_nRow - 1) * cell});
    ++drawn;
  }
  const int mode = fillKind == -1 ? kPaintCollect : fillKind != 0 ? kPaintOrderedFill : kPaintLines;
  path.FillOutlines(dc, colour, mode, 1, nullptr, 1.0f, settings.m_nFillValue != 0 ? 1 : 0);
  if (scale != 1.0f) path.Scale(scale);
  return drawn;
}

CGlyphPlacement GlyphPlacementOf(const CTextSettings& settings, const CTextCharEntry& entry) {
  CGlyphPlacement placement;
  placement.aspect = {1.0f, float(settings.m_nAspect) / kPercent};
  const float cell = float(settings.m_nCellSize);
  const int size = entry.m_bHidden != 0 ? kHiddenSize : GlyphSizeOf(settings);
  placement.factor = float(entry.m_nScale) * cell / float(size * kPercent);
  placement.offset = {float(entry.m_nColumn - 1) * cell / 2 + float(settings.m_nPosX + entry.m_nPosX),
                      float(entry.m_nRow - 1) * cell * placement.aspect.y + float(settings.m_nPosY + entry.m_nPosY)};
  return placement;
}

int PlaceGlyph(const CTextSettings& settings, CStrokePathEx& outline, CStrokePath& centre, const CStrokePathEx& glyph) {
  const CTextCharEntry* entry = CurrentEntry(settings);
  if (!entry) return -1;
  const int n = glyph.GetCount();
  const CStrokeMarks* marks = glyph.m_pStrokeMarks;
  const int markCount = marks ? marks->m_nUsed : 0;
  if (n > centre.GetCapacity() - centre.GetCount() || n > outline.GetCapacity() - outline.GetCount()) return -1;
  if (markCount > 0 && !centre.m_pStrokeMarks && !centre.EnsureAuxBuffer(0)) return -1;
  if (markCount > 0 && markCount > centre.m_pStrokeMarks->m_nSize - centre.m_pStrokeMarks->m_nUsed) return -1;
  if (!outline.AllocWeights()) return -1;
  if (n == 0) return 1;

  const CGlyphPlacement place = GlyphPlacementOf(settings, *entry);
  const float sx = place.factor * place.aspect.x, sy = place.factor * place.aspect.y;
  const int c0 = centre.GetCount();
  centre.AppendRangeFrom(glyph, 0, n, 0);
  centre.ScaleRange(sx, sy, c0, centre.GetCount());
  MoveRange(centre, c0, place.offset);
  centre.m_pFlags[c0] = CStrokePath::kFlagSection;
  if (markCount > 0) centre.m_pStrokeMarks->AppendFrom(*marks);

  const int o0 = outline.GetCount();
  outline.AppendRangeFrom(glyph, 0, n, 0);
  outline.ScaleRange(sx, sy, o0, outline.GetCount());
  MoveRange(outline, o0, place.offset);
  for (int i = o0; i < outline.GetCount(); ++i) {
    const int k = i - o0;
    outline.m_pWeight1[i] = glyph.HasWeights() ? glyph.m_pWeight1[k] * place.factor : 0.0f;
    outline.m_pWeight2[i] = glyph.HasWeights() ? glyph.m_pWeight2[k] * place.factor : 0.0f;
    ComputeSidePoints(outline, i);
  }
  return 1;
}
