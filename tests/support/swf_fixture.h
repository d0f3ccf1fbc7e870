// Helpers of the SWF writer's tests: the bytes a record or buffer writes, and WAVE files
// built byte by byte.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/swf_reader.h"

class SwfOutputBuffer;
class SwfTag;

namespace tmb::test {

// The logical content of the buffer (which is emptied of its blocks).
std::vector<uint8_t> SwfBufferBytes(SwfOutputBuffer& buffer);
// The record the tag writes; fails the test when the write fails.
std::vector<uint8_t> SwfTagBytes(const SwfTag& tag);
// The record the tag writes, as the reader takes it apart.
SwfTagRecord ReadBackSwfTag(const SwfTag& tag);
// The reason the tag's write fails (empty when it succeeds).
std::string SwfTagWriteError(const SwfTag& tag);

// A canonical PCM WAVE file: "fmt " of 16 bytes, then "data" with the given bytes.
std::vector<uint8_t> WaveFileBytes(int rate, int channels, int bits, std::span<const uint8_t> data,
                                   int formatTag = 1);
// The bytes of 16-bit samples, little-endian.
std::vector<uint8_t> PcmBytes(std::span<const int16_t> samples);
// A sine of the given frequency and amplitude, one sample per frame.
std::vector<int16_t> SineSamples(double frequency, double amplitude, int rate, size_t frames);

}  // namespace tmb::test
