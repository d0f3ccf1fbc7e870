#include "export/gif/gif_file_writer.h"

#include <algorithm>
#include <array>
#include <string>

#include "export/gif/gif_block_writer.h"
#include "export/gif/gif_byte_sink.h"
#include "export/gif/gif_colour_quantizer.h"
#include "export/gif/gif_image_writer.h"
#include "export/gif/gif_lzw_encoder.h"
#include "platform/file/safe_save.h"
#include "platform/gdi/bitmap_bytes.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int kColourResolution = 8;
constexpr int kTransparentIndex = 0;
constexpr int kMaxWait = 0xFFFF;

using Palette = std::array<uint8_t, kGifPaletteEntries * kGifPaletteEntryBytes>;

tmb::Status CheckSize(int width, int height) {
  if (width < 1 || width > kGifMaxSide || height < 1 || height > kGifMaxSide) {
    return tmb::Status::Fail("a GIF picture of " + std::to_string(width) + " x " + std::to_string(height) +
                             " pixels (each side 1..65,535)");
  }
  return tmb::Status::Ok();
}

// The picture as index pixels and a palette.
tmb::Status Quantize(int width, int height, std::span<const uint8_t> pixels, int transparent, uint32_t keyColour,
                     tmb::BitmapBytes& indexes, Palette& palette) {
  if (tmb::Status s = CheckSize(width, height); !s) return s;
  if (tmb::Status s = indexes.Allocate(size_t(width) * size_t(height)); !s) return s;
  return QuantizeColours(pixels, width, height, indexes.span(), palette, transparent, keyColour);
}

}  // namespace

CGifFile::CGifFile() = default;
CGifFile::~CGifFile() = default;

tmb::Status OpenGifFile(CGifFile& file, const std::filesystem::path& path) {
  AbandonGifFile(file);
  auto save = std::make_unique<tmb::SafeSave>(path);
  if (tmb::Status s = save->Begin(); !s) return s;
  file.m_pSave = std::move(save);
  return tmb::Status::Ok();
}

tmb::Status AddGifFrame(CGifFile& file, int width, int height, std::span<const uint8_t> pixels,
                        const GifFrameSetup& setup) {
  if (!file.IsOpen()) return tmb::Status::Fail("no animated GIF is open");
  if (!file.m_broken) return file.m_broken;
  if (setup.m_bFirst && file.m_nImages > 0) {
    return tmb::Status::Fail("a first frame after " + std::to_string(file.m_nImages) + " frames of the GIF");
  }
  if (file.m_nImages > 0 && (width > file.m_nWidth || height > file.m_nHeight)) {
    return tmb::Status::Fail("a frame of " + std::to_string(width) + " x " + std::to_string(height) +
                             " pixels is larger than the GIF's " + std::to_string(file.m_nWidth) + " x " +
                             std::to_string(file.m_nHeight));
  }
  tmb::BitmapBytes indexes;
  Palette palette{};
  const int transparent = setup.m_bTransparent ? 1 : 0;
  if (tmb::Status s = Quantize(width, height, pixels, transparent, setup.m_nKeyColour, indexes, palette); !s) return s;
  const bool first = file.m_nImages == 0;
  GifFileSink sink(file.m_pSave->file());
  tmb::Status status = AddGifImageFrame(sink, indexes.span(), width, height, palette,
                                        std::clamp(setup.m_nWait, 0, kMaxWait), first, transparent, kTransparentIndex);
  if (!file.m_pSave->file().ok()) {
    if (status) status = tmb::Status::Fail("GIF write failed: " + file.m_pSave->file().error());
    file.m_broken = status;
    return status;
  }
  if (!status) return status;
  if (first) {
    file.m_nWidth = width;
    file.m_nHeight = height;
  }
  ++file.m_nImages;
  return tmb::Status::Ok();
}

tmb::Status CloseGifFile(CGifFile& file) {
  if (!file.IsOpen()) return tmb::Status::Ok();
  tmb::Status status = file.m_broken;
  if (status && file.m_nImages == 0) status = tmb::Status::Fail("the animated GIF holds no frame");
  if (status) {
    GifFileSink sink(file.m_pSave->file());
    status = WriteGifTrailer(sink);
    if (status) status = file.m_pSave->Commit();
  }
  AbandonGifFile(file);
  return status;
}

void AbandonGifFile(CGifFile& file) {
  file.m_pSave.reset();
  file.m_nImages = 0;
  file.m_nWidth = 0;
  file.m_nHeight = 0;
  file.m_broken = tmb::Status::Ok();
}

tmb::Status WriteGifFile(const std::filesystem::path& path, int width, int height, std::span<const uint8_t> pixels) {
  tmb::BitmapBytes indexes;
  Palette palette{};
  if (tmb::Status s = Quantize(width, height, pixels, 0, kWhite, indexes, palette); !s) return s;
  tmb::SafeSave save(path);
  if (tmb::Status s = save.Begin(); !s) return s;
  GifFileSink sink(save.file());
  if (tmb::Status s = WriteGifImage(sink, width, height, indexes.span(), palette, kColourResolution, 0,
                                    kGifMaxTableBits, 0);
      !s) {
    return s;
  }
  if (tmb::Status s = WriteGifTrailer(sink); !s) return s;
  return save.Commit();
}
