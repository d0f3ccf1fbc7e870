// An SWF movie: the ordered tags of one export with their frame count, and the writers
// that turn it into a complete uncompressed file (version 4).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/service/result.h"

class SwfOutputBuffer;
class SwfTag;

class SwfMovie {
 public:
  // A new movie numbers its characters from 1: construct it before its tags.
  SwfMovie();
  ~SwfMovie();
  SwfMovie(const SwfMovie&) = delete;
  SwfMovie& operator=(const SwfMovie&) = delete;

  // Takes the tag; a ShowFrame counts a frame.
  void AddTag(std::unique_ptr<SwfTag> tag);
  // Each tag's record in order.
  void WriteTags(SwfOutputBuffer& out) const;

  // ShowFrame tags added so far (the file holds at most 65,535).
  uint32_t FrameCount() const { return m_nFrameCount; }
  const std::vector<std::unique_ptr<SwfTag>>& Tags() const { return m_tags; }

 private:
  uint32_t m_nFrameCount = 0;
  std::vector<std::unique_ptr<SwfTag>> m_tags;
};

// Writes the movie as the file at path through a safe save (the old file stays until the
// new one is complete): width and height of the frame in twips, rate in whole frames per
// second (0..255). Restarts the character ids. Fails, writing nothing, when a record does
// not fit its fields, the movie has more than 65,535 frames or the file cannot be written.
tmb::Status WriteSwfFile(const SwfMovie& movie, const std::filesystem::path& path, int width,
                         int height, int rate);
// The same file into memory.
tmb::Status WriteSwfToMemory(const SwfMovie& movie, int width, int height, int rate,
                             std::vector<uint8_t>& out);
// The tags and the End tag without a header; restarts the character ids.
void WriteSwfBody(const SwfMovie& movie, SwfOutputBuffer& out);
