// A decoder of SWF ADPCM sound data for tests, written from the format's public
// description: a 2-bit code size field, then packets of up to 4,096 sample frames, each
// opening with a 16-bit sample and a 6-bit step index per channel.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tmb::test {

// The interleaved 16-bit samples of frames sample frames (fewer when the data ends).
std::vector<int16_t> DecodeSwfAdpcm(std::span<const uint8_t> data, bool stereo, uint32_t frames);

// Signal-to-noise ratio in dB of decoded against original samples.
double SignalToNoiseDb(std::span<const int16_t> original, std::span<const int16_t> decoded);

}  // namespace tmb::test
