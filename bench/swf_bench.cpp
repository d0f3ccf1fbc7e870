// Measurements of the SWF writer.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "core/path/path_sequence.h"
#include "core/path/stroke_path.h"
#include "export/swf/swf_adpcm_encoder.h"
#include "export/swf/swf_animation_export.h"

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

// An animation of 100 pictures, each of 20 outline runs of 100 points (a third of them
// control points) on the 500 x 750 paper, exported one frame a picture into memory.
void BM_ExportSwfAnimation100Pictures(benchmark::State& state) {
  constexpr int kPictures = 100, kRuns = 20, kPoints = 100;
  auto sequence = std::make_unique<CPathSequence>();
  sequence->m_pPath = new CStrokePath(kPictures * kRuns * kPoints + 1);
  sequence->m_bOwnsPath = 1;
  sequence->m_pPath->EnsureAuxBuffer(0);
  sequence->m_rcCanvas = {0, 0, 500, 750};
  ParamBlock param{};
  param[157] = 0xFFFFFF;
  param[kSwfTimingModeParam] = -1;
  CStrokePath& path = *sequence->m_pPath;
  for (int p = 0; p < kPictures; ++p) {
    for (int r = 0; r < kRuns; ++r) {
      const double cx = 60 + 19 * r + p, cy = 80 + 30 * r;
      for (int k = 0; k < kPoints; ++k) {
        const double a = 2 * std::numbers::pi * k / kPoints;
        const double radius = 40 + 8 * std::sin(5 * a + p * 0.1);
        const int i = path.m_nCount++;
        path.m_pPoints[i].Set(float(cx + radius * std::cos(a)), float(cy + 0.5 * radius * std::sin(a)));
        path.m_pFlags[i] = k > 0 ? 0 : r == 0 ? CStrokePath::kFlagSelection : CStrokePath::kFlagSection;
        path.m_pAttrs[i] = k % 3 == 1 ? CStrokePath::kAttrSkip : CStrokePath::kAttrDefault;
      }
    }
    sequence->AddFrame(0, param);
  }
  std::vector<uint8_t> bytes;
  for (auto _ : state) {
    bytes.clear();
    if (!ExportSwfAnimationToMemory(*sequence, {}, param, bytes)) state.SkipWithError("export failed");
    benchmark::DoNotOptimize(bytes.data());
  }
  state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_ExportSwfAnimation100Pictures)->Unit(benchmark::kMillisecond);

}  // namespace
