#include "export/swf/swf_control_tags.h"

#include "export/swf/swf_output_buffer.h"

void SwfTagShowFrame::Write(SwfOutputBuffer& out) const { out.WriteTagHeader(Code(), 0, nullptr); }

void SwfTagPlaceObject::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU16(static_cast<uint32_t>(m_nCharacterId));
  body.WriteU16(static_cast<uint32_t>(m_nDepth));
  m_matrix.Write(body);
  if (m_cxform) m_cxform->Write(body);
  WriteRecord(out, Code(), body);
}

void SwfTagRemoveObject::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU16(static_cast<uint32_t>(m_nCharacterId));
  body.WriteU16(static_cast<uint32_t>(m_nDepth));
  WriteRecord(out, Code(), body);
}

void SwfTagSetBackgroundColor::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  m_colour.Write(body);
  WriteRecord(out, Code(), body);
}

void SwfTagDoAction::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteActions(body, m_actions);
  body.WriteU8(0);  // ActionEndFlag
  WriteRecord(out, Code(), body);
}

void SwfTagStartSound::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU16(static_cast<uint32_t>(m_nSoundId));
  m_info.Write(body);
  WriteRecord(out, Code(), body);
}

void SwfTagProtect::Write(SwfOutputBuffer& out) const { out.WriteTagHeader(Code(), 0, nullptr); }

void SwfTagPlaceObject2::Write(SwfOutputBuffer& out) const {
  const SwfPlacement& p = m_placement;
  SwfOutputBuffer body;
  body.WriteBits(0, 1);  // PlaceFlagHasClipActions
  body.WriteBits(p.clipDepth ? 1 : 0, 1);
  body.WriteBits(p.name ? 1 : 0, 1);
  body.WriteBits(p.ratio ? 1 : 0, 1);
  body.WriteBits(p.cxform ? 1 : 0, 1);
  body.WriteBits(p.matrix ? 1 : 0, 1);
  body.WriteBits(p.characterId ? 1 : 0, 1);
  body.WriteBits(p.move ? 1 : 0, 1);
  body.WriteU16(static_cast<uint32_t>(p.depth));
  if (p.characterId) body.WriteU16(static_cast<uint32_t>(*p.characterId));
  if (p.matrix) p.matrix->Write(body);
  if (p.cxform) p.cxform->Write(body);
  if (p.ratio) body.WriteU16(static_cast<uint32_t>(*p.ratio));
  if (p.name) WriteSwfString(body, *p.name, true);
  if (p.clipDepth) body.WriteU16(static_cast<uint32_t>(*p.clipDepth));
  WriteRecord(out, Code(), body);
}

void SwfTagRemoveObject2::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU16(static_cast<uint32_t>(m_nDepth));
  WriteRecord(out, Code(), body);
}

void SwfTagFrameLabel::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteSwfString(body, m_label, true);
  WriteRecord(out, Code(), body);
}
