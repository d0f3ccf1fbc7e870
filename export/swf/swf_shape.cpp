#include "export/swf/swf_shape.h"

#include "export/swf/swf_bits.h"
#include "export/swf/swf_output_buffer.h"

void SwfShapeRecordList::SetStyleBits(int fillBits, int lineBits) {
  m_nStartFillBits = m_nFillBits = fillBits;
  m_nStartLineBits = m_nLineBits = lineBits;
  for (const auto& record : m_records) GiveStyleBits(*record);
}

void SwfShapeRecordList::GiveStyleBits(SwfShapeRecord& record) {
  record.SetNumFillBits(m_nFillBits);
  record.SetNumLineBits(m_nLineBits);
  if (record.NewStyleBits(m_nFillBits, m_nLineBits)) m_bNewStyles = true;
}

void SwfShapeRecordList::AddRecord(std::unique_ptr<SwfShapeRecord> record) {
  GiveStyleBits(*record);
  m_records.push_back(std::move(record));
}

void SwfShapeRecordList::Write(SwfOutputBuffer& out) const {
  if (m_nStartFillBits > kSwfMaxFourBitCount || m_nStartLineBits > kSwfMaxFourBitCount) {
    out.Fail("too many styles for a shape's 4-bit index widths");
  }
  out.WriteBits(static_cast<uint32_t>(m_nStartFillBits), 4);
  out.WriteBits(static_cast<uint32_t>(m_nStartLineBits), 4);
  for (const auto& record : m_records) record->Write(out);
  if (m_records.empty() || !m_records.back()->IsEnd()) SwfEndShapeRecord().Write(out);
  out.FlushBits();
}

SwfShapeWithStyle::SwfShapeWithStyle(SwfFillStyleArray fills, SwfLineStyleArray lines)
    : m_fills(std::move(fills)), m_lines(std::move(lines)) {
  SetStyleBits(BitsForValue(static_cast<uint32_t>(m_fills.Count()), 0),
               BitsForValue(static_cast<uint32_t>(m_lines.Count()), 0));
}

void SwfShapeWithStyle::Write(SwfOutputBuffer& out, bool extendedFillCount) const {
  m_fills.Write(out, extendedFillCount);
  m_lines.Write(out);
  SwfShapeRecordList::Write(out);
}
