// A light view onto a caller's block of one-bit rows laid out as a one-bit
// device-independent bitmap: bottom row first, rows padded to 4 bytes, the leftmost pixel
// in a byte's highest bit. A set bit is background (white), a clear bit is ink. Reads
// outside the bitmap see background; writes outside it do nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/surface.h"

class CMonoBitmap {
 public:
  CMonoBitmap() = default;

  // Takes the block and its geometry without copying it; the scans of the region run
  // x0 <= x < x1, y0 <= y < y1.
  void Attach(uint8_t* bits, int x0, int y0, int x1, int y1, int width, int height);
  // Every byte of every row 0xFF: all background.
  void Clear();
  // Copies all rows from a block of the same geometry.
  void CopyAllFrom(const uint8_t* source);
  // Copies picture rows top to bottom - 1 (top-down numbering) from a block of the same
  // geometry.
  void CopyRows(const uint8_t* source, int top, int bottom);

  // value non-zero sets the pixel to background, zero makes it ink.
  void SetBit(int x, int y, int value) {
    if (Inside(x, y)) tmb::SetMonoBit(RowOf(y), x, value != 0);
  }
  int PutPixel(int x, int y, int value) {
    SetBit(x, y, value);
    return 0;
  }
  // The same on the four neighbours left, below, right and above.
  void PutPixel4(int x, int y, int value);
  // Non-zero for background (also outside the bitmap), 0 for ink.
  int TestBit(int x, int y) const { return Inside(x, y) ? tmb::MonoBit(RowOf(y), x) : 1; }
  int GetPixel(int x, int y) const { return TestBit(x, y); }

  // Ink pixels among the four and the eight neighbours; neighbours outside count as
  // background.
  int CountInk4(int x, int y) const;
  int CountInk8(int x, int y) const;
  // ring[k] = 1 where neighbour k (0 up, then clockwise: up-right, right, down-right,
  // down, down-left, left, up-left) is ink; returns their number.
  int GetRing(int x, int y, int ring[8]) const;
  // Whether thinning may remove the ink pixel at (x, y) (Hilditch's conditions).
  int CanThinPixel(int x, int y) const;

  // Byte-wise over the rows top to bottom - 1 and the bytes left / 8 to right / 8:
  // SRCCOPY, SRCAND, NOTSRCCOPY or MERGEPAINT with source bits of the same geometry; any
  // other operation does nothing.
  void RasterOp(const uint8_t* source, int left, int top, int right, int bottom, uint32_t operation);

  uint8_t* m_pBits = nullptr;
  int m_left = 0;
  int m_top = 0;
  int m_right = 0;
  int m_bottom = 0;
  int m_width = 0;
  int m_height = 0;
  int m_stride = 0;
  int m_rows = 0;
  int m_lastRow = -1;

 private:
  bool Inside(int x, int y) const { return m_pBits && x >= 0 && y >= 0 && x < m_width && y < m_rows; }
  uint8_t* RowOf(int y) const { return m_pBits + size_t(m_lastRow - y) * size_t(m_stride); }
};

// Transitions from background to ink going round a ring, and its background entries.
int CountRingTransitions(const int ring[8]);
int CountRingBackground(const int ring[8]);
// The connectivity number of a ring for 8-connected ink: how many separate groups the
// ink neighbours form, each counted where it meets the background at a 4-neighbour (0
// when all four 4-neighbours are ink). Removing the centre of a ring whose number is 1
// splits nothing and opens no hole.
int RingConnectivity8(const int ring[8]);
