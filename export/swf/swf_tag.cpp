#include "export/swf/swf_tag.h"

#include <algorithm>
#include <array>

#include "export/swf/swf_character_id.h"
#include "export/swf/swf_output_buffer.h"
#include "platform/file/little_endian.h"

void SwfTag::WriteRecord(SwfOutputBuffer& out, int code, SwfOutputBuffer& body) {
  out.WriteTagHeader(code, body.TotalSize(), &body);
}

SwfCharacterTag::SwfCharacterTag() : m_nId(NextCharacterId()) {}

void SwfCharacterTag::WriteId(SwfOutputBuffer& body) const {
  if (m_nId == 0) body.Fail("no character id left: a movie holds at most 65,535 characters");
  body.WriteU16(m_nId);
}

void SwfTagRaw::Write(SwfOutputBuffer& out) const { out.AddBlock(m_record); }

int SwfTagRaw::Code() const {
  return m_record.size() < 2 ? -1 : tmb::LoadU16(m_record.data()) >> 6;
}

bool IsSpriteTagCode(int code) {
  // ShowFrame, PlaceObject, RemoveObject, DoAction, StartSound, SoundStreamHead,
  // SoundStreamBlock, PlaceObject2, RemoveObject2, FrameLabel, SoundStreamHead2.
  static constexpr std::array<int, 11> kCodes = {1, 4, 5, 12, 15, 18, 19, 26, 28, 43, 45};
  return std::find(kCodes.begin(), kCodes.end(), code) != kCodes.end();
}

void WriteEndTag(SwfOutputBuffer& out) { out.WriteTagHeader(0, 0, nullptr); }
