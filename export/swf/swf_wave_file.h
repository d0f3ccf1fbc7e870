// The WAVE files an SWF sound is made from: plain PCM, mono or stereo, 8 or 16 bits, at
// one of the four SWF rates. Anything else is refused with the reason.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "platform/service/result.h"

// The largest WAVE file read (about 25 minutes of 44,100 Hz 16-bit stereo).
constexpr size_t kMaxWaveFileBytes = size_t{256} << 20;

struct SwfWaveSound {
  int rateIndex = 0;  // 0 5,512 Hz, 1 11,025, 2 22,050, 3 44,100
  bool is16Bit = false;
  bool stereo = false;
  uint32_t frames = 0;             // sample frames (one sample per channel each)
  std::vector<int16_t> samples16;  // interleaved, when 16-bit
  std::vector<uint8_t> samples8;   // interleaved, when 8-bit
};

// Parses a whole WAVE file: every chunk must lie inside the file and the RIFF size; odd
// chunks are followed by their pad byte; "fmt " (at least 16 bytes) must come before
// "data".
tmb::Status ParseWaveFile(std::span<const uint8_t> file, SwfWaveSound& out);
// Reads the file (at most kMaxWaveFileBytes) and parses it.
tmb::Status ReadWaveFile(const std::filesystem::path& path, SwfWaveSound& out);

// The SWF rate index of a sample rate (5,512 or 5,513, 11,025, 22,050, 44,100), or -1.
int SwfRateIndex(uint32_t samplesPerSecond);

// The PCM wave format a sound of the given SWF format byte (bit 0 stereo, bit 1 16-bit,
// bits 2 and 3 the rate index) is played with, for writers of other formats.
struct SwfWaveFormat {
  int formatTag = 1;
  int channels = 1;
  int samplesPerSecond = 0;
  int averageBytesPerSecond = 0;
  int blockAlign = 0;
  int bitsPerSample = 0;
};
SwfWaveFormat WaveFormatOfSwfSound(int formatByte);
