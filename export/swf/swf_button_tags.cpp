#include "export/swf/swf_button_tags.h"

#include "export/swf/swf_output_buffer.h"

namespace {

constexpr int kMaxKeyCode = 0x7F;
constexpr int kKeyCodeShift = 9;
constexpr int kOverDownToIdleBit = 8;

}  // namespace

void SwfButtonRecord::Write(SwfOutputBuffer& out) const {
  out.WriteBits(0, 4);
  out.WriteBits(m_states.hitTest ? 1 : 0, 1);
  out.WriteBits(m_states.down ? 1 : 0, 1);
  out.WriteBits(m_states.over ? 1 : 0, 1);
  out.WriteBits(m_states.up ? 1 : 0, 1);
  out.WriteU16(static_cast<uint32_t>(m_nCharacterId));
  out.WriteU16(static_cast<uint32_t>(m_nDepth));
  m_matrix.Write(out);
}

void SwfButtonCondAction::Write(SwfOutputBuffer& out) const {
  SwfButtonRecord::Write(out);
  m_cxform.Write(out);
}

void SwfCondActions::SetCondition(int number) {
  if (number == 1) {
    m_nConditions |= 1u << kOverDownToIdleBit;
  } else if (number >= 2 && number <= 9) {
    m_nConditions |= 1u << (9 - number);
  }
}

uint32_t SwfCondActions::Conditions() const {
  return m_nConditions | (static_cast<uint32_t>(m_nKeyCode) << kKeyCodeShift);
}

void SwfCondActions::WriteBody(SwfOutputBuffer& out) const {
  if (m_nKeyCode < 0 || m_nKeyCode > kMaxKeyCode) {
    out.Fail("key code " + std::to_string(m_nKeyCode) + " outside 0..127");
  }
  out.WriteU16(Conditions() & 0xFFFF);
  WriteActions(out, m_actions);
  out.FlushBits();
  out.WriteU8(0);
}

void SwfCondActions::WriteWithSize(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteBody(body);
  const uint64_t size = body.TotalSize() + 2;
  if (size > 0xFFFF) out.Fail("condition actions of " + std::to_string(size) + " bytes");
  out.WriteU16(static_cast<uint32_t>(size & 0xFFFF));
  out.AppendBuffer(body);
}

void SwfCondActions::WriteLast(SwfOutputBuffer& out) const {
  out.WriteU16(0);
  WriteBody(out);
}

void SwfTagDefineButton::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  for (const auto& record : m_records) record->Write(body);
  body.WriteU8(0);  // CharacterEndFlag
  WriteActions(body, m_actions);
  body.WriteU8(0);  // ActionEndFlag
  WriteRecord(out, Code(), body);
}

void SwfTagDefineButton2::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  body.WriteU8(m_bTrackAsMenu ? 1 : 0);
  SwfOutputBuffer records;
  for (const auto& record : m_records) record->Write(records);
  records.WriteU8(0);  // CharacterEndFlag
  // ActionOffset counts from its own field to the first condition-action list; 0 when
  // the button has none.
  const uint64_t offset = m_actions.empty() ? 0 : records.TotalSize() + 2;
  if (offset > 0xFFFF) body.Fail("button records of " + std::to_string(offset) + " bytes");
  body.WriteU16(static_cast<uint32_t>(offset & 0xFFFF));
  body.AppendBuffer(records);
  for (size_t i = 0; i < m_actions.size(); ++i) {
    if (i + 1 < m_actions.size()) {
      m_actions[i].WriteWithSize(body);
    } else {
      m_actions[i].WriteLast(body);
    }
  }
  WriteRecord(out, Code(), body);
}

void SwfTagDefineButtonCxform::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU16(static_cast<uint32_t>(m_nButtonId));
  m_cxform.Write(body);
  WriteRecord(out, Code(), body);
}

void SwfTagDefineButtonSound::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU16(static_cast<uint32_t>(m_nButtonId));
  for (const Sound& sound : m_sounds) {
    body.WriteU16(static_cast<uint32_t>(sound.soundId));
    if (sound.soundId != 0) sound.info.Write(body);
  }
  WriteRecord(out, Code(), body);
}
