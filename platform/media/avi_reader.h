// Reading back a movie from an AVI file: the frame size, timing and codec of its first
// video stream and each frame's stored bytes, and its first audio stream as it stands
// (header, format and chunks). Every size in the file is checked against the file before
// it is trusted, so a damaged movie is refused with a message.
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

  // The first audio stream, where the movie has one: its header and format as stored,
  // and its chunks in the order of the file.
  bool hasAudio() const { return haveAudio_; }
  const AviStreamInfo& audio() const { return audio_; }
  int audioChunks() const { return int(audioChunks_.size()); }
  Status ReadAudioChunk(int i, std::vector<uint8_t>& out);

 private:
  struct Frame {
    int64_t offset;
    uint32_t size;
  };
  Status ReadHeaderList(int64_t end);
  // The strl list of stream number stream.
  Status ReadStreamList(int64_t end, int stream);
  Status ReadVideoFormat(uint32_t size);
  Status ReadAudioHeader(uint32_t size);
  // The frames of a movi list, or of a "rec " list depth levels inside it.
  Status ReadFrameList(int64_t end, int depth);
  Status Damaged(const char* what) const;

  BinaryFile file_;
  int64_t fileSize_ = 0;
  AviFormat format_;
  bool haveVideo_ = false;
  std::vector<Frame> frames_;
  // The two-digit stream numbers of the chunks of each stream.
  uint16_t videoDigits_ = 0, audioDigits_ = 0;
  bool haveAudio_ = false;
  AviStreamInfo audio_;
  std::vector<Frame> audioChunks_;
};

}  // namespace tmb
