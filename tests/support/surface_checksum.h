// Checksums that pin pictures and paths to the bit, for tests that keep a drawing the
// same while the code that draws it is made faster.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gdi/surface.h"

class CStrokePath;

namespace tmb::test {

// FNV-1a over the size, the format and every pixel as stored (colour words whole, the
// alpha byte too; monochrome rows without their padding bits).
uint64_t SurfaceChecksum(const Surface& surface);

// FNV-1a over the count and every point's coordinates (their bits) and flag byte.
uint64_t PathChecksum(const CStrokePath& path);

// A checksum as the tests' tables write it: 0x followed by 16 hex digits.
std::string ChecksumText(uint64_t checksum);

}  // namespace tmb::test
