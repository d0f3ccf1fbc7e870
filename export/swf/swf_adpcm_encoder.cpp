#include "export/swf/swf_adpcm_encoder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

namespace {

constexpr std::array<int, 89> kStepTable = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,   253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,   876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749,  3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493,  10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

constexpr int kMaxIndex = static_cast<int>(kStepTable.size()) - 1;
constexpr int kMaxPacketIndex = 63;  // the 6-bit index of a packet's start
constexpr int kPacketStartBits = 16;
constexpr int kPacketIndexBits = 6;
constexpr int kCodeSizeBits = 2;
constexpr uint64_t kPacketMask = SwfAdpcmEncoder::kPacketFrames - 1;

// How the step index moves after a code, by the code's magnitude bits, per code size.
constexpr int kIndex2[] = {-1, 2};
constexpr int kIndex3[] = {-1, -1, 2, 4};
constexpr int kIndex4[] = {-1, -1, -1, -1, 2, 4, 6, 8};
constexpr int kIndex5[] = {-1, -1, -1, -1, -1, -1, -1, -1, 1, 2, 4, 6, 8, 10, 13, 16};

template <int kCodeSize>
constexpr const int* IndexTable() {
  if constexpr (kCodeSize == 2) return kIndex2;
  if constexpr (kCodeSize == 3) return kIndex3;
  if constexpr (kCodeSize == 4) return kIndex4;
  return kIndex5;
}

// The smallest step index (below 63) whose step covers the difference.
int StartIndex(int difference) {
  for (int i = 0; i < kMaxPacketIndex; ++i) {
    if (kStepTable[i] >= difference) return i;
  }
  return kMaxPacketIndex;
}

// Bits most significant first into memory sized beforehand; the accumulator and count
// live in registers while a call codes its frames.
struct BitSink {
  uint64_t accumulator;
  int pending;
  uint8_t* out;

  void Put(uint32_t value, int n) {
    accumulator = (accumulator << n) | value;
    pending += n;
    if (pending >= 32) {
      pending -= 32;
      const uint32_t word = static_cast<uint32_t>(accumulator >> pending);
      out[0] = static_cast<uint8_t>(word >> 24);
      out[1] = static_cast<uint8_t>(word >> 16);
      out[2] = static_cast<uint8_t>(word >> 8);
      out[3] = static_cast<uint8_t>(word);
      out += 4;
    }
  }
};

// One sample's code: the difference to the prediction in steps of the current size, the
// sign in the top bit; the prediction and step index move as the decoder's will.
template <int kCodeSize>
uint32_t CodeSample(int& predicted, int& index, int sample) {
  constexpr int kSignBit = 1 << (kCodeSize - 1);
  int d = sample - predicted;
  int sign = 0;
  if (d < 0) {
    sign = kSignBit;
    d = -d;
  }
  int step = kStepTable[static_cast<size_t>(index)];
  int code = 0;
  int delta = 0;
  for (int mask = kSignBit >> 1; mask != 0; mask >>= 1) {
    if (d >= step) {
      code |= mask;
      d -= step;
      delta += step;
    }
    step >>= 1;
  }
  delta += step;
  predicted = std::clamp(predicted + (sign ? -delta : delta), -32768, 32767);
  index = std::clamp(index + IndexTable<kCodeSize>()[code], 0, kMaxIndex);
  return static_cast<uint32_t>(code | sign);
}

}  // namespace

SwfAdpcmEncoder::SwfAdpcmEncoder(bool stereo, int codeSize) : m_bStereo(stereo), m_nCodeSize(codeSize) {
  if (codeSize < kMinCodeSize || codeSize > kMaxCodeSize) {
    m_status = tmb::Status::Fail("ADPCM code size " + std::to_string(codeSize) + " outside 2..5");
  }
}

void SwfAdpcmEncoder::EncodeAdpcm(std::span<const int16_t> samples) {
  if (!m_status) return;
  switch (m_nCodeSize) {
    case 2: EncodeFrames<2>(samples); break;
    case 3: EncodeFrames<3>(samples); break;
    case 4: EncodeFrames<4>(samples); break;
    default: EncodeFrames<5>(samples); break;
  }
}

template <int kCodeSize>
void SwfAdpcmEncoder::EncodeFrames(std::span<const int16_t> samples) {
  const size_t channels = static_cast<size_t>(Channels());
  const size_t frames = samples.size() / channels;
  if (frames == 0) return;
  // Room for every code, a packet start per channel for each packet begun, the code
  // size and the word in the accumulator.
  const size_t packets = frames / kPacketFrames + 2;
  const size_t bits = frames * channels * kCodeSize +
                      packets * channels * (kPacketStartBits + kPacketIndexBits) + kCodeSizeBits + 64;
  const size_t used = m_bytes.size();
  m_bytes.resize(used + bits / 8 + 8);
  BitSink sink{m_accumulator, m_nPending, m_bytes.data() + used};
  if (!m_bStarted) {
    sink.Put(static_cast<uint32_t>(kCodeSize - kMinCodeSize), kCodeSizeBits);
    m_bStarted = true;
  }
  const int16_t* frame = samples.data();
  uint64_t counter = m_nFrames;
  for (size_t f = 0; f < frames; ++f, frame += channels) {
    ++counter;
    if ((counter & kPacketMask) == 1) {
      for (size_t c = 0; c < channels; ++c) {
        const int sample = frame[c];
        const int next = f + 1 < frames ? frame[channels + c] : sample;
        m_channels[c].predicted = sample;
        m_channels[c].index = StartIndex(std::abs(next - sample));
        sink.Put(static_cast<uint16_t>(sample), kPacketStartBits);
        sink.Put(static_cast<uint32_t>(m_channels[c].index), kPacketIndexBits);
      }
      continue;
    }
    for (size_t c = 0; c < channels; ++c) {
      sink.Put(CodeSample<kCodeSize>(m_channels[c].predicted, m_channels[c].index, frame[c]), kCodeSize);
    }
  }
  m_nFrames = counter;
  m_accumulator = sink.accumulator;
  m_nPending = sink.pending;
  m_bytes.resize(static_cast<size_t>(sink.out - m_bytes.data()));
}

void SwfAdpcmEncoder::EncodeAdpcm8(std::span<const uint8_t> samples) {
  const size_t channels = static_cast<size_t>(Channels());
  const size_t piece = kPacketFrames * channels;
  std::vector<int16_t> wide(std::min(piece, samples.size()));
  for (size_t first = 0; first < samples.size(); first += piece) {
    const size_t n = std::min(piece, samples.size() - first);
    for (size_t i = 0; i < n; ++i) wide[i] = static_cast<int16_t>((samples[first + i] - 128) * 256);
    EncodeAdpcm(std::span<const int16_t>(wide.data(), n));
  }
}

void SwfAdpcmEncoder::Flush() {
  while (m_nPending >= 8) {
    m_nPending -= 8;
    m_bytes.push_back(static_cast<uint8_t>(m_accumulator >> m_nPending));
  }
  if (m_nPending > 0) {
    m_bytes.push_back(static_cast<uint8_t>(m_accumulator << (8 - m_nPending)));
    m_nPending = 0;
  }
  m_accumulator = 0;
}
