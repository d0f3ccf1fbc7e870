// Measurements of the morph: two 20-stroke, 2,000-point characters (the recorded one and
// a generated one), interpolated half-way, paired stroke by stroke, and one morph frame
// converted through the whole chain. Run with --benchmark_repetitions=10 for medians.
#include <benchmark/benchmark.h>

#include <memory>

#include "convert/driver/scratch_paths.h"
#include "convert/morph/character_interpolation.h"
#include "convert/morph/morph_pair.h"
#include "core/record/param_defaults.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "tests/support/generated_character.h"
#include "tests/support/recorded_character.h"

namespace {

constexpr int kConversionStyle = 400;

// Characters A and B as drawn records in the converting style with morphing on, and as
// work paths.
struct Pair {
  Pair() {
    for (CCharDataFull* rec : {a.get(), b.get()}) {
      rec->ClearPoints();
      rec->SetDefaultParams();
      GetSlotParamDefaults(rec->m_param, {}, 0);
      rec->m_param[37] = kConversionStyle;
      rec->m_param[kMorphSwitch] = 1;
    }
    tmb::test::AppendRecordedCharacter(*a);
    tmb::test::AppendGeneratedCharacter(*b, 2024, tmb::test::kRecordedStrokeCount,
                                        tmb::test::kRecordedPointsPerStroke);
    a->ToStrokeWork(*pathA);
    b->ToStrokeWork(*pathB);
  }
  std::unique_ptr<CCharDataFull> a = std::make_unique<CCharDataFull>();
  std::unique_ptr<CCharDataFull> b = std::make_unique<CCharDataFull>();
  std::unique_ptr<CStrokeWork> pathA = std::make_unique<CStrokeWork>();
  std::unique_ptr<CStrokeWork> pathB = std::make_unique<CStrokeWork>();
  std::unique_ptr<CStrokeWork> out = std::make_unique<CStrokeWork>();
};

void Interpolate(benchmark::State& state, bool lag) {
  Pair p;
  p.out->CopySettingsFrom(*p.pathA);
  p.out->m_param[kMorphLagOn] = lag ? 1 : 0;
  p.out->m_param[kMorphLagStrength] = 60;
  p.out->m_param[kMorphLagEarliest] = 20;
  p.out->m_param[kMorphLagLatest] = 80;
  for (auto _ : state) {
    benchmark::DoNotOptimize(p.out->InterpolateCharacters(*p.pathA, *p.pathB, 50));
    benchmark::ClobberMemory();
  }
  state.counters["points"] = p.out->GetCount();
}

void BM_InterpolateCharacters(benchmark::State& state) { Interpolate(state, false); }
BENCHMARK(BM_InterpolateCharacters)->Unit(benchmark::kMicrosecond);

void BM_InterpolateCharactersWithTimeLag(benchmark::State& state) { Interpolate(state, true); }
BENCHMARK(BM_InterpolateCharactersWithTimeLag)->Unit(benchmark::kMicrosecond);

// Each run pairs fresh copies of the two characters.
void BM_MatchStrokeByStroke(benchmark::State& state) {
  Pair p;
  CStrokeMatcher matcher;
  auto a = std::make_unique<CStrokeWork>();
  auto b = std::make_unique<CStrokeWork>();
  for (auto _ : state) {
    a->CopyFrom(*p.pathA);
    b->CopyFrom(*p.pathB);
    benchmark::DoNotOptimize(matcher.MatchStrokeByStroke(*a, *b));
  }
  state.counters["paired"] = a->GetCount();
}
BENCHMARK(BM_MatchStrokeByStroke)->Unit(benchmark::kMillisecond);

// One frame half-way, as the drawing view converts it: the record to a work path, the
// in-between character of the prepared pair and the whole conversion chain.
void BM_MorphFrameThroughTheChain(benchmark::State& state) {
  Pair p;
  gMorphPair.Prepare(*p.a, *p.b, kNoGapDistance);
  p.a->m_flags[kFlagMorphPercent] = 50;
  auto source = std::make_unique<CStrokeWork>();
  for (auto _ : state) {
    p.a->ToStrokeWork(*source);
    p.a->CopySettingsToWork(*p.out);
    benchmark::DoNotOptimize(p.out->ConvertCharacter(*source));
    benchmark::ClobberMemory();
  }
  state.counters["paired"] = gMorphPair.PathA().GetCount();
  state.counters["converted"] = p.out->GetCount();
  gMorphPair.Clear();
  ReleaseScratchPaths();
}
BENCHMARK(BM_MorphFrameThroughTheChain)->Unit(benchmark::kMillisecond);

}  // namespace
