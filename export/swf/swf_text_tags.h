// The static text tags of the SWF writer: DefineText (RGB colours) and DefineText2 (RGBA)
// with their style records and glyph runs.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "export/swf/swf_tag.h"
#include "export/swf/swf_value_records.h"

// What the records of one text are written with.
struct SwfTextFormat {
  int glyphBits = 0;
  int advanceBits = 0;
  bool alpha = false;  // colours as RGBA (DefineText2)
};

class SwfTextRecordBase {
 public:
  virtual ~SwfTextRecordBase() = default;
  virtual void Write(SwfOutputBuffer& out, const SwfTextFormat& format) const = 0;
  // The widths this record's glyph indexes and advances need (0 without glyphs).
  virtual int GlyphBits() const { return 0; }
  virtual int AdvanceBits() const { return 0; }
  virtual bool IsGlyphRun() const { return false; }
};

// A style change: the font and its height, the colour and the pen offsets, each optional.
class SwfTextRecord : public SwfTextRecordBase {
 public:
  SwfTextRecord& Font(int fontId, int height);
  SwfTextRecord& Colour(const SwfColour& colour);
  SwfTextRecord& XOffset(int x);
  SwfTextRecord& YOffset(int y);
  void Write(SwfOutputBuffer& out, const SwfTextFormat& format) const override;

 private:
  std::optional<int> m_fontId;
  int m_nHeight = 0;
  std::optional<SwfColour> m_colour;
  std::optional<int> m_x;
  std::optional<int> m_y;
};

// A run of glyphs, each an index into the font and an advance in twips. A record holds 127
// glyphs at most: longer runs are written as several.
class SwfTextRecordB : public SwfTextRecordBase {
 public:
  static constexpr size_t kMaxRunGlyphs = 127;

  void AddGlyph(int index, int advance) { m_glyphs.push_back({index, advance}); }
  size_t GlyphCount() const { return m_glyphs.size(); }
  // Writes the run from first (at most kMaxRunGlyphs glyphs).
  void WriteRun(SwfOutputBuffer& out, const SwfTextFormat& format, size_t first) const;
  void Write(SwfOutputBuffer& out, const SwfTextFormat& format) const override;
  int GlyphBits() const override;
  int AdvanceBits() const override;
  bool IsGlyphRun() const override { return true; }

 private:
  struct Glyph {
    int index;
    int advance;
  };
  std::vector<Glyph> m_glyphs;
};

using SwfTextRecordList = std::vector<std::unique_ptr<SwfTextRecordBase>>;

class SwfTagDefineText : public SwfCharacterTag {
 public:
  SwfTagDefineText(const SwfRect& bounds, const SwfMatrix& matrix)
      : SwfTagDefineText(bounds, matrix, 11) {}
  void AddRecord(std::unique_ptr<SwfTextRecordBase> record) { m_records.push_back(std::move(record)); }
  // Records are written as style/glyph pairs, the layout every reader takes: a glyph run
  // without a style before it gets an empty style, a style without glyphs an empty run.
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return m_nCode; }

 protected:
  SwfTagDefineText(const SwfRect& bounds, const SwfMatrix& matrix, int code)
      : m_nCode(code), m_bounds(bounds), m_matrix(matrix) {}

 private:
  int m_nCode;
  SwfRect m_bounds;
  SwfMatrix m_matrix;
  SwfTextRecordList m_records;
};

class SwfTagDefineText2 : public SwfTagDefineText {
 public:
  SwfTagDefineText2(const SwfRect& bounds, const SwfMatrix& matrix)
      : SwfTagDefineText(bounds, matrix, 33) {}
};
