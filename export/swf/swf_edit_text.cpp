#include "export/swf/swf_edit_text.h"

#include "export/swf/swf_output_buffer.h"

void SwfTagDefineEditText::Write(SwfOutputBuffer& out) const {
  const SwfEditTextFields& f = m_fields;
  SwfOutputBuffer body;
  WriteId(body);
  f.bounds.Write(body);
  for (bool flag : {f.hasText, f.wordWrap, f.multiline, f.password, f.readOnly, f.hasTextColor,
                    f.hasMaxLength, f.hasFont, false, false, f.hasLayout, f.noSelect, f.border,
                    false, false, f.useOutlines}) {
    body.WriteBits(flag ? 1 : 0, 1);
  }
  if (f.hasFont) {
    body.WriteU16(static_cast<uint32_t>(f.fontId));
    body.WriteU16(static_cast<uint32_t>(f.fontHeight));
  }
  if (f.hasTextColor) f.textColor.WithAlpha(true).Write(body);
  if (f.hasMaxLength) body.WriteU16(static_cast<uint32_t>(f.maxLength));
  if (f.hasLayout) {
    body.WriteU8(static_cast<uint32_t>(f.align));
    body.WriteU16(static_cast<uint32_t>(f.leftMargin));
    body.WriteU16(static_cast<uint32_t>(f.rightMargin));
    body.WriteU16(static_cast<uint32_t>(f.indent));
    body.WriteI16(f.leading);
  }
  WriteSwfString(body, f.variableName, true);
  if (f.hasText) WriteSwfString(body, f.initialText, true);
  WriteRecord(out, Code(), body);
}
