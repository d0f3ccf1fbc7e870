#include "export/swf/swf_font_tags.h"

#include <algorithm>

#include "export/swf/swf_output_buffer.h"

namespace {

constexpr int kGlyphFillBits = 1;
constexpr int kGlyphLineBits = 0;
constexpr uint64_t kMaxU16 = 0xFFFF;
constexpr size_t kMaxNameBytes = 0xFF;

// The three encoding flags in the order ShiftJIS, SmallText, ANSI; false when the choice is
// none of the three.
bool EncodingFlags(SwfFontEncoding encoding, bool& shiftJis, bool& smallText, bool& ansi) {
  shiftJis = encoding == SwfFontEncoding::kShiftJis;
  smallText = encoding == SwfFontEncoding::kSmallText;
  ansi = encoding == SwfFontEncoding::kAnsi;
  return shiftJis || smallText || ansi;
}

void WriteName(SwfOutputBuffer& out, const std::string& name) {
  if (name.size() > kMaxNameBytes) out.Fail("a font name of " + std::to_string(name.size()) + " bytes");
  out.WriteU8(static_cast<uint32_t>(name.size() & 0xFF));
  WriteSwfString(out, name, false);
}

// The glyphs one after another; offsets[i] is where glyph i starts.
void WriteGlyphs(SwfOutputBuffer& out, const std::vector<const SwfShape*>& glyphs,
                 std::vector<uint64_t>& offsets) {
  for (const SwfShape* glyph : glyphs) {
    offsets.push_back(out.TotalSize());
    glyph->Write(out);
  }
}

}  // namespace

void SwfTagDefineFont::AddGlyph(std::unique_ptr<SwfShape> glyph) {
  glyph->SetStyleBits(kGlyphFillBits, kGlyphLineBits);
  m_glyphs.push_back(std::move(glyph));
}

void SwfTagDefineFont::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  std::vector<const SwfShape*> shapes;
  for (const auto& g : m_glyphs) shapes.push_back(g.get());
  SwfOutputBuffer glyphs;
  std::vector<uint64_t> offsets;
  WriteGlyphs(glyphs, shapes, offsets);
  const uint64_t table = 2 * uint64_t{m_glyphs.size()};
  for (uint64_t offset : offsets) {
    if (table + offset > kMaxU16) {
      body.Fail("the glyphs pass the 65,535 bytes of DefineFont's offsets");
      break;
    }
    body.WriteU16(static_cast<uint32_t>(table + offset));
  }
  body.AppendBuffer(glyphs);
  WriteRecord(out, Code(), body);
}

void SwfKerningRecord::Write(SwfOutputBuffer& out, bool wideCodes) const {
  if (wideCodes) {
    out.WriteU16(static_cast<uint32_t>(code1));
    out.WriteU16(static_cast<uint32_t>(code2));
  } else {
    out.WriteU8(static_cast<uint32_t>(code1));
    out.WriteU8(static_cast<uint32_t>(code2));
  }
  out.WriteI16(adjustment);
}

void SwfTagDefineFont2::AddGlyph(std::unique_ptr<SwfShape> glyph, int code, int advance,
                                 const SwfRect& bounds) {
  glyph->SetStyleBits(kGlyphFillBits, kGlyphLineBits);
  m_glyphs.push_back({std::move(glyph), code, advance, bounds});
}

void SwfTagDefineFont2::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  std::vector<const SwfShape*> shapes;
  for (const Glyph& g : m_glyphs) shapes.push_back(g.shape.get());
  SwfOutputBuffer glyphs;
  std::vector<uint64_t> offsets;
  WriteGlyphs(glyphs, shapes, offsets);
  // The offsets count from the start of the offset table, which ends with the code-table
  // offset; u16 entries while the code table's offset fits them.
  const uint64_t count = m_glyphs.size();
  const bool wideOffsets = 2 * (count + 1) + glyphs.TotalSize() > kMaxU16;
  const uint64_t entry = wideOffsets ? 4 : 2;
  const uint64_t table = entry * (count + 1);
  bool shiftJis = false;
  bool smallText = false;
  bool ansi = false;
  if (!EncodingFlags(m_encoding, shiftJis, smallText, ansi)) body.Fail("unknown font encoding");
  body.WriteBits(1, 1);  // FontFlagsHasLayout
  body.WriteBits(shiftJis ? 1 : 0, 1);
  body.WriteBits(smallText ? 1 : 0, 1);
  body.WriteBits(ansi ? 1 : 0, 1);
  body.WriteBits(wideOffsets ? 1 : 0, 1);
  body.WriteBits(1, 1);  // FontFlagsWideCodes: the code table holds u16 codes
  body.WriteBits(m_bItalic ? 1 : 0, 1);
  body.WriteBits(m_bBold ? 1 : 0, 1);
  body.WriteU8(0);  // language code
  WriteName(body, m_name);
  body.WriteU16(static_cast<uint32_t>(count));
  auto writeOffset = [&](uint64_t offset) {
    if (offset > 0xFFFFFFFFu) body.Fail("the glyphs of a font pass 4 GiB");
    if (wideOffsets) {
      body.WriteU32(static_cast<uint32_t>(offset));
    } else {
      body.WriteU16(static_cast<uint32_t>(offset));
    }
  };
  for (uint64_t offset : offsets) writeOffset(table + offset);
  writeOffset(table + glyphs.TotalSize());  // CodeTableOffset
  body.AppendBuffer(glyphs);
  for (const Glyph& g : m_glyphs) body.WriteU16(static_cast<uint32_t>(g.code));
  body.WriteI16(m_nAscent);
  body.WriteI16(m_nDescent);
  body.WriteI16(m_nLeading);
  for (const Glyph& g : m_glyphs) body.WriteI16(g.advance);
  for (const Glyph& g : m_glyphs) g.bounds.Write(body);
  body.WriteU16(static_cast<uint32_t>(m_kerning.size()));
  for (const SwfKerningRecord& k : m_kerning) k.Write(body, true);
  WriteRecord(out, Code(), body);
}

bool SwfTagDefineFontInfo::WideCodes() const {
  return std::any_of(m_codes.begin(), m_codes.end(), [](uint16_t c) { return c > 0xFF; });
}

void SwfTagDefineFontInfo::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU16(static_cast<uint32_t>(m_nFontId));
  WriteName(body, m_name);
  bool shiftJis = false;
  bool smallText = false;
  bool ansi = false;
  if (!EncodingFlags(m_encoding, shiftJis, smallText, ansi)) body.Fail("unknown font encoding");
  const bool wide = WideCodes();
  body.WriteBits(0, 2);
  body.WriteBits(smallText ? 1 : 0, 1);
  body.WriteBits(shiftJis ? 1 : 0, 1);
  body.WriteBits(ansi ? 1 : 0, 1);
  body.WriteBits(m_bItalic ? 1 : 0, 1);
  body.WriteBits(m_bBold ? 1 : 0, 1);
  body.WriteBits(wide ? 1 : 0, 1);
  for (uint16_t code : m_codes) {
    if (wide) {
      body.WriteU16(code);
    } else {
      body.WriteU8(code);
    }
  }
  WriteRecord(out, Code(), body);
}
