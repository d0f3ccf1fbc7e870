#include "core/geometry/number_helpers.h"

#include <cstring>
#include <utility>

void SwapInt(int32_t& a, int32_t& b) { std::swap(a, b); }

int32_t SwapIntReturnOld(int32_t& a, int32_t& b) {
  const int32_t old = a;
  std::swap(a, b);
  return old;
}

int IsBetween(int32_t lo, int32_t v, int32_t hi) { return lo <= v && v <= hi ? 1 : 0; }

int32_t ClampInt(int32_t v, int32_t lo, int32_t hi) {
  if (v < lo) return lo;
  if (v > hi) return hi;
  return v;
}

double ClampDouble(double v, double lo, double hi) {
  if (v < lo) return lo;
  if (v > hi) return hi;
  return v;
}

void CopyBytes(void* dst, const void* src, size_t n) {
  if (n) std::memmove(dst, src, n);
}

int IndexOfInt(int32_t v, const int32_t* array, int n) {
  for (int i = 0; i < n && array; ++i) {
    if (array[i] == v) return i;
  }
  return -1;
}

namespace {

// The length of a run before its terminator: given, or counted; -1 without a terminator.
int RunLength(std::span<const uint8_t> run, int len) {
  if (len < 0) {
    for (size_t i = 0; i < run.size(); ++i) {
      if (run[i] == 255) return int(i);
    }
    return -1;
  }
  return size_t(len) < run.size() ? len : -1;
}

}  // namespace

int AppendTerminatedRun(std::span<uint8_t> dst, std::span<const uint8_t> src, int dstLen, int srcLen) {
  const int d = RunLength(dst, dstLen);
  const int s = RunLength(src, srcLen);
  if (d < 0 || s < 0 || size_t(d) + size_t(s) + 1 > dst.size()) return -1;
  std::memmove(dst.data() + d, src.data(), size_t(s));
  dst[size_t(d + s)] = 255;
  return d + s;
}

uint8_t* ColorToRgbBytes(uint8_t* dst, tmb::Colour colour) {
  dst[0] = uint8_t(tmb::RedOf(colour));
  dst[1] = uint8_t(tmb::GreenOf(colour));
  dst[2] = uint8_t(tmb::BlueOf(colour));
  return dst;
}
