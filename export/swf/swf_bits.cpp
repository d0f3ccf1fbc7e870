#include "export/swf/swf_bits.h"

#include <algorithm>
#include <bit>
#include <string>

#include "export/swf/swf_output_buffer.h"

int BitsForValue(uint32_t value, int extra) {
  return static_cast<int>(std::bit_width(value)) + extra;
}

uint32_t MaxAbs4(int32_t a, int32_t b, int32_t c, int32_t d) {
  return std::max({Magnitude(a), Magnitude(b), Magnitude(c), Magnitude(d)});
}

int SignedFieldBits(SwfOutputBuffer& out, uint32_t magnitude, int maxBits) {
  const int n = BitsForValue(magnitude, 1);
  if (n > maxBits) {
    out.Fail("a value of magnitude " + std::to_string(magnitude) + " needs " + std::to_string(n) +
             " bits where at most " + std::to_string(maxBits) + " fit");
  }
  return n;
}
