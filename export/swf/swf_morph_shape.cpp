#include "export/swf/swf_morph_shape.h"

#include "export/swf/swf_bits.h"
#include "export/swf/swf_output_buffer.h"

int SwfTagDefineMorphShape::AddMorphFillStyle(std::unique_ptr<SwfStyle> style) {
  return m_fills.Add(std::move(style));
}

int SwfTagDefineMorphShape::AddMorphLineStyle(int startWidth, const SwfColour& startColour,
                                              int endWidth, const SwfColour& endColour) {
  return m_lines.Add(std::make_unique<SwfMorphLineStyle>(startWidth, startColour, endWidth, endColour));
}

void SwfTagDefineMorphShape::CloseStyles() {
  if (m_bClosed) return;
  m_bClosed = true;
  m_startEdges.SetStyleBits(BitsForValue(static_cast<uint32_t>(m_fills.Count()), 0),
                            BitsForValue(static_cast<uint32_t>(m_lines.Count()), 0));
}

void SwfTagDefineMorphShape::AddStartRecord(std::unique_ptr<SwfShapeRecord> record) {
  CloseStyles();
  m_startEdges.AddRecord(std::move(record));
}

void SwfTagDefineMorphShape::AddEndRecord(std::unique_ptr<SwfShapeRecord> record) {
  m_endEdges.AddRecord(std::move(record));
}

void SwfTagDefineMorphShape::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  m_startBounds.Write(body);
  m_endBounds.Write(body);
  // Offset counts the bytes from after itself to the end edges.
  SwfOutputBuffer styled;
  m_fills.Write(styled);
  m_lines.Write(styled);
  m_startEdges.Write(styled);
  const uint64_t offset = styled.TotalSize();
  if (offset > 0xFFFFFFFFu) body.Fail("a morph shape beyond 4 GiB");
  body.WriteU32(static_cast<uint32_t>(offset));
  body.AppendBuffer(styled);
  m_endEdges.Write(body);
  WriteRecord(out, Code(), body);
}
