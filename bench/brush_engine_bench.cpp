// Measurements of the brush-outline engine on a recorded character: a full rebuild, a
// slider move that changes only the levels, and a full character at a high cursive
// degree. Run with --benchmark_repetitions=10 for medians.
#include <benchmark/benchmark.h>

#include <memory>

#include "brush/outline/outline_state.h"
#include "core/record/param_defaults.h"
#include "core/record/char_data_full.h"
#include "tests/support/recorded_character.h"

namespace {

// A drawn record of `copies` recorded characters (20 strokes, 2,000 points each) with the
// brush defaults of window A, and an empty working record.
struct Records {
  explicit Records(int copies) {
    for (CCharDataFull* rec : {drawn.get(), work.get()}) {
      rec->ClearPoints();
      rec->SetDefaultParams();
      GetSlotParamDefaults(rec->m_param, {}, 0);
      rec->m_param[37] = 0;  // the brush outline, not the conversion
    }
    tmb::test::AppendRecordedCharacter(*drawn, copies);
    ResetOutlineEngine();
  }
  std::unique_ptr<CCharDataFull> drawn = std::make_unique<CCharDataFull>();
  std::unique_ptr<CCharDataFull> work = std::make_unique<CCharDataFull>();
};

void BM_OutlineFullRebuild(benchmark::State& state) {
  Records r(1);
  for (auto _ : state) {
    r.drawn->m_nOutlineDirty = 1;
    r.work->BuildOutline(*r.drawn);
    benchmark::DoNotOptimize(r.drawn->m_pLevels.get());
  }
  state.counters["points"] = r.work->m_nPoints;
}
BENCHMARK(BM_OutlineFullRebuild)->Unit(benchmark::kMicrosecond);

void BM_OutlineLevelOnlyUpdate(benchmark::State& state) {
  Records r(1);
  r.work->BuildOutline(*r.drawn);
  int width = 15;
  for (auto _ : state) {
    width = width == 15 ? 16 : 15;  // the width slider
    r.drawn->m_param[3] = width;
    r.work->BuildOutline(*r.drawn);
    benchmark::DoNotOptimize(r.drawn->m_pLevels.get());
  }
  state.counters["points"] = r.work->m_nPoints;
}
BENCHMARK(BM_OutlineLevelOnlyUpdate)->Unit(benchmark::kMicrosecond);

void BM_OutlineFullCharacterHighCursive(benchmark::State& state) {
  Records r(8);  // 16,000 points
  r.drawn->m_param[0] = 120;
  for (auto _ : state) {
    r.drawn->m_nOutlineDirty = 1;
    r.work->BuildOutline(*r.drawn);
    benchmark::DoNotOptimize(r.drawn->m_pLevels.get());
  }
  state.counters["points"] = r.work->m_nPoints;
}
BENCHMARK(BM_OutlineFullCharacterHighCursive)->Unit(benchmark::kMillisecond);

}  // namespace
