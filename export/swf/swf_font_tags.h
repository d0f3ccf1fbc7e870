// The font tags of the SWF writer: DefineFont (glyph shapes only), DefineFont2 (glyphs
// with codes, layout and kerning) and DefineFontInfo (the name and codes of a DefineFont).
// Glyphs are SwfShape record lists drawn with fill style 1 and no line style.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "export/swf/swf_shape.h"
#include "export/swf/swf_tag.h"

// Encodings of the font tags' code tables.
enum class SwfFontEncoding { kShiftJis = 1, kSmallText = 2, kAnsi = 3 };

class SwfTagDefineFont : public SwfCharacterTag {
 public:
  // Takes the glyph and gives it NumFillBits 1 and NumLineBits 0.
  void AddGlyph(std::unique_ptr<SwfShape> glyph);
  // The u16 offset table and the glyphs; fonts whose glyphs run past the u16 offsets fail
  // (DefineFont2 takes them).
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 10; }

 private:
  std::vector<std::unique_ptr<SwfShape>> m_glyphs;
};

struct SwfKerningRecord {
  int code1 = 0;
  int code2 = 0;
  int adjustment = 0;

  void Write(SwfOutputBuffer& out, bool wideCodes) const;
};

class SwfTagDefineFont2 : public SwfCharacterTag {
 public:
  SwfTagDefineFont2(std::string name, SwfFontEncoding encoding, bool italic, bool bold,
                    int ascent = 0, int descent = 0, int leading = 0)
      : m_name(std::move(name)),
        m_encoding(encoding),
        m_bItalic(italic),
        m_bBold(bold),
        m_nAscent(ascent),
        m_nDescent(descent),
        m_nLeading(leading) {}

  // Takes the glyph (NumFillBits 1, NumLineBits 0) with its u16 code, advance and bounds.
  void AddGlyph(std::unique_ptr<SwfShape> glyph, int code, int advance, const SwfRect& bounds);
  void AddKerning(const SwfKerningRecord& record) { m_kerning.push_back(record); }

  // Offsets become u32 (FontFlagsWideOffsets) once the glyphs pass the u16 range; codes are
  // always u16 (FontFlagsWideCodes).
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 48; }

 private:
  struct Glyph {
    std::unique_ptr<SwfShape> shape;
    int code;
    int advance;
    SwfRect bounds;
  };

  std::string m_name;
  SwfFontEncoding m_encoding;
  bool m_bItalic;
  bool m_bBold;
  int m_nAscent;
  int m_nDescent;
  int m_nLeading;
  std::vector<Glyph> m_glyphs;
  std::vector<SwfKerningRecord> m_kerning;
};

class SwfTagDefineFontInfo : public SwfTag {
 public:
  // codes: one per glyph of the font, in glyph order.
  SwfTagDefineFontInfo(int fontId, std::string name, SwfFontEncoding encoding, bool italic,
                       bool bold, std::vector<uint16_t> codes)
      : m_nFontId(fontId),
        m_name(std::move(name)),
        m_encoding(encoding),
        m_bItalic(italic),
        m_bBold(bold),
        m_codes(std::move(codes)) {}

  // Wide (u16) codes when a code exceeds 255, else u8; FontFlagsWideCodes says which.
  bool WideCodes() const;
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 13; }

 private:
  int m_nFontId;
  std::string m_name;
  SwfFontEncoding m_encoding;
  bool m_bItalic;
  bool m_bBold;
  std::vector<uint16_t> m_codes;
};
