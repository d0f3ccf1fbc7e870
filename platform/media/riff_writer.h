// Chunks of a RIFF file written in one pass: a chunk is opened with its four-character
// code, its body written, and its size filled in when it is closed. Every size field is
// 32 bits, so the writer refuses to let the file grow past a limit instead of writing a
// size that wraps.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/file/binary_file.h"
#include "platform/service/result.h"

namespace tmb {

// A four-character code as it is stored: the first character in the low byte.
constexpr uint32_t FourCc(const char (&s)[5]) {
  return uint32_t(uint8_t(s[0])) | (uint32_t(uint8_t(s[1])) << 8) | (uint32_t(uint8_t(s[2])) << 16) |
         (uint32_t(uint8_t(s[3])) << 24);
}

// The largest file whose every size field a reader takes as a positive 32-bit number.
constexpr int64_t kMaxRiffFileBytes = 0x7FFFFFFF;

class RiffWriter {
 public:
  // Writes into file from its current position, which must be its start.
  explicit RiffWriter(BinaryFile& file, int64_t limit = kMaxRiffFileBytes) : file_(file), limit_(limit) {}

  // Opens a chunk; a list (RIFF or LIST) also writes its form type.
  void BeginChunk(uint32_t id);
  void BeginList(uint32_t listId, uint32_t formType);
  // Closes the innermost chunk: its size is written and an odd body gets a pad byte.
  // Fails when the file has passed the limit or a write failed.
  Status EndChunk();
  // Whether extra more bytes (and the closing of the open chunks) keep the file within
  // the limit.
  bool Fits(int64_t extra) const;

  // Where the next byte goes, from the file's start.
  int64_t Position() const { return file_.Tell(); }
  // Overwrites a 32-bit field written earlier and comes back to the end.
  bool Patch(int64_t offset, uint32_t value);
  BinaryFile& file() { return file_; }
  Status Check() const;

 private:
  BinaryFile& file_;
  int64_t limit_;
  std::vector<int64_t> open_;  // offset of each open chunk's size field
};

}  // namespace tmb
