// Reading back a movie of one video stream from an AVI file: its frame size, timing and
// codec, and each frame's stored bytes. Every size in the file is checked against the
// file before it is trusted, so a damaged movie is refused with a message.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/file/binary_file.h"
#include "platform/media/avi_writer.h"
#include "platform/service/result.h"

namespace tmb {

// More frames than any movie of ours holds are taken as damage.
constexpr int kMaxAviReadFrames = 1 << 20;

class AviReader {
 public:
  // Reads the headers of the first video stream and finds its frames. Refuses a file that
  // is not an AVI movie, has no video stream, holds frames other than 24-bit uncompressed
  // or Motion-JPEG, or whose chunks run past its end.
  Status Open(const std::filesystem::path& path);
  void Close() { file_.Close(); }

  // Width, height, scale, rate and codec of the stream.
  const AviFormat& format() const { return format_; }
  int frames() const { return int(frames_.size()); }
  // The stored bytes of frame i: bottom-up padded rows when uncompressed, else a JPEG.
  Status ReadFrame(int i, std::vector<uint8_t>& out);

 private:
  struct Frame {
    int64_t offset;
    uint32_t size;
  };
  Status ReadHeaderList(int64_t end);
  Status ReadStreamList(int64_t end);
  // The frames of a movi list, or of a "rec " list depth levels inside it.
  Status ReadFrameList(int64_t end, int depth);
  Status Damaged(const char* what) const;

  BinaryFile file_;
  int64_t fileSize_ = 0;
  AviFormat format_;
  bool haveVideo_ = false;
  std::vector<Frame> frames_;
};

}  // namespace tmb
