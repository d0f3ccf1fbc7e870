// A device-independent bitmap as one block laid out exactly as a BMP file. The reading
// road loads a BMP file whole and draws it; the writing road builds a block from a bitmap,
// which is at once the pixel rows that effect and outline code work on (bottom row first)
// and the bytes the picture save writes to disk.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/dib_rows.h"
#include "platform/gdi/palette.h"
#include "platform/gdi/surface.h"

class CDib {
 public:
  CDib() = default;
  virtual ~CDib();
  CDib(const CDib&) = delete;
  CDib& operator=(const CDib&) = delete;

  // Size of the file header that starts a BMP file and a block.
  static constexpr uint32_t kFileHeaderSize = 14;
  // Largest BMP file read (larger ones get "Memory Error").
  static constexpr uint64_t kMaxFileSize = uint64_t(1) << 30;

  // What LoadFile tells its caller, who shows the message it wants.
  enum LoadResult { kLoaded = 1, kNotOpened = 0, kNotABitmap = -1, kNoPalette = -2, kNoMemory = -3 };

  // Loads a BMP file: 1 when loaded, else 0. A file that cannot be opened fails quietly;
  // one that is not a BMP of 1, 4, 8, 16, 24 or 32 bits (run-length compressed at 4 and 8
  // bits, bit fields at 16 and 32) that lies wholly within its bytes shows 62048; no
  // memory shows 62043. A failed load leaves nothing loaded.
  int ReadFile(const std::string& path);
  // The same load without any message: a LoadResult.
  int LoadFile(const std::string& path);
  // Draws the loaded picture at its own size with its top-left at point (with rightAlign,
  // its right edge on point.x, cut to point.x columns). Writes the picture size into
  // size; returns the rows drawn (0 when nothing is loaded).
  virtual int Draw(tmb::DeviceContext* pDC, tmb::Point point, tmb::Size* size, int rightAlign);
  // Draws the loaded picture stretched to the block of point and size.
  virtual int StretchDraw(tmb::DeviceContext* pDC, tmb::Point point, tmb::Size size, int paletteBackground);
  tmb::Size GetSize() const { return m_size; }

  // Builds the block from a bitmap with hPalette selected into hDC meanwhile. The bit
  // count is the bitmap's own (BlockBitCount of 1 for monochrome, of the display's depth
  // for colour) unless bitCount (1, 4, 8 or 24) asks for another; a block of 4 or 8 bits
  // takes its colours from hPalette (the standard ones without it). 1 on success, 0 when
  // the bitmap cannot be read or bitCount is none of those, -1 when there is no memory
  // for the block.
  int CreateFromBitmap(tmb::DeviceContext* hDC, const tmb::Surface* hBitmap, const tmb::Palette* hPalette,
                       int bitCount = 0);
  // Releases the block (nothing happens when there is none).
  void FreeBits();
  // Copy the picture rows rect.top to rect.bottom - 1 (top-down numbering) between a
  // bitmap of the block's size and the block; stride and height must be the block's.
  // Return the number of rows copied (0 when the arguments do not fit the block).
  int GetBits(tmb::DeviceContext* hDC, const tmb::Surface* hBitmap, const tmb::Rect& rect, int stride, int height);
  int SetBits(tmb::DeviceContext* pDC, tmb::Surface* pBitmap, const tmb::Rect& rect, int stride, int height);
  // Sets every row of pBitmap from the block; whether any row was set.
  int SetAllBits(tmb::DeviceContext* pDC, tmb::Surface* pBitmap);
  // Stretches the block onto rect of pDC; whether every row was drawn.
  int StretchBlock(tmb::DeviceContext* pDC, const tmb::Rect& rect);
  // Swaps red and blue of every pixel of a 24-bit block.
  void SwapRedBlue();

  // The loaded file.
  std::vector<uint8_t> m_file;  // the whole file image
  const uint8_t* m_pFile = nullptr;
  uint32_t m_nFileSize = 0;
  const uint8_t* m_pInfoHeader = nullptr;
  const uint8_t* m_pInfo = nullptr;
  const uint8_t* m_pFileBits = nullptr;
  std::unique_ptr<tmb::Palette> m_pPalette;
  tmb::Size m_size{};

  // The built block.
  std::vector<uint8_t> m_block;
  uint8_t* m_pBlock = nullptr;
  uint8_t* m_pBits = nullptr;
  uint8_t* m_pBlockInfo = nullptr;
  int m_bOwnsBlock = 0;
  uint32_t m_nBlockSize = 0;
  tmb::Size m_blockSize{};

 private:
  void FreeFile();
  // The block's header and colour table.
  tmb::DibInfo BlockInfo() const;
  // The block's pixel rows, all of them.
  std::span<uint8_t> BlockBits() const { return {m_pBits, m_block.size() - size_t(m_pBits - m_pBlock)}; }
  // Picture rows rect.top to rect.bottom - 1 of a bitmap of the block's size as the
  // block's first scan line and line count; false when the arguments do not fit the block.
  bool FindBand(const tmb::Surface* bitmap, const tmb::Rect& rect, int stride, int height, int& first,
                int& count) const;
  // The loaded file's rows and description.
  int DrawFile(tmb::DeviceContext* pDC, const tmb::Rect& dst, const tmb::Rect& src);

  tmb::DibInfo m_fileInfo;  // the rows as drawn
  std::vector<uint8_t> m_decoded;  // the rows of a file whose pixels are not plain rows
  size_t m_nFileBitsSize = 0;
};

// The bit count of a block made from a bitmap of bitsPerPixel (planes x bits): below 2
// one bit, below 5 four, above 8 twenty-four, else eight.
constexpr int BlockBitCount(int bitsPerPixel) {
  return bitsPerPixel < 2 ? 1 : bitsPerPixel < 5 ? 4 : bitsPerPixel > 8 ? 24 : 8;
}

// Copies tightly packed 24-bit rows (width x 3 bytes each) into rows padded to 4 bytes;
// false when either buffer is too small.
bool PadPackedRows24(std::span<uint8_t> dst, std::span<const uint8_t> src, int width, int height);

// Puts decoded pixel rows of a picture into pDestBitmap at (0, 0). pixels holds
// size.cy rows of size.cx pixels, tightly packed: 3 bytes blue, green, red each (step 3),
// step bytes each of which the first three are taken (other steps), or one index byte
// each into palette, 4-byte entries red, green, blue, spare (step -1; an index past the
// palette is black). direction 1: the first row is the bottom one, -1: the top one.
// swapRedBlue: the pixels are red, green, blue. The caller's pixels are never changed.
// Returns 1, or 0 when the buffers are too small or no bitmap can be made.
int DrawRgbPixels(tmb::DeviceContext* pDC, tmb::Surface* pDestBitmap, std::span<const uint8_t> pixels, tmb::Size size,
                  int direction, int swapRedBlue, int step, std::span<const uint8_t> palette);
