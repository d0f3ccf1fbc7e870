#include "support/surface_checksum.h"

#include <bit>
#include <cstdio>

#include "core/path/stroke_path.h"

namespace tmb::test {
namespace {

constexpr uint64_t kFnvOffset = 0xCBF29CE484222325ull;
constexpr uint64_t kFnvPrime = 0x100000001B3ull;

void Mix(uint64_t& h, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    h ^= (value >> (8 * i)) & 0xFF;
    h *= kFnvPrime;
  }
}

}  // namespace

uint64_t SurfaceChecksum(const Surface& surface) {
  uint64_t h = kFnvOffset;
  Mix(h, uint64_t(surface.width()), 4);
  Mix(h, uint64_t(surface.height()), 4);
  Mix(h, surface.IsMono() ? 1 : 32, 1);
  if (surface.IsNull()) return h;
  for (int y = 0; y < surface.height(); ++y) {
    if (surface.IsMono()) {
      const uint8_t* row = surface.Row(y);
      const int whole = surface.width() / 8, rest = surface.width() % 8;
      for (int b = 0; b < whole; ++b) Mix(h, row[b], 1);
      if (rest) Mix(h, row[whole] & uint8_t(0xFF00u >> rest), 1);
    } else {
      const uint32_t* row = surface.ColourRow(y);
      for (int x = 0; x < surface.width(); ++x) Mix(h, row[x], 4);
    }
  }
  return h;
}

uint64_t PathChecksum(const CStrokePath& path) {
  uint64_t h = kFnvOffset;
  Mix(h, uint64_t(path.m_nCount), 4);
  for (int i = 0; i < path.m_nCount; ++i) {
    Mix(h, std::bit_cast<uint32_t>(path.m_pPoints[i].x), 4);
    Mix(h, std::bit_cast<uint32_t>(path.m_pPoints[i].y), 4);
    Mix(h, path.m_pFlags[i], 1);
  }
  return h;
}

std::string ChecksumText(uint64_t checksum) {
  char text[19];
  std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(checksum));
  return text;
}

}  // namespace tmb::test
