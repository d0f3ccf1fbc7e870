#include "support/jpeg_header.h"

#include <algorithm>
#include <iterator>

namespace tmb::test {

std::vector<uint8_t> JpegHeaderOnly(int width, int height, size_t size) {
  // Built from arrays into reserved room: GCC's optimiser misreads the growth of a vector
  // made from a brace list and warns of bounds it never passes.
  const uint8_t start[] = {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x43, 0x00};
  std::vector<uint8_t> bytes;
  bytes.reserve(std::max<size_t>(size, 100));
  bytes.insert(bytes.end(), std::begin(start), std::end(start));
  bytes.insert(bytes.end(), 64, 1);
  const uint8_t frame[] = {0xFF, 0xC0, 0x00, 0x0B, 0x08, uint8_t(height >> 8), uint8_t(height), uint8_t(width >> 8),
                           uint8_t(width), 0x01, 0x01, 0x11, 0x00};
  bytes.insert(bytes.end(), std::begin(frame), std::end(frame));
  const uint8_t scan[] = {0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00};
  bytes.insert(bytes.end(), std::begin(scan), std::end(scan));
  if (bytes.size() < size) bytes.resize(size, 0);
  return bytes;
}

}  // namespace tmb::test
