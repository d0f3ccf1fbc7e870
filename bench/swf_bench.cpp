// Measurements of the SWF writer.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "export/swf/swf_adpcm_encoder.h"

namespace {

// A minute of 44,100 Hz 16-bit stereo coded at 4 bits, the longest sound a movie is
// expected to carry.
void BM_EncodeAdpcmMinuteStereo(benchmark::State& state) {
  constexpr size_t kFrames = 60 * 44100;
  std::vector<int16_t> samples(2 * kFrames);
  for (size_t i = 0; i < kFrames; ++i) {
    const double t = double(i) / 44100;
    samples[2 * i] = static_cast<int16_t>(12000 * std::sin(2 * std::numbers::pi * 440 * t));
    samples[2 * i + 1] = static_cast<int16_t>(9000 * std::sin(2 * std::numbers::pi * 1250 * t));
  }
  for (auto _ : state) {
    SwfAdpcmEncoder coder(true, 4);
    coder.EncodeAdpcm(samples);
    coder.Flush();
    benchmark::DoNotOptimize(coder.Bytes().data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kFrames));
}
BENCHMARK(BM_EncodeAdpcmMinuteStereo)->Unit(benchmark::kMillisecond);

}  // namespace
