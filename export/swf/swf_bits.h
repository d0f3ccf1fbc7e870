// Bit counts of the SWF writer's variable-width fields.
#pragma once

#include <cstdint>

// The most a 5-bit bit-count field (Nbits, MoveBits, NTranslateBits ...) can hold.
constexpr int kSwfMaxFiveBitCount = 31;
// The most a 4-bit bit-count field (NumFillBits, NumLineBits, a CXFORM's Nbits) can hold.
constexpr int kSwfMaxFourBitCount = 15;

// The number of bits of value plus extra (0 for value 0 gives extra); records pass a
// magnitude with extra 1 to size a signed field. At most 32 + extra.
int BitsForValue(uint32_t value, int extra);

// The largest of the four magnitudes (|INT32_MIN| included, as 2^31).
uint32_t MaxAbs4(int32_t a, int32_t b, int32_t c, int32_t d);

// The magnitude of v as an unsigned value.
inline uint32_t Magnitude(int32_t v) {
  return v < 0 ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
}

class SwfOutputBuffer;

// The width of a signed field for values up to magnitude (BitsForValue (magnitude, 1));
// when its count field holds at most maxBits, a wider one fails out.
int SignedFieldBits(SwfOutputBuffer& out, uint32_t magnitude, int maxBits);
