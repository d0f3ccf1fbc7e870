#include "export/swf/swf_shape_records.h"

#include "export/swf/swf_bits.h"
#include "export/swf/swf_output_buffer.h"

namespace {

// NumBits of an edge whose largest delta has this magnitude; a zero edge or a delta past
// 17 bits fails out.
int EdgeBits(SwfOutputBuffer& out, uint32_t magnitude) {
  if (magnitude == 0) out.Fail("an edge of zero length");
  return SignedFieldBits(out, magnitude, kSwfMaxEdgeBits);
}

void WriteEdgeHeader(SwfOutputBuffer& out, bool straight, int numBits) {
  out.WriteBits(1, 1);  // TypeFlag: edge
  out.WriteBits(straight ? 1 : 0, 1);
  out.WriteBits(numBits >= 2 ? static_cast<uint32_t>(numBits - 2) : 0, 4);
}

}  // namespace

SwfStyleChangeRecord& SwfStyleChangeRecord::MoveTo(int32_t x, int32_t y) {
  m_moveX = x;
  m_nMoveY = y;
  return *this;
}

SwfStyleChangeRecord& SwfStyleChangeRecord::FillStyle0(int index) {
  m_fill0 = index;
  return *this;
}

SwfStyleChangeRecord& SwfStyleChangeRecord::FillStyle1(int index) {
  m_fill1 = index;
  return *this;
}

SwfStyleChangeRecord& SwfStyleChangeRecord::LineStyle(int index) {
  m_line = index;
  return *this;
}

SwfStyleChangeRecord& SwfStyleChangeRecord::NewStyles(SwfFillStyleArray fills,
                                                      SwfLineStyleArray lines) {
  m_newFills = std::move(fills);
  m_newLines = std::move(lines);
  return *this;
}

bool SwfStyleChangeRecord::NewStyleBits(int& fillBits, int& lineBits) const {
  if (!m_newFills) return false;
  fillBits = BitsForValue(static_cast<uint32_t>(m_newFills->Count()), 0);
  lineBits = BitsForValue(static_cast<uint32_t>(m_newLines->Count()), 0);
  return true;
}

void SwfStyleChangeRecord::Write(SwfOutputBuffer& out) const {
  out.WriteBits(0, 1);  // TypeFlag: not an edge
  out.WriteBits(m_newFills ? 1 : 0, 1);
  out.WriteBits(m_line ? 1 : 0, 1);
  out.WriteBits(m_fill1 ? 1 : 0, 1);
  out.WriteBits(m_fill0 ? 1 : 0, 1);
  out.WriteBits(m_moveX ? 1 : 0, 1);
  if (m_moveX) {
    const int n = SignedFieldBits(out, MaxAbs4(*m_moveX, m_nMoveY, 0, 0), kSwfMaxFiveBitCount);
    out.WriteBits(static_cast<uint32_t>(n), 5);
    out.WriteSignedBits(*m_moveX, n);
    out.WriteSignedBits(m_nMoveY, n);
  }
  if (m_fill0) out.WriteBits(static_cast<uint32_t>(*m_fill0), m_nFillBits);
  if (m_fill1) out.WriteBits(static_cast<uint32_t>(*m_fill1), m_nFillBits);
  if (m_line) out.WriteBits(static_cast<uint32_t>(*m_line), m_nLineBits);
  if (m_newFills) {
    // The arrays start on a byte boundary and are followed by the index widths of the
    // records after them.
    m_newFills->Write(out);
    m_newLines->Write(out);
    int fillBits = 0;
    int lineBits = 0;
    NewStyleBits(fillBits, lineBits);
    if (fillBits > kSwfMaxFourBitCount || lineBits > kSwfMaxFourBitCount) out.Fail("too many new styles");
    out.WriteBits(static_cast<uint32_t>(fillBits), 4);
    out.WriteBits(static_cast<uint32_t>(lineBits), 4);
  }
}

void SwfStraightEdgeRecord::Write(SwfOutputBuffer& out) const {
  const int n = EdgeBits(out, MaxAbs4(m_nDx, m_nDy, 0, 0));
  WriteEdgeHeader(out, true, n);
  const bool general = m_nDx != 0 && m_nDy != 0;
  out.WriteBits(general ? 1 : 0, 1);
  if (general) {
    out.WriteSignedBits(m_nDx, n);
    out.WriteSignedBits(m_nDy, n);
  } else if (m_nDx != 0) {
    out.WriteBits(0, 1);  // VertLineFlag
    out.WriteSignedBits(m_nDx, n);
  } else {
    out.WriteBits(1, 1);
    out.WriteSignedBits(m_nDy, n);
  }
}

void SwfCurvedEdgeRecord::Write(SwfOutputBuffer& out) const {
  const int n = EdgeBits(out, MaxAbs4(m_nControlDx, m_nControlDy, m_nAnchorDx, m_nAnchorDy));
  WriteEdgeHeader(out, false, n);
  out.WriteSignedBits(m_nControlDx, n);
  out.WriteSignedBits(m_nControlDy, n);
  out.WriteSignedBits(m_nAnchorDx, n);
  out.WriteSignedBits(m_nAnchorDy, n);
}

void SwfEndShapeRecord::Write(SwfOutputBuffer& out) const {
  out.WriteBits(0, 6);
  out.FlushBits();
}
