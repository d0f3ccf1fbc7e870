#include "core/bitmap/bmp_pixels.h"

#include <algorithm>
#include <bit>

namespace tmb {
namespace {

// Puts index v at pixel x of an uncompressed row of bitCount 4 or 8.
void PutIndex(uint8_t* row, int bitCount, int64_t x, uint8_t v) {
  if (bitCount == 8) {
    row[x] = v;
    return;
  }
  uint8_t& b = row[x >> 1];
  b = (x & 1) ? uint8_t((b & 0xF0) | (v & 0x0F)) : uint8_t((b & 0x0F) | (v << 4));
}

// A channel of v widened or narrowed to 8 bits: a narrow channel repeats its bits into
// the low ones (5 bits abcde become abcdeabc), so its top level is 255, as the writers of
// such files read them back.
uint8_t Channel(uint32_t v, const BitField& f) {
  if (f.bits == 0) return 0;
  const uint32_t c = uint32_t((uint64_t(v) >> f.shift) & ((uint64_t(1) << f.bits) - 1));
  if (f.bits >= 8) return uint8_t(c >> (f.bits - 8));
  uint32_t out = 0;
  for (int shift = 8 - f.bits; shift > -f.bits; shift -= f.bits) out |= shift >= 0 ? c << shift : c >> -shift;
  return uint8_t(out);
}

}  // namespace

bool BitFieldOfMask(uint32_t mask, BitField& field) {
  field = {};
  if (mask == 0) return true;
  const int shift = std::countr_zero(mask);
  const uint32_t run = mask >> shift;
  if ((run & (run + 1)) != 0) return false;
  field = {shift, std::popcount(run)};
  return true;
}

bool DecodeRunLengths(std::span<const uint8_t> data, int bitCount, int width, int height, int64_t stride,
                      std::span<uint8_t> rows) {
  if ((bitCount != 4 && bitCount != 8) || width <= 0 || height <= 0 || stride <= 0 ||
      uint64_t(stride) * uint64_t(height) > rows.size()) {
    return false;
  }
  // Runs may cover the row's padding (some writers encode the padded row); that is the
  // row's end.
  const int64_t rowPixels = stride * 8 / bitCount;
  size_t at = 0;
  int64_t x = 0, y = 0;  // y counts scan lines from the bottom row
  auto row = [&] { return rows.data() + size_t(y) * size_t(stride); };
  while (at + 2 <= data.size()) {
    const int count = data[at], value = data[at + 1];
    at += 2;
    if (count > 0) {
      // A run of one index (8 bits) or of two alternating indices (4 bits).
      if (y >= height || x + count > rowPixels) return false;
      uint8_t* r = row();
      for (int i = 0; i < count; ++i) {
        const uint8_t v = bitCount == 8 ? uint8_t(value) : uint8_t(i % 2 == 0 ? value >> 4 : value & 0x0F);
        PutIndex(r, bitCount, x++, v);
      }
      continue;
    }
    switch (value) {
      case 0:  // end of the row
        if (y >= height) return false;
        x = 0;
        ++y;
        break;
      case 1:  // end of the picture
        return true;
      case 2: {  // a move right and up
        if (at + 2 > data.size()) return false;
        x += data[at];
        y += data[at + 1];
        at += 2;
        if (x > rowPixels || y > height || (y == height && x > 0)) return false;
        break;
      }
      default: {  // literal indices, padded to a whole number of words
        const size_t bytes = bitCount == 8 ? size_t(value) : size_t(value + 1) / 2;
        if (y >= height || x + value > rowPixels || at + bytes > data.size()) return false;
        uint8_t* r = row();
        for (int i = 0; i < value; ++i) {
          const uint8_t b = data[at + (bitCount == 8 ? size_t(i) : size_t(i / 2))];
          const uint8_t v = bitCount == 8 ? b : uint8_t(i % 2 == 0 ? b >> 4 : b & 0x0F);
          PutIndex(r, bitCount, x++, v);
        }
        at += (bytes + 1) & ~size_t(1);
        break;
      }
    }
  }
  // Data that stops after the last row's end still holds the whole picture.
  return y == height;
}

bool ExpandBitFields(std::span<const uint8_t> bits, int bitCount, int width, int64_t rowCount, const BitField fields[3],
                     std::span<uint8_t> rows) {
  if ((bitCount != 16 && bitCount != 32) || width < 0 || rowCount < 0) return false;
  const int bytes = bitCount / 8;
  const size_t inStride = (size_t(width) * size_t(bitCount) + 31) / 32 * 4;
  const size_t outStride = size_t(width) * 4;
  if (bits.size() / std::max<size_t>(inStride, 1) < size_t(rowCount) ||
      rows.size() / std::max<size_t>(outStride, 1) < size_t(rowCount)) {
    return false;
  }
  for (int64_t k = 0; k < rowCount; ++k) {
    const uint8_t* in = bits.data() + size_t(k) * inStride;
    uint8_t* out = rows.data() + size_t(k) * outStride;
    for (int x = 0; x < width; ++x, in += bytes, out += 4) {
      const uint32_t v = bytes == 2 ? uint32_t(in[0] | in[1] << 8)
                                    : uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16 | uint32_t(in[3]) << 24;
      out[0] = Channel(v, fields[2]);
      out[1] = Channel(v, fields[1]);
      out[2] = Channel(v, fields[0]);
      out[3] = 0;
    }
  }
  return true;
}

}  // namespace tmb
