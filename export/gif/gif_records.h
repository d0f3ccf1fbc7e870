// What a GIF read keeps of a file and of each of its frames: sizes, places, colour
// tables, timing and transparency, and where each frame's image data lies in the file,
// so that any frame can be decoded again later.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The most frames one read keeps; later frames of a longer file are left unread.
constexpr int kMaxGifFrames = 1280;
// Entries of a colour table, each red, green, blue and a spare byte.
constexpr int kGifTableEntries = 256;
using CGifColourTable = std::array<uint8_t, 4 * kGifTableEntries>;

struct CGifFrameRecord {
  int m_nWidth = 0;
  int m_nHeight = 0;
  int m_bTransparent = 0;
  int m_nTransparentIndex = 0;
  int m_nDelay = 0;  // 1/100 s
  int m_bInterlaced = 0;
  int m_nTableSize = 0;
  int m_nTableBits = 0;
  int m_bLocalTable = 0;
  CGifColourTable m_table{};  // its own table, or the file's global one
  int m_nLeft = 0;
  int m_nTop = 0;
  int m_nRight = 0;   // left + width - 1
  int m_nBottom = 0;  // top + height - 1
  uint32_t m_nTransparentColour = 0;  // 0x00BBGGRR of the transparent index
  size_t m_nDataOffset = 0;  // of the frame's minimum code size byte in the file
};

struct CGifFileRecord {
  int m_nFrames = 0;
  int m_nLoopCount = 0;  // from the looping application extension; 0 without one
  size_t m_nFileLength = 0;
  int m_nWidth = 0;  // logical screen
  int m_nHeight = 0;
  int m_nColourResolution = 0;
  int m_nBackgroundIndex = 0;
  int m_bGlobalTable = 0;
  int m_nTableBits = 0;
  int m_nTableSize = 0;
  CGifColourTable m_table{};
};
