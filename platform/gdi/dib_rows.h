// Device-independent bitmap rows: packed rows of 1, 4, 8, 24 or 32 bits per pixel, each
// padded to 4 bytes, bottom row first when the height is positive (top row first when it
// is negative), the leftmost pixel in the highest bits of a byte, 24- and 32-bit pixels
// as blue, green, red (and a spare byte). These routines move rows between such buffers
// and surfaces, and describe the 40-byte information header.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

namespace tmb {

struct RgbQuad {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  uint8_t reserved = 0;
  friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};

constexpr uint32_t kDibHeaderSize = 40;
constexpr uint32_t kDibUncompressed = 0;

struct DibHeader {
  int32_t width = 0;
  int32_t height = 0;
  uint16_t planes = 1;
  uint16_t bitCount = 0;
  uint32_t compression = kDibUncompressed;
  uint32_t sizeImage = 0;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t clrUsed = 0;
  uint32_t clrImportant = 0;
};

struct DibInfo {
  DibHeader header;
  std::vector<RgbQuad> colours;
};

// Bytes per row; 0 for a width or bit count out of range.
int64_t DibStride(int64_t width, int bitCount);
bool IsSupportedBitCount(int bitCount);
// Entries of the colour table a bit count implies (2, 16, 256, or 0 above 8 bits).
int DefaultColourCount(int bitCount);

void WriteDibHeader(const DibHeader& header, uint8_t* out);  // 40 bytes
DibHeader ReadDibHeader(const uint8_t* in);                   // 40 bytes

// Copies numScans scan lines from scan startScan (scan 0 is the bottom row, or the top
// row of a top-down request) of surface into bits, in the bit count of info.header.
// Fills info: the surface's width and height (keeping a negative height's top-down
// order), no compression, the image size and the colour table the bit count uses
// (black and white at 1 bit; the 16 standard colours at 4; a 6 x 6 x 6 cube at 8).
// Colours become the nearest entry. Padding bits of 1-bit rows are 1, so an empty
// monochrome row reads as all 0xFF; other padding bytes are 0. With empty bits only info
// is filled. Returns the number of lines copied (the surface height when bits is empty),
// or 0 for an unsupported bit count. At 4 and 8 bits a table given (the entries of the
// palette selected for the copy, at most 16 or 256 used) takes the place of the standard
// one, as the colour table written and the colours searched.
int GetDibRows(const Surface& surface, int startScan, int numScans, std::span<uint8_t> bits, DibInfo& info,
               std::span<const RgbQuad> table = {});

// Sets rows of surface from numScans scan lines of a bitmap described by info, from scan
// startScan; bits holds those lines only. The bitmap's top-left pixel lands on the
// surface's; what falls outside is dropped. Indices beyond the colour table are black.
// Returns the number of lines set; 0 for a bad description or too few bits.
int SetDibRows(Surface& surface, int startScan, int numScans, std::span<const uint8_t> bits, const DibInfo& info);

// Draws the block src (top-down picture coordinates) of a whole bitmap into dc's block
// dst by dc's stretch mode and rop. Returns the number of bitmap rows drawn, 0 on failure.
int StretchDibBits(DeviceContext& dc, const Rect& dst, const Rect& src, std::span<const uint8_t> bits,
                   const DibInfo& info, uint32_t rop);

}  // namespace tmb
