#include "platform/gdi/blit_rows.h"

#include <algorithm>

#include "platform/gdi/pixel.h"
#include "platform/gdi/raster_ops.h"

namespace tmb::blit {

void ExtractMono(const uint8_t* src, int sx, int n, int offset, uint8_t* out) {
  const int bytes = (offset + n + 7) >> 3;
  const int shift = sx - offset;  // source bit of output bit k is k + shift
  for (int j = 0; j < bytes; ++j) {
    const int start = 8 * j + shift;
    if (start < 0) {
      out[j] = uint8_t(src[0] >> (-start));
      continue;
    }
    const int b = start >> 3, s = start & 7;
    out[j] = uint8_t(s ? (src[b] << s) | (src[b + 1] >> (8 - s)) : src[b]);
  }
}

void CombineColour(uint32_t* dst, const uint32_t* src, int n, uint8_t op, uint32_t pat) {
  if (op == 0xCC) {
    std::memcpy(dst, src, size_t(n) * 4);
    return;
  }
  for (int i = 0; i < n; ++i) dst[i] = ApplyRop3<uint32_t>(op, pat, src[i], dst[i]) | kStoredAlpha;
}

void CombineMono(uint8_t* row, int x, int n, const uint8_t* src, uint8_t op, uint8_t pat) {
  const int first = x >> 3, last = (x + n - 1) >> 3;
  const uint8_t head = uint8_t(0xFFu >> (x & 7));
  const uint8_t tail = uint8_t(0xFFu << (7 - ((x + n - 1) & 7)));
  for (int j = first; j <= last; ++j) {
    uint8_t mask = 0xFF;
    if (j == first) mask &= head;
    if (j == last) mask &= tail;
    const uint8_t d = row[j];
    const uint8_t r = ApplyRop3<uint8_t>(op, pat, src[j - first], d);
    row[j] = uint8_t((d & ~mask) | (r & mask));
  }
}

void CombineMonoMasked(uint8_t* row, int x, int n, const uint8_t* src, const uint8_t* mask, uint8_t fore,
                       uint8_t back, uint8_t pat) {
  const int first = x >> 3, last = (x + n - 1) >> 3;
  const uint8_t head = uint8_t(0xFFu >> (x & 7));
  const uint8_t tail = uint8_t(0xFFu << (7 - ((x + n - 1) & 7)));
  for (int j = first; j <= last; ++j) {
    uint8_t m = 0xFF;
    if (j == first) m &= head;
    if (j == last) m &= tail;
    const uint8_t d = row[j], s = src[j - first], k = mask[j - first];
    const uint8_t r = uint8_t((ApplyRop3<uint8_t>(fore, pat, s, d) & k) | (ApplyRop3<uint8_t>(back, pat, s, d) & ~k));
    row[j] = uint8_t((d & ~m) | (r & m));
  }
}

void CombineColourMasked(uint32_t* dst, const uint32_t* src, const uint8_t* mask, int n, uint8_t fore,
                         uint8_t back, uint32_t pat) {
  for (int i = 0; i < n; ++i) {
    const uint8_t op = MonoBit(mask, i) ? fore : back;
    dst[i] = ApplyRop3<uint32_t>(op, pat, src[i], dst[i]) | kStoredAlpha;
  }
}

void CountOnes4x4(const Surface& src, int64_t sx, int sy, int n, uint8_t* counts) {
  for (int g = 0; g < n; g += 16) {
    uint64_t hi = 0, lo = 0;
    for (int r = 0; r < 4; ++r) {
      uint64_t x = Load64(src.Row(sy + r), sx + int64_t(g) * 4);
      x = x - ((x >> 1) & 0x5555555555555555ull);
      x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
      hi += (x >> 4) & 0x0F0F0F0F0F0F0F0Full;
      lo += x & 0x0F0F0F0F0F0F0F0Full;
    }
    const int m = std::min(16, n - g);
    for (int k = 0; k < m; ++k) {
      const int byte = 7 - (k >> 1);
      counts[g + k] = uint8_t(((k & 1) ? lo : hi) >> (8 * byte));
    }
  }
}

}  // namespace tmb::blit
