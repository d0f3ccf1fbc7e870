#include "core/onebit/pixel_window.h"

#include <array>

namespace {

// Bit of the window for the pixel dx, dy away from the centre.
constexpr int WindowBit(int dx, int dy) { return (dy + 2) * 4 + (2 - dx); }

// A 4 x 4 bitmap holding a window, for running the tests themselves on it.
class WindowBlock {
 public:
  WindowBlock() { block_.Attach(rows_.data(), 0, 0, 4, 4, 4, 4); }
  const CMonoBitmap& Holding(uint32_t window) {
    block_.Clear();
    for (int dy = -2; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 2; ++dx) {
        if ((window >> WindowBit(dx, dy)) & 1) block_.SetBit(1 + dx, 2 + dy, 0);
      }
    }
    return block_;
  }

 private:
  std::array<uint8_t, 16> rows_{};  // 4 rows of 4 bytes
  CMonoBitmap block_;
};

std::array<uint64_t, 1024> MakeCanThinBits() {
  std::array<uint64_t, 1024> bits{};
  WindowBlock block;
  for (uint32_t w = 0; w < (1u << 16); ++w) {
    if (block.Holding(w).CanThinPixel(1, 2)) bits[w >> 6] |= uint64_t(1) << (w & 63);
  }
  return bits;
}

std::array<uint8_t, 512> MakeCoreFacts() {
  std::array<uint8_t, 512> facts{};
  WindowBlock block;
  for (uint32_t core = 0; core < facts.size(); ++core) {
    // The core's rows in the middle of a window.
    const uint32_t window = ((core & 7u) << 5) | (((core >> 3) & 7u) << 9) | (((core >> 6) & 7u) << 13);
    int ring[8];
    const int ink = block.Holding(window).GetRing(1, 2, ring);
    facts[core] = uint8_t((ink << kCoreInkShift) | (ink >= 2 && RingConnectivity8(ring) == 1 ? kCoreSimple : 0));
  }
  return facts;
}

// The ink of byte k of a row (set bits), nothing outside the bitmap's width.
uint32_t InkOfByte(const CMonoBitmap& bitmap, const uint8_t* row, int k) {
  if (k < 0 || k >= bitmap.m_stride) return 0;
  const int first = k * 8;
  if (first >= bitmap.m_width) return 0;
  const uint32_t ink = ~uint32_t(row[k]) & 0xFFu;
  const int valid = bitmap.m_width - first;
  return valid >= 8 ? ink : ink & (0xFFu << (8 - valid));
}

}  // namespace

const uint64_t* CanThinBits() {
  static const std::array<uint64_t, 1024> bits = MakeCanThinBits();
  return bits.data();
}

const uint8_t* CoreFacts() {
  static const std::array<uint8_t, 512> facts = MakeCoreFacts();
  return facts.data();
}

void ByteWindows::ReadAtEdge(const CMonoBitmap& bitmap, int b, int y) {
  for (int r = 0; r < 4; ++r) {
    const int yy = y - 2 + r;
    if (!bitmap.m_pBits || yy < 0 || yy >= bitmap.m_rows) {
      m_rows[r] = 0;
      continue;
    }
    const uint8_t* row = bitmap.m_pBits + size_t(bitmap.m_lastRow - yy) * size_t(bitmap.m_stride);
    m_rows[r] =
        (InkOfByte(bitmap, row, b - 1) << 16) | (InkOfByte(bitmap, row, b) << 8) | InkOfByte(bitmap, row, b + 1);
  }
}
