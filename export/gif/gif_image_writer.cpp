#include "export/gif/gif_image_writer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "export/gif/gif_block_writer.h"
#include "export/gif/gif_byte_sink.h"
#include "export/gif/gif_interlace.h"
#include "export/gif/gif_lzw_encoder.h"

namespace {

constexpr int kFrameColourResolution = 8;

// The rows in the order an interlaced image stores them.
std::vector<uint8_t> InterlacedRows(std::span<const uint8_t> pixels, int width, int height) {
  std::vector<uint8_t> rows;
  rows.reserve(size_t(width) * size_t(height));
  ForEachInterlacedRow(height, [&](int y) {
    const auto row = pixels.subspan(size_t(y) * size_t(width), size_t(width));
    rows.insert(rows.end(), row.begin(), row.end());
  });
  return rows;
}

}  // namespace

tmb::Status WriteGifImage(GifByteSink& sink, int width, int height, std::span<const uint8_t> pixels,
                          std::span<const uint8_t> palette, int colourResolution, int interlace, int tableBits,
                          int rescale) {
  if (width < 1 || height < 1 || pixels.size() < size_t(width) * size_t(height)) {
    return tmb::Status::Fail("the GIF image has fewer pixels than its size");
  }
  if (tableBits >= 1 && tableBits < kGifMaxTableBits) {
    const int largest = *std::ranges::max_element(pixels.first(size_t(width) * size_t(height)));
    if (largest >= 1 << tableBits) {
      return tmb::Status::Fail("pixel value " + std::to_string(largest) + " past a colour table of " +
                               std::to_string(1 << tableBits) + " entries");
    }
  }
  if (tmb::Status s = WriteGifHeader(sink, width, height, colourResolution, 0, tableBits, rescale, palette); !s) {
    return s;
  }
  if (tmb::Status s =
          WriteGifImageDescriptor(sink, 0, 0, width, height, colourResolution, interlace, tableBits, rescale, {});
      !s) {
    return s;
  }
  // A reader of an interlaced image puts the rows where their pass says: they are coded
  // in that order.
  if (interlace & 1) return GifLzwCompress(tableBits, width, height, InterlacedRows(pixels, width, height), sink);
  return GifLzwCompress(tableBits, width, height, pixels, sink);
}

tmb::Status AddGifImageFrame(GifByteSink& sink, std::span<const uint8_t> pixels, int width, int height,
                             std::span<const uint8_t> palette, int delay, int first, int transparent,
                             int transparentIndex) {
  // The frame is built whole before it goes out, so a refused frame leaves the animation
  // as it was and the next frame may follow.
  GifMemorySink frame;
  if (first) {
    if (tmb::Status s = WriteGifHeader(frame, width, height, kFrameColourResolution, 0, kGifMaxTableBits, 0, palette);
        !s) {
      return s;
    }
    if (tmb::Status s = WriteGifLoopExt(frame, kGifLoopCount); !s) return s;
  }
  if (tmb::Status s = WriteGifControlExt(frame, transparent, delay, transparentIndex); !s) return s;
  if (tmb::Status s = WriteGifImageDescriptor(frame, 0, 0, width, height, kFrameColourResolution, 0, kGifMaxTableBits,
                                              0, palette);
      !s) {
    return s;
  }
  if (tmb::Status s = GifLzwCompress(kGifMaxTableBits, width, height, pixels, frame); !s) return s;
  return sink.Put(frame.m_bytes);
}
