// Hand-made JPEG files that are all header: a grey baseline picture of any claimed size
// whose data is far too short for it, for the readers' damaged-input tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tmb::test {

// Start of image, a quantisation table, the frame header (width x height, one
// component), the scan header, then zero bytes up to size bytes in all; no end marker.
// Huffman tables are left to the decoder's defaults.
std::vector<uint8_t> JpegHeaderOnly(int width, int height, size_t size);

}  // namespace tmb::test
