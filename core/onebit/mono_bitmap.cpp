#include "core/onebit/mono_bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/raster_ops.h"
#include "platform/gdi/surface.h"

namespace {

// Neighbour offsets in ring order.
constexpr int kRingDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kRingDy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};

}  // namespace

void CMonoBitmap::Attach(uint8_t* bits, int x0, int y0, int x1, int y1, int width, int height) {
  m_pBits = bits;
  m_left = x0;
  m_top = y0;
  m_right = x1;
  m_bottom = y1;
  m_width = std::max(width, 0);
  m_height = std::max(height, 0);
  m_stride = tmb::MonoStride(m_width);
  m_rows = m_height;
  m_lastRow = m_height - 1;
}

void CMonoBitmap::Clear() {
  if (m_pBits) std::memset(m_pBits, 0xFF, size_t(m_stride) * size_t(m_rows));
}

void CMonoBitmap::CopyAllFrom(const uint8_t* source) {
  if (m_pBits && source) std::memcpy(m_pBits, source, size_t(m_stride) * size_t(m_rows));
}

void CMonoBitmap::CopyRows(const uint8_t* source, int top, int bottom) {
  if (!m_pBits || !source) return;
  top = std::max(top, 0);
  bottom = std::min(bottom, m_rows);
  for (int y = top; y < bottom; ++y) {
    const size_t offset = size_t(m_lastRow - y) * size_t(m_stride);
    std::memcpy(m_pBits + offset, source + offset, size_t(m_stride));
  }
}

void CMonoBitmap::PutPixel4(int x, int y, int value) {
  SetBit(x - 1, y, value);
  SetBit(x, y + 1, value);
  SetBit(x + 1, y, value);
  SetBit(x, y - 1, value);
}

int CMonoBitmap::CountInk4(int x, int y) const {
  return !TestBit(x, y - 1) + !TestBit(x + 1, y) + !TestBit(x, y + 1) + !TestBit(x - 1, y);
}

int CMonoBitmap::CountInk8(int x, int y) const {
  int n = 0;
  for (int k = 0; k < 8; ++k) n += !TestBit(x + kRingDx[k], y + kRingDy[k]);
  return n;
}

int CMonoBitmap::GetRing(int x, int y, int ring[8]) const {
  int n = 0;
  for (int k = 0; k < 8; ++k) {
    ring[k] = TestBit(x + kRingDx[k], y + kRingDy[k]) ? 0 : 1;
    n += ring[k];
  }
  return n;
}

int CountRingTransitions(const int ring[8]) {
  int n = 0;
  for (int k = 0; k < 8; ++k) n += ring[k] == 0 && ring[(k + 1) % 8] == 1;
  return n;
}

int CountRingBackground(const int ring[8]) {
  int n = 0;
  for (int k = 0; k < 8; ++k) n += ring[k] == 0;
  return n;
}

int RingConnectivity8(const int ring[8]) {
  int n = 0;
  for (int k = 0; k < 8; k += 2) {
    const int a = 1 - ring[k], b = 1 - ring[k + 1], c = 1 - ring[(k + 2) % 8];
    n += a - a * b * c;
  }
  return n;
}

int CMonoBitmap::CanThinPixel(int x, int y) const {
  int ring[8];
  const int n = GetRing(x, y, ring);
  if (n < 2 || n > 6 || CountRingTransitions(ring) != 1) return 0;
  // Keep two-pixel-wide lines from vanishing: up, right and left ink -> look above;
  // up, right and down ink -> look to the right.
  int other[8];
  if (ring[0] && ring[2] && ring[6]) {
    GetRing(x, y - 1, other);
    if (CountRingTransitions(other) == 1) return 0;
  }
  if (ring[0] && ring[2] && ring[4]) {
    GetRing(x + 1, y, other);
    if (CountRingTransitions(other) == 1) return 0;
  }
  return 1;
}

void CMonoBitmap::RasterOp(const uint8_t* source, int left, int top, int right, int bottom, uint32_t operation) {
  if (!m_pBits || !source || m_stride == 0) return;
  if (operation != tmb::kSrcCopy && operation != tmb::kSrcAnd && operation != tmb::kNotSrcCopy &&
      operation != tmb::kMergePaint) {
    return;
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, m_rows);
  const int first = std::max(left, 0) / 8;
  const int last = std::min(right / 8, m_stride - 1);
  for (int y = top; y < bottom; ++y) {
    const size_t offset = size_t(m_lastRow - y) * size_t(m_stride);
    uint8_t* d = m_pBits + offset;
    const uint8_t* s = source + offset;
    for (int i = first; i <= last; ++i) {
      switch (operation) {
        case tmb::kSrcCopy: d[i] = s[i]; break;
        case tmb::kSrcAnd: d[i] &= s[i]; break;
        case tmb::kNotSrcCopy: d[i] = uint8_t(~s[i]); break;
        default: d[i] = uint8_t(d[i] | ~s[i]); break;
      }
    }
  }
}
