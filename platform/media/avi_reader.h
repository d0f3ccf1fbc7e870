// Reading back a movie from an AVI file: the frame size, timing and codec of its first
// video stream and each frame's stored bytes, and every stream as it stands (header,
// format and samples), its first audio stream among them. Every size in the file is
// checked against the file before it is trusted, so a damaged movie is refused with a
// message.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/file/binary_file.h"
#include "platform/media/avi_writer.h"
#include "platform/service/result.h"

namespace tmb {

// More frames (or samples of a stream) than any movie of ours holds are taken as damage.
constexpr int kMaxAviReadFrames = 1 << 20;
// So are more samples of all streams together than its frames and as many sound chunks:
// every stream kept is held in memory, and a movie has up to a hundred.
constexpr int kMaxAviReadSamples = 2 * kMaxAviReadFrames;

class AviReader {
 public:
  // Reads the headers of the first video stream and finds its frames. Refuses a file that
  // is not an AVI movie, has no video stream, holds frames other than 24-bit uncompressed
  // or Motion-JPEG, or whose chunks run past its end.
  Status Open(const std::filesystem::path& path);
  void Close() { file_.Close(); }

  // Width, height, scale, rate and codec of the stream.
  const AviFormat& format() const { return format_; }
  int frames() const { return videoStream_ < 0 ? 0 : samples(videoStream_); }
  // The stored bytes of frame i: bottom-up padded rows when uncompressed, else a JPEG.
  Status ReadFrame(int i, std::vector<uint8_t>& out);

  // Every stream in the order of the file (the first hundred): its header and format as
  // stored, and its samples (for pictures the frames, for sound its chunks) in the order
  // of the file.
  int streams() const { return int(streams_.size()); }
  const AviStreamInfo& stream(int n) const { return streams_[size_t(n)].info; }
  int samples(int n) const { return int(streams_[size_t(n)].samples.size()); }
  Status ReadSample(int n, int i, std::vector<uint8_t>& out);

  // The first audio stream, where the movie has one (-1 when none).
  int audioStream() const { return audioStream_; }
  bool hasAudio() const { return audioStream_ >= 0; }
  const AviStreamInfo& audio() const { return stream(audioStream_); }

 private:
  struct Sample {
    int64_t offset;
    uint32_t size;
  };
  struct Stream {
    AviStreamInfo info;
    std::vector<Sample> samples;
  };
  Status ReadHeaderList(int64_t end);
  // The strl list of the next stream.
  Status ReadStreamList(int64_t end);
  Status ReadStreamHeader(uint32_t size, AviStreamInfo& info);
  Status ReadVideoFormat(const std::vector<uint8_t>& format);
  // The samples of a movi list, or of a "rec " list depth levels inside it.
  Status ReadFrameList(int64_t end, int depth);
  Status Damaged(const char* what) const;

  BinaryFile file_;
  int64_t fileSize_ = 0;
  AviFormat format_;
  std::vector<Stream> streams_;
  size_t samplesHeld_ = 0;  // of every stream together
  int videoStream_ = -1, audioStream_ = -1;
};

}  // namespace tmb
