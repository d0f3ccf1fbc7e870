// JPEG pictures through libjpeg-turbo, behind the small interface the picture readers and
// writers need: read the size from the header, decode into blue, green, red rows, encode
// such rows into a file. Library failures come back as a Status; nothing is printed and
// nothing exits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/file/binary_file.h"
#include "platform/service/result.h"

namespace tmb {

class JpegReader {
 public:
  JpegReader();
  ~JpegReader();
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;

  // Reads the header of the JPEG picture in bytes, which must outlive the reader.
  Status Open(std::span<const uint8_t> bytes);
  // The picture's sides from the header (0 before a successful Open).
  int width() const { return width_; }
  int height() const { return height_; }
  // Whether the header claims more pixels than the opened bytes could fill even if all of
  // them were image data (a small file claiming a huge picture): it is damaged, and told
  // before any memory is taken for its pixels.
  bool ClaimsMoreThanItsData() const;

  // Decodes the opened picture into out, top row first, width() x 3 bytes per row, each
  // pixel blue, green, red; out must hold exactly width() x height() x 3 bytes. Fails on
  // any library error, on data that ends before the picture does, and when the decoder's
  // own work memory (a progressive picture keeps all its coefficients) would pass
  // workLimit bytes.
  Status ReadBgr(std::span<uint8_t> out, size_t workLimit);
  // Whether the last failure was the decoder running out of work memory rather than
  // damaged data.
  bool ranOutOfMemory() const { return outOfMemory_; }

 private:
  struct Codec;
  std::unique_ptr<Codec> codec_;
  int width_ = 0;
  int height_ = 0;
  size_t dataBytes_ = 0;
  bool opened_ = false;
  bool outOfMemory_ = false;
};

// Encodes a picture of width x height pixels at quality (1 to 100) into file. Row y of
// the picture (0 the top one) starts at top + y x stride bytes, so a negative stride
// reads bottom-up rows; each row holds blue, green, red pixels.
Status WriteJpegBgr(BinaryFile& file, const uint8_t* top, ptrdiff_t stride, int width, int height, int quality);

}  // namespace tmb
