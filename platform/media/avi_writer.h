// A movie of one video stream in an AVI file: 24-bit uncompressed frames or Motion-JPEG
// frames, every frame a key frame, with an index at the end. The frame size, codec and
// timing are fixed when the movie starts; the frame counts are those really written,
// filled in when it finishes.
#pragma once

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

// The largest side of a frame: the stream header holds the frame as 16-bit numbers.
constexpr int kMaxAviSide = 32767;

// Bytes of one uncompressed frame: rows of blue, green, red padded to 4 bytes.
size_t AviFrameBytes(int width, int height);

class AviWriter {
 public:
  // Writes into file, which must be empty and stay open until Finish; limit bounds the
  // file's size (tests make it small).
  explicit AviWriter(BinaryFile& file, int64_t limit = kMaxRiffFileBytes) : riff_(file, limit) {}

  // Writes the headers; fails for a side outside 1..32767 or a zero scale or rate.
  Status Start(const AviFormat& format);
  // Adds one frame from rows of blue, green, red pixels of the movie's size: row y (0 the
  // bottom one) starts at bottom + y x stride. Fails when the file would pass its limit
  // or a write failed; the movie is then unusable.
  Status AddFrame(const uint8_t* bottom, ptrdiff_t stride);
  // Writes the index and the real counts. The file stays open.
  Status Finish();

  int frames() const { return int(index_.size()); }
  const AviFormat& format() const { return format_; }

 private:
  struct IndexEntry {
    uint32_t offset;  // from the "movi" form type
    uint32_t size;
  };
  Status WriteHeaders();
  Status AddUncompressed(const uint8_t* bottom, ptrdiff_t stride);
  Status AddJpeg(const uint8_t* bottom, ptrdiff_t stride);

  RiffWriter riff_;
  AviFormat format_;
  std::vector<IndexEntry> index_;
  std::vector<uint8_t> row_;
  int64_t moviStart_ = 0;
  int64_t totalFramesField_ = 0, maxBytesPerSecField_ = 0, avihBufferField_ = 0;
  int64_t lengthField_ = 0, strhBufferField_ = 0;
  uint32_t largestFrame_ = 0;
  bool started_ = false;
};

}  // namespace tmb
