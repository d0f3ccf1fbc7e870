#include "support/swf_adpcm_decoder.h"

#include <algorithm>
#include <cmath>

#include "support/swf_reader.h"

namespace tmb::test {
namespace {

// The IMA ADPCM step sizes: 7, then each about 1.1 times the one before, up to 32,767.
const int kSteps[89] = {
    7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50, 55, 60,
    66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371,
    408, 449, 494, 544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878,
    2066, 2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845,
    8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086,
    29794, 32767};

// Index adjustments by the magnitude bits of a code, per code size 2..5.
int IndexAdjust(int codeSize, uint32_t magnitude) {
  static const int k2[] = {-1, 2};
  static const int k3[] = {-1, -1, 2, 4};
  static const int k4[] = {-1, -1, -1, -1, 2, 4, 6, 8};
  static const int k5[] = {-1, -1, -1, -1, -1, -1, -1, -1, 1, 2, 4, 6, 8, 10, 13, 16};
  const int* tables[] = {k2, k3, k4, k5};
  return tables[codeSize - 2][magnitude];
}

struct ChannelState {
  int sample = 0;
  int index = 0;
};

void DecodeCode(ChannelState& ch, uint32_t code, int codeSize) {
  const uint32_t signBit = 1u << (codeSize - 1);
  const uint32_t magnitude = code & (signBit - 1);
  const int step = kSteps[ch.index];
  // The difference is step x (magnitude + 1/2) / 2^(codeSize - 2), each term rounded
  // down on its own.
  int diff = step >> (codeSize - 1);
  for (int k = 0; k < codeSize - 1; ++k) {
    if (magnitude & (1u << k)) diff += step >> (codeSize - 2 - k);
  }
  ch.sample = std::clamp((code & signBit) ? ch.sample - diff : ch.sample + diff, -32768, 32767);
  ch.index = std::clamp(ch.index + IndexAdjust(codeSize, magnitude), 0, 88);
}

}  // namespace

std::vector<int16_t> DecodeSwfAdpcm(std::span<const uint8_t> data, bool stereo, uint32_t frames) {
  SwfBits bits(data);
  const int channels = stereo ? 2 : 1;
  const int codeSize = static_cast<int>(bits.UB(2)) + 2;
  std::vector<int16_t> out;
  ChannelState state[2];
  for (uint32_t f = 0; f < frames && bits.ok(); ++f) {
    if (f % 4096 == 0) {
      for (int c = 0; c < channels; ++c) {
        state[c].sample = bits.SB(16);
        state[c].index = static_cast<int>(bits.UB(6));
      }
    } else {
      for (int c = 0; c < channels; ++c) DecodeCode(state[c], bits.UB(codeSize), codeSize);
    }
    if (!bits.ok()) break;
    for (int c = 0; c < channels; ++c) out.push_back(static_cast<int16_t>(state[c].sample));
  }
  return out;
}

double SignalToNoiseDb(std::span<const int16_t> original, std::span<const int16_t> decoded) {
  double signal = 0;
  double noise = 0;
  const size_t n = std::min(original.size(), decoded.size());
  for (size_t i = 0; i < n; ++i) {
    signal += double(original[i]) * original[i];
    const double e = double(original[i]) - decoded[i];
    noise += e * e;
  }
  if (noise == 0) return 1e9;
  return 10.0 * std::log10(signal / noise);
}

}  // namespace tmb::test
