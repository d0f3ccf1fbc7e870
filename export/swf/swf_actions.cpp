#include "export/swf/swf_actions.h"

#include "export/swf/swf_output_buffer.h"
#include "export/swf/swf_value_records.h"
#include "platform/file/little_endian.h"

namespace {

constexpr int kLongActionCode = 0x80;

// The code byte, the body's length when the code is 0x80 or above, the body.
void WriteAction(SwfOutputBuffer& out, int code, SwfOutputBuffer& body) {
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

// The actions whose body is one value.
void WriteByteAction(SwfOutputBuffer& out, int code, int value) {
  SwfOutputBuffer body;
  body.WriteU8(static_cast<uint32_t>(value));
  WriteAction(out, code, body);
}

void WriteI16Action(SwfOutputBuffer& out, int code, int value) {
  SwfOutputBuffer body;
  body.WriteI16(value);
  WriteAction(out, code, body);
}

void WriteStringAction(SwfOutputBuffer& out, int code, const std::string& value) {
  SwfOutputBuffer body;
  WriteSwfString(body, value, true);
  WriteAction(out, code, body);
}

}  // namespace

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

void SwfActionSetTarget::Write(SwfOutputBuffer& out) const { WriteStringAction(out, 0x8B, m_target); }

void SwfActionGoToLabel::Write(SwfOutputBuffer& out) const { WriteStringAction(out, 0x8C, m_label); }

void SwfActionWaitForFrame2::Write(SwfOutputBuffer& out) const { WriteByteAction(out, 0x8D, m_nSkipCount); }

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

void SwfActionJump::Write(SwfOutputBuffer& out) const { WriteI16Action(out, 0x99, m_nOffset); }

void SwfActionGetURL2::Write(SwfOutputBuffer& out) const { WriteByteAction(out, 0x9A, m_nMethod); }

void SwfActionIf::Write(SwfOutputBuffer& out) const { WriteI16Action(out, 0x9D, m_nOffset); }

void SwfActionGotoFrame2::Write(SwfOutputBuffer& out) const { WriteByteAction(out, 0x9F, m_nPlay); }
