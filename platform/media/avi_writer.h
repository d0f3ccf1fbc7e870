// A movie of one video stream in an AVI file: 24-bit uncompressed frames or Motion-JPEG
// frames, every frame a key frame, with an index at the end; beside it, where asked,
// further streams carried over from another movie as they stood there. The frame size,
// codec and timing are fixed when the movie starts, the streams before its first sample;
// the frame counts are those really written, filled in when it finishes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/file/binary_file.h"
#include "platform/media/riff_writer.h"
#include "platform/service/result.h"

namespace tmb {

enum class AviCodec { kUncompressed, kMotionJpeg };

struct AviFormat {
  int width = 0;
  int height = 0;
  // A frame lasts scale / rate seconds; both at least 1.
  uint32_t scale = 1;
  uint32_t rate = 1;
  AviCodec codec = AviCodec::kUncompressed;
  int quality = 75;  // Motion-JPEG, 1 to 100
};

// A stream's header and format block as a movie holds them, so that a stream can be
// written again unchanged: its samples keep their meaning only with both.
struct AviStreamInfo {
  uint32_t type = 0;  // "vids", "auds" ...
  uint32_t handler = 0;
  uint32_t flags = 0;
  uint16_t priority = 0;
  uint16_t language = 0;
  uint32_t initialFrames = 0;
  uint32_t scale = 1;
  uint32_t rate = 1;
  uint32_t start = 0;
  uint32_t length = 0;
  uint32_t bufferSize = 0;
  uint32_t quality = 0xFFFFFFFFu;
  uint32_t sampleSize = 0;
  std::array<uint16_t, 4> frame{};  // left, top, right, bottom
  std::vector<uint8_t> format;      // the stream format (a WAVEFORMATEX for audio)
};

// The largest format block a stream may carry: a WAVEFORMATEX with the longest extra part.
constexpr size_t kMaxAviFormatBytes = 18 + 65535;

// Chunk ids carry a stream's number in two digits.
constexpr int kMaxAviStreams = 100;

// The largest side of a frame: the stream header holds the frame as 16-bit numbers.
constexpr int kMaxAviSide = 32767;

// Bytes of one uncompressed frame: rows of blue, green, red padded to 4 bytes.
size_t AviFrameBytes(int width, int height);

class AviWriter {
 public:
  // Writes into file, which must be empty and stay open until Finish; limit bounds the
  // file's size (tests make it small).
  explicit AviWriter(BinaryFile& file, int64_t limit = kMaxRiffFileBytes) : riff_(file, limit) {}

  // Fixes the video stream; fails for a side outside 1..32767 or a zero scale or rate.
  // The headers are written with the first sample, once every stream is known.
  Status Start(const AviFormat& format);
  // Adds a stream with info's header and format as they stand, numbered from 1 (the
  // video stream is 0) into stream. Fails once a sample was written, for a format block
  // past its limit, or past the hundredth stream.
  Status CreateStream(const AviStreamInfo& info, int& stream);
  // Adds one frame from rows of blue, green, red pixels of the movie's size: row y (0 the
  // bottom one) starts at bottom + y x stride. Fails when the file would pass its limit
  // or a write failed; the movie is then unusable.
  Status AddFrame(const uint8_t* bottom, ptrdiff_t stride);
  // Adds one sample of a created stream as it stood in its source, marked as a key
  // sample. Fails for a stream not created or when the movie would pass its limit.
  Status AddSample(int stream, const uint8_t* data, size_t size);
  // Writes the index and the real counts. The file stays open.
  Status Finish();

  int frames() const { return frames_; }
  const AviFormat& format() const { return format_; }

 private:
  struct IndexEntry {
    uint32_t id;
    uint32_t offset;  // from the "movi" form type
    uint32_t size;
  };
  struct Stream {
    AviStreamInfo info;
    uint32_t chunkId;
  };
  // The headers of every stream and the start of the frames, before the first sample.
  Status BeginMovieData();
  Status WriteHeaders();
  Status WriteStreamHeaders(const AviStreamInfo& info);
  // Closes the chunk begun at before and indexes it under id.
  Status EndIndexedChunk(uint32_t id, int64_t before);
  Status AddUncompressed(const uint8_t* bottom, ptrdiff_t stride);
  Status AddJpeg(const uint8_t* bottom, ptrdiff_t stride);

  RiffWriter riff_;
  AviFormat format_;
  std::vector<Stream> streams_;  // those after the video stream
  bool headersWritten_ = false;
  std::vector<IndexEntry> index_;
  int frames_ = 0;
  std::vector<uint8_t> row_;
  int64_t moviStart_ = 0;
  int64_t totalFramesField_ = 0, maxBytesPerSecField_ = 0, avihBufferField_ = 0;
  int64_t lengthField_ = 0, strhBufferField_ = 0;
  uint32_t largestFrame_ = 0;
  bool started_ = false;
};

}  // namespace tmb
