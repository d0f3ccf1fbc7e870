#include "export/gif/gif_frame.h"

#include <cstring>

#include "core/bitmap/dib.h"
#include "export/gif/gif_interlace.h"
#include "export/gif/gif_lzw_decoder.h"
#include "export/gif/gif_sub_blocks.h"
#include "export/picture/picture_read_result.h"
#include "platform/file/byte_reader.h"
#include "platform/gdi/picture_limit.h"
#include "platform/gdi/raster_ops.h"

namespace {

// Moves rows stored pass by pass into picture order.
void DeinterlaceRows(const uint8_t* stored, uint8_t* out, int width, int height) {
  const size_t rowBytes = size_t(width);
  size_t next = 0;
  ForEachInterlacedRow(height, [&](int y) {
    std::memcpy(out + size_t(y) * rowBytes, stored + next * rowBytes, rowBytes);
    ++next;
  });
}

// The most pixels one byte of image data can give: codes are at least 2 bits and none
// stands for more than the 4,096 entries of the code table.
constexpr uint64_t kMaxGifPixelsPerDataByte = 4 * 4096;

// Whether the frame's sides can be taken in: kPictureDamaged when the frame has more
// pixels than its data could hold even whole (told before its memory is taken and
// filled, with a target or without), kPictureTooLarge beyond the largest picture.
int CheckFrameSize(std::span<const uint8_t> bytes, const CGifFrameRecord& frame) {
  if (frame.m_nWidth <= 0 || frame.m_nHeight <= 0 || frame.m_nDataOffset >= bytes.size()) return kPictureDamaged;
  const uint64_t pixels = uint64_t(frame.m_nWidth) * uint64_t(frame.m_nHeight);
  tmb::ByteReader chain(bytes.subspan(frame.m_nDataOffset + 1));
  if (!SkipGifSubBlocks(chain) || pixels > uint64_t(chain.pos()) * kMaxGifPixelsPerDataByte) return kPictureDamaged;
  return tmb::IsHoldablePicture(frame.m_nWidth, frame.m_nHeight) ? kPictureRead : kPictureTooLarge;
}

}  // namespace

int DecodeGifFrame(std::span<const uint8_t> bytes, const CGifFrameRecord& frame, tmb::BitmapBytes& pixels) {
  pixels.Free();
  if (const int sized = CheckFrameSize(bytes, frame); sized != kPictureRead) return sized;
  const std::span<const uint8_t> chain = bytes.subspan(frame.m_nDataOffset + 1);
  const size_t count = size_t(frame.m_nWidth) * size_t(frame.m_nHeight);
  tmb::BitmapBytes stored;
  tmb::BitmapBytes& decoded = frame.m_bInterlaced ? stored : pixels;
  if (!decoded.AllocateForOverwrite(count)) return kPictureTooLarge;
  size_t written = 0;
  if (DecodeGifLzw(bytes[frame.m_nDataOffset], chain, decoded.span(), &written) == kGifLzwBadCodeSize) {
    decoded.Free();
    return kPictureDamaged;
  }
  std::memset(decoded.data() + written, 0, count - written);
  if (frame.m_bInterlaced) {
    if (!pixels.AllocateForOverwrite(count)) return kPictureTooLarge;
    DeinterlaceRows(stored.data(), pixels.data(), frame.m_nWidth, frame.m_nHeight);
  }
  return kPictureRead;
}

int DecodeAndDrawGifFrame(tmb::DeviceContext* pDC, std::span<const uint8_t> bytes, tmb::Surface* pTarget,
                          const CGifFrameRecord& frame) {
  // The frame's bitmap is made before its pixels are decoded: its sides are checked first.
  if (const int sized = CheckFrameSize(bytes, frame); sized != kPictureRead) return sized;
  tmb::Surface picture;
  if (pTarget && !picture.Create(frame.m_nWidth, frame.m_nHeight, tmb::PixelFormat::kColour32)) return kPictureTooLarge;
  tmb::BitmapBytes pixels;
  if (const int decoded = DecodeGifFrame(bytes, frame, pixels); decoded != kPictureRead || !pTarget) return decoded;
  const tmb::Size size{frame.m_nWidth, frame.m_nHeight};
  if (!DrawRgbPixels(pDC, &picture, pixels.span(), size, -1, 0, -1, frame.m_table)) return kPictureTooLarge;
  tmb::DeviceContext src = tmb::DeviceContext::CompatibleWith(pDC);
  tmb::DeviceContext dst = tmb::DeviceContext::CompatibleWith(pDC);
  src.SelectSurface(&picture);
  dst.SelectSurface(pTarget);
  dst.BitBlt(frame.m_nLeft, frame.m_nTop, size.cx, size.cy, &src, 0, 0, tmb::kSrcCopy);
  return kPictureRead;
}
