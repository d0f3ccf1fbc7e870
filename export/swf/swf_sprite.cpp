#include "export/swf/swf_sprite.h"

#include <string>

#include "export/swf/swf_output_buffer.h"

tmb::Status SwfTagDefineSprite::AddTag(std::unique_ptr<SwfTag> tag) {
  if (!IsSpriteTagCode(tag->Code())) {
    return tmb::Status::Fail("a sprite holds control tags only; tag " + std::to_string(tag->Code()) +
                             " is refused");
  }
  if (tag->IsFrame()) ++m_nFrameCount;
  m_tags.push_back(std::move(tag));
  return tmb::Status::Ok();
}

void SwfTagDefineSprite::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  body.WriteU16(m_nFrameCount);
  for (const auto& tag : m_tags) tag->Write(body);
  WriteEndTag(body);
  WriteRecord(out, Code(), body);
}
