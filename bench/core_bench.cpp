// Measurements of the character data and geometry code.
#include <benchmark/benchmark.h>

#include "core/path/stroke_path.h"

namespace {

// Copying a full character (16,000 points) into a work path, as every conversion and
// every redraw does.
void BM_StrokePathCopyFrom(benchmark::State& state) {
  constexpr int kPoints = 16000;
  CStrokePath src(32000);
  for (int i = 0; i < kPoints; ++i) src.AppendPoint(i % 500, i / 500, i % 40 == 0 ? 1 : 0);
  CStrokePath dst(32000);
  for (auto _ : state) {
    dst.CopyFrom(src);
    benchmark::DoNotOptimize(dst.m_pPoints);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_StrokePathCopyFrom);

}  // namespace
