// GIF files from 24-bit pictures: a single-image GIF, and the animated GIF that a save run
// keeps open while it adds its frames. Both go through a safe save, so the file at the
// path is replaced only by a complete GIF and a failure leaves the previous one as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

#include "platform/service/result.h"

namespace tmb {
class SafeSave;
}

// Pictures given to these calls are 24-bit bitmap rows, bottom row first, blue, green, red
// per pixel, each row padded to 4 bytes (a bitmap block's bits).

// What the run that writes an animation tells about one frame.
struct GifFrameSetup {
  int m_nWait = 0;              // display time in 1/100 s; clamped to 0..65,535
  int m_bFirst = 0;             // the frame starts the animation
  int m_bTransparent = 0;       // pixels of the key colour are transparent (index 0)
  uint32_t m_nKeyColour = 0;    // COLORREF, red in the low byte
};

// An animated GIF being written.
class CGifFile {
 public:
  CGifFile();
  ~CGifFile();
  CGifFile(const CGifFile&) = delete;
  CGifFile& operator=(const CGifFile&) = delete;

  bool IsOpen() const { return m_pSave != nullptr; }
  int ImageCount() const { return m_nImages; }
  // A write failed: the file cannot be finished.
  bool IsBroken() const { return !m_broken.ok(); }

 private:
  friend tmb::Status OpenGifFile(CGifFile& file, const std::filesystem::path& path);
  friend tmb::Status AddGifFrame(CGifFile& file, int width, int height, std::span<const uint8_t> pixels,
                                 const GifFrameSetup& setup);
  friend tmb::Status CloseGifFile(CGifFile& file);
  friend void AbandonGifFile(CGifFile& file);

  std::unique_ptr<tmb::SafeSave> m_pSave;
  int m_nImages = 0;
  int m_nWidth = 0;   // the logical screen, set by the first frame
  int m_nHeight = 0;
  // The first failure that left the file incomplete; later frames and the close report it.
  tmb::Status m_broken = tmb::Status::Ok();
};

// Starts the animation at path (an unfinished one in file is abandoned first). Fails when
// the folder cannot take the file.
tmb::Status OpenGifFile(CGifFile& file, const std::filesystem::path& path);
// Quantizes the picture (with the set-up's key colour when transparent) and adds it as the
// next frame with the set-up's wait. The header, global table and loop extension come
// before the first image whatever the flag says; a first flag once images are written, a
// frame larger than the first one or a picture shorter than its size is refused and leaves
// the animation as it was. A failed write breaks the file: everything after fails.
tmb::Status AddGifFrame(CGifFile& file, int width, int height, std::span<const uint8_t> pixels,
                        const GifFrameSetup& setup);
// Ends the file and puts it in place of the previous one; fails (and keeps the previous
// file) when a write failed or no frame was added. Nothing happens when none is open.
tmb::Status CloseGifFile(CGifFile& file);
// Drops the unfinished file; the previous file at the path stays.
void AbandonGifFile(CGifFile& file);

// Writes the picture as a single-image GIF: quantized without transparency, 8-bit global
// table, not interlaced.
tmb::Status WriteGifFile(const std::filesystem::path& path, int width, int height, std::span<const uint8_t> pixels);
