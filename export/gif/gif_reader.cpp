#include "export/gif/gif_reader.h"

#include <utility>

#include "export/gif/gif_frame.h"
#include "export/gif/gif_parser.h"
#include "export/picture/picture_file_bytes.h"
#include "export/picture/picture_read_result.h"
#include "platform/gdi/bitmap_bytes.h"

int ReadGifFile(tmb::DeviceContext* pDC, const std::string& path, tmb::Surface* pTarget, int noDraw,
                CGifFileRecord& file, std::vector<CGifFrameRecord>& frames) {
  file = {};
  frames.clear();
  tmb::BitmapBytes bytes;
  if (const int read = ReadPictureFileBytes(path, bytes); read != kPictureRead) return read;
  CGifFileRecord parsedFile;
  std::vector<CGifFrameRecord> parsedFrames;
  if (const int parsed = ParseGifFile(bytes.span(), parsedFile, parsedFrames); parsed != kPictureRead) return parsed;
  // Only the frame drawn is decoded: the others' data was checked to lie whole in the
  // file, and bad codes only end a frame early.
  if (!noDraw && pTarget) {
    const int drawn = DecodeAndDrawGifFrame(pDC, bytes.span(), pTarget, parsedFrames.front());
    if (drawn != kPictureRead) return drawn;
  }
  file = parsedFile;
  frames = std::move(parsedFrames);
  return kPictureRead;
}

int ReadGifPicture(tmb::DeviceContext* pDC, const std::string& path, tmb::Size* size, tmb::Surface* pTarget) {
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  const int read = ReadGifFile(pDC, path, pTarget, 0, file, frames);
  if (read == kPictureRead && size) *size = {file.m_nWidth, file.m_nHeight};
  return read;
}

int DrawGifFrame(tmb::DeviceContext* pDC, const std::string& path, tmb::Surface* pTarget,
                 const CGifFrameRecord& frame) {
  tmb::BitmapBytes bytes;
  if (const int read = ReadPictureFileBytes(path, bytes); read != kPictureRead) return read;
  if (!IsGifSignature(bytes.span())) return kPictureDamaged;
  return DecodeAndDrawGifFrame(pDC, bytes.span(), pTarget, frame);
}
