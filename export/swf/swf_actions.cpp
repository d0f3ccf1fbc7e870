#include "export/swf/swf_actions.h"

#include "export/swf/swf_output_buffer.h"
#include "export/swf/swf_value_records.h"
#include "platform/file/little_endian.h"

namespace {

constexpr int kLongActionCode = 0x80;

}  // namespace

void SwfAction::WriteAction(SwfOutputBuffer& out, int code, SwfOutputBuffer& body) {
  out.WriteU8(static_cast<uint32_t>(code));
  if (code >= kLongActionCode) {
    const uint64_t length = body.TotalSize();
    if (length > 0xFFFF) {
      out.Fail("action " + std::to_string(code) + " body of " + std::to_string(length) + " bytes");
    }
    out.WriteU16(static_cast<uint32_t>(length & 0xFFFF));
  }
  out.AppendBuffer(body);
}

void WriteActions(SwfOutputBuffer& out, const SwfActionList& actions) {
  for (const auto& action : actions) action->Write(out);
}

void SwfActionGotoFrame::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU16(static_cast<uint32_t>(m_nFrame));
  WriteAction(out, 0x81, body);
}

void SwfActionGetURL::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteSwfString(body, m_url, true);
  WriteSwfString(body, m_target, true);
  WriteAction(out, 0x83, body);
}

void SwfActionWaitForFrame::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU16(static_cast<uint32_t>(m_nFrame));
  body.WriteU8(static_cast<uint32_t>(m_nSkipCount));
  WriteAction(out, 0x8A, body);
}

void SwfActionSetTarget::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteSwfString(body, m_target, true);
  WriteAction(out, 0x8B, body);
}

void SwfActionGoToLabel::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteSwfString(body, m_label, true);
  WriteAction(out, 0x8C, body);
}

void SwfActionWaitForFrame2::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU8(static_cast<uint32_t>(m_nSkipCount));
  WriteAction(out, 0x8D, body);
}

void SwfActionPush::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  if (m_bFloat) {
    body.WriteU8(1);
    body.WriteU32(tmb::FloatToBits(m_float));
  } else {
    body.WriteU8(0);
    WriteSwfString(body, m_string, true);
  }
  WriteAction(out, 0x96, body);
}

void SwfActionJump::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteI16(m_nOffset);
  WriteAction(out, 0x99, body);
}

void SwfActionGetURL2::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU8(static_cast<uint32_t>(m_nMethod));
  WriteAction(out, 0x9A, body);
}

void SwfActionIf::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteI16(m_nOffset);
  WriteAction(out, 0x9D, body);
}

void SwfActionGotoFrame2::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU8(static_cast<uint32_t>(m_nPlay));
  WriteAction(out, 0x9F, body);
}
