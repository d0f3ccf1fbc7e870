#include "export/swf/swf_text_tags.h"

#include <algorithm>

#include "export/swf/swf_bits.h"
#include "export/swf/swf_output_buffer.h"

namespace {

constexpr int kDefineText2Code = 33;
constexpr int kMaxFieldBits = 32;
constexpr uint32_t kStyleRecordType = 0x80;

}  // namespace

SwfTextRecord& SwfTextRecord::Font(int fontId, int height) {
  m_fontId = fontId;
  m_nHeight = height;
  return *this;
}

SwfTextRecord& SwfTextRecord::Colour(const SwfColour& colour) {
  m_colour = colour;
  return *this;
}

SwfTextRecord& SwfTextRecord::XOffset(int x) {
  m_x = x;
  return *this;
}

SwfTextRecord& SwfTextRecord::YOffset(int y) {
  m_y = y;
  return *this;
}

void SwfTextRecord::Write(SwfOutputBuffer& out, const SwfTextFormat& format) const {
  out.FlushBits();
  out.WriteBits(1, 1);  // TextRecordType: style
  out.WriteBits(0, 3);
  out.WriteBits(m_fontId ? 1 : 0, 1);
  out.WriteBits(m_colour ? 1 : 0, 1);
  out.WriteBits(m_y ? 1 : 0, 1);
  out.WriteBits(m_x ? 1 : 0, 1);
  if (m_fontId) out.WriteU16(static_cast<uint32_t>(*m_fontId));
  if (m_colour) m_colour->WithAlpha(format.alpha).Write(out);
  if (m_x) out.WriteI16(*m_x);
  if (m_y) out.WriteI16(*m_y);
  if (m_fontId) out.WriteU16(static_cast<uint32_t>(m_nHeight));
}

int SwfTextRecordB::GlyphBits() const {
  int bits = 0;
  for (const Glyph& g : m_glyphs) bits = std::max(bits, BitsForValue(Magnitude(g.index), 1));
  return bits;
}

int SwfTextRecordB::AdvanceBits() const {
  int bits = 0;
  for (const Glyph& g : m_glyphs) bits = std::max(bits, BitsForValue(Magnitude(g.advance), 1));
  return bits;
}

void SwfTextRecordB::WriteRun(SwfOutputBuffer& out, const SwfTextFormat& format, size_t first) const {
  const size_t count = std::min(kMaxRunGlyphs, m_glyphs.size() - std::min(first, m_glyphs.size()));
  out.FlushBits();
  out.WriteBits(0, 1);  // TextRecordType: glyphs
  out.WriteBits(static_cast<uint32_t>(count), 7);
  for (size_t i = first; i < first + count; ++i) {
    if (m_glyphs[i].index < 0) out.Fail("a negative glyph index");
    out.WriteBits(static_cast<uint32_t>(m_glyphs[i].index), format.glyphBits);
    out.WriteSignedBits(m_glyphs[i].advance, format.advanceBits);
  }
  out.FlushBits();
}

void SwfTextRecordB::Write(SwfOutputBuffer& out, const SwfTextFormat& format) const {
  for (size_t first = 0; first < m_glyphs.size(); first += kMaxRunGlyphs) {
    if (first > 0) out.WriteU8(kStyleRecordType);  // an empty style between the runs
    WriteRun(out, format, first);
  }
  if (m_glyphs.empty()) WriteRun(out, format, 0);
}

void SwfTagDefineText::Write(SwfOutputBuffer& out) const {
  SwfTextFormat format;
  format.alpha = m_nCode == kDefineText2Code;
  for (const auto& record : m_records) {
    format.glyphBits = std::max(format.glyphBits, record->GlyphBits());
    format.advanceBits = std::max(format.advanceBits, record->AdvanceBits());
  }
  SwfOutputBuffer body;
  WriteId(body);
  m_bounds.Write(body);
  m_matrix.Write(body);
  if (format.glyphBits > kMaxFieldBits || format.advanceBits > kMaxFieldBits) {
    body.Fail("glyph indexes or advances wider than 32 bits");
  }
  body.WriteU8(static_cast<uint32_t>(std::min(format.glyphBits, kMaxFieldBits)));
  body.WriteU8(static_cast<uint32_t>(std::min(format.advanceBits, kMaxFieldBits)));
  bool styleOpen = false;  // a style written and no glyph run after it yet
  for (const auto& record : m_records) {
    if (record->IsGlyphRun()) {
      if (!styleOpen) body.WriteU8(kStyleRecordType);
      styleOpen = false;
    } else if (styleOpen) {
      SwfTextRecordB().Write(body, format);
    } else {
      styleOpen = true;
    }
    record->Write(body, format);
  }
  if (styleOpen) SwfTextRecordB().Write(body, format);
  body.FlushBits();
  body.WriteU8(0);  // EndOfRecordsFlag
  WriteRecord(out, Code(), body);
}
