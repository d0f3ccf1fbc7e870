#include "export/swf/swf_morph_styles.h"

#include "export/swf/swf_output_buffer.h"

void SwfMorphSolidFillStyle::Write(SwfOutputBuffer& out) const {
  out.WriteU8(0x00);
  m_start.Write(out);
  m_end.Write(out);
}

SwfMorphGradientFillStyle::SwfMorphGradientFillStyle(bool linear, const SwfMatrix& start,
                                                     const SwfMatrix& end,
                                                     std::vector<SwfMorphGradientRecord> records)
    : m_bLinear(linear), m_start(start), m_end(end), m_records(std::move(records)) {
  for (SwfMorphGradientRecord& r : m_records) {
    r.startColour.hasAlpha = true;
    r.endColour.hasAlpha = true;
  }
}

void SwfMorphGradientFillStyle::Write(SwfOutputBuffer& out) const {
  out.WriteU8(m_bLinear ? 0x10 : 0x12);
  m_start.Write(out);
  m_end.Write(out);
  if (m_records.empty() || m_records.size() > kSwfMaxGradientRecords) {
    out.Fail("a morph gradient of " + std::to_string(m_records.size()) + " records (1 to 8 fit)");
  }
  out.WriteU8(static_cast<uint32_t>(m_records.size() & 0xFF));
  for (const SwfMorphGradientRecord& r : m_records) {
    out.WriteU8(static_cast<uint32_t>(r.startRatio));
    r.startColour.Write(out);
    out.WriteU8(static_cast<uint32_t>(r.endRatio));
    r.endColour.Write(out);
  }
}

void SwfMorphBitmapFillStyle::Write(SwfOutputBuffer& out) const {
  out.WriteU8(m_bRepeat ? 0x40 : 0x41);
  out.WriteU16(static_cast<uint32_t>(m_nBitmapId));
  m_start.Write(out);
  m_end.Write(out);
}

void SwfMorphLineStyle::Write(SwfOutputBuffer& out) const {
  out.WriteU16(static_cast<uint32_t>(m_nStartWidth));
  out.WriteU16(static_cast<uint32_t>(m_nEndWidth));
  m_startColour.Write(out);
  m_endColour.Write(out);
}
