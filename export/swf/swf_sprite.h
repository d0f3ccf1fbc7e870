// The sprite tag: a character with a timeline of its own, made of control tags only.
#pragma once

#include <memory>
#include <vector>

#include "export/swf/swf_tag.h"
#include "platform/service/result.h"

class SwfTagDefineSprite : public SwfCharacterTag {
 public:
  // Takes a tag that places, removes, shows, labels, sounds or acts (a ShowFrame counts a
  // frame); refuses, and drops, any definition.
  tmb::Status AddTag(std::unique_ptr<SwfTag> tag);
  uint32_t FrameCount() const { return m_nFrameCount; }

  // The id, the frame count, the tags and an End tag.
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 39; }

 private:
  uint32_t m_nFrameCount = 0;
  std::vector<std::unique_ptr<SwfTag>> m_tags;
};
