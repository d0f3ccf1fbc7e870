// Measurements of the conversion: the driver on a recorded 20-stroke character of 2,000
// points with the defaults of window A, with every pass of its own chain at work, the
// brush engine's conversion road around it, and the thinning of traced outlines. Run with
// --benchmark_repetitions=10 for medians.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "convert/analysis/redundant_points.h"
#include "convert/driver/conversion_chain.h"
#include "convert/driver/conversion_driver.h"
#include "convert/driver/conversion_stages.h"
#include "convert/driver/path_resampling.h"
#include "convert/passes/stroke_features.h"
#include "core/record/param_defaults.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "tests/support/disc_staircase.h"
#include "tests/support/recorded_character.h"

namespace {

constexpr int kConversionStyle = 400;

// A drawn record of the recorded character in the converting style, and its work paths.
struct Character {
  Character() {
    for (CCharDataFull* rec : {drawn.get(), work.get()}) {
      rec->ClearPoints();
      rec->SetDefaultParams();
      GetSlotParamDefaults(rec->m_param, {}, 0);
      rec->m_param[37] = kConversionStyle;
    }
    tmb::test::AppendRecordedCharacter(*drawn);
  }
  std::unique_ptr<CCharDataFull> drawn = std::make_unique<CCharDataFull>();
  std::unique_ptr<CCharDataFull> work = std::make_unique<CCharDataFull>();
  std::unique_ptr<CStrokeWork> source = std::make_unique<CStrokeWork>();
  std::unique_ptr<CStrokeWork> converted = std::make_unique<CStrokeWork>();
};

void Convert(benchmark::State& state, Character& c) {
  for (auto _ : state) {
    c.drawn->ToStrokeWork(*c.source);
    c.drawn->CopySettingsToWork(*c.converted);
    benchmark::DoNotOptimize(c.converted->ConvertCharacter(*c.source));
    benchmark::ClobberMemory();
  }
  state.counters["points"] = c.source->GetCount();
  state.counters["converted"] = c.converted->GetCount();
}

void BM_ConvertRecordedCharacter(benchmark::State& state) {
  Character c;
  Convert(state, c);
}
BENCHMARK(BM_ConvertRecordedCharacter)->Unit(benchmark::kMillisecond);

// The same with the stroke-end shortening, the three-segment rewrite, many smoothing
// passes and the closing transform all switched on.
void BM_ConvertRecordedCharacterAllPasses(benchmark::State& state) {
  Character c;
  ParamBlock& p = c.drawn->m_param;
  p[0] = 12;
  p[1] = 30;
  p[7] = 4;
  p[361] = 1;
  p[80] = 1;
  p[82] = 5;
  p[84] = 2;
  p[86] = 90;
  p[87] = 90;
  p[88] = 1;
  p[89] = 10;
  Convert(state, c);
}
BENCHMARK(BM_ConvertRecordedCharacterAllPasses)->Unit(benchmark::kMillisecond);

// The brush engine's conversion road: the record to a work path, the conversion and the
// converted points back into the working record.
void BM_ConversionRoadOfTheBrushEngine(benchmark::State& state) {
  Character c;
  for (auto _ : state) {
    c.work->BuildOutline(*c.drawn);
    benchmark::DoNotOptimize(c.work->m_pPoints.get());
  }
  state.counters["points"] = c.work->m_nPoints;
}
BENCHMARK(BM_ConversionRoadOfTheBrushEngine)->Unit(benchmark::kMillisecond);

// The feature pass alone on the recorded character as the pass manager hands it over
// (resampled, its overlay marks gathered): the corners, the records and the
// classification with its crossing searches. Arg 0: as in a conversion, where every
// stroke is resampled into 8 to 32 points; 1: the 2,000 points resampled at the spacing
// of window A's brush vein instead.
void BM_AnalyseStrokeFeatures(benchmark::State& state) {
  Character c;
  c.drawn->ToStrokeWork(*c.source);
  c.drawn->CopySettingsToWork(*c.converted);
  c.converted->CopySettingsFrom(*c.source);
  gUnitPassActive = state.range(0) == 0 ? 1 : 0;
  RunConversionPasses(*c.converted, *c.source, 1);
  for (auto _ : state) benchmark::DoNotOptimize(AnalyseStrokeFeatures(*c.converted, 0, 1));
  gUnitPassActive = 0;
  state.counters["points"] = c.converted->GetCount();
}
BENCHMARK(BM_AnalyseStrokeFeatures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The worst case of the loop search: one stroke of 16,000 points scribbled back and forth
// over a small square, crossing itself everywhere.
void BM_ConvertOneLongScribble(benchmark::State& state) {
  auto scribble = std::make_unique<CStrokeWork>();
  auto source = std::make_unique<CStrokeWork>();
  auto converted = std::make_unique<CStrokeWork>();
  uint32_t seed = 1;
  auto step = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return float(int((seed >> 16) % 21) - 10);
  };
  float x = 250;
  float y = 250;
  for (int i = 0; i < kMaxCharPoints; ++i) {
    x = std::clamp(x + step(), 0.0f, 500.0f);
    y = std::clamp(y + step(), 0.0f, 500.0f);
    scribble->AddSample(0, 0, 50, i == 0 ? 1 : 0);
    scribble->m_pPoints[i] = CFPoint(x, y);
  }
  InitShapeSettings(scribble->m_param, kConversionStyle);
  GetSlotParamDefaults(scribble->m_param, {}, 0);
  for (auto _ : state) {
    source->CopyFrom(*scribble);
    source->CopySettingsFrom(*scribble);
    benchmark::DoNotOptimize(converted->ConvertCharacter(*source));
  }
  state.counters["converted"] = converted->GetCount();
}
BENCHMARK(BM_ConvertOneLongScribble)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The bow, extension and form stages of the pass manager on the recorded character as the
// stages before them leave it, its points put back before every run (a copy of 2,000
// points, a microsecond or two of the figure). Arg 0: the defaults of window A, which slant
// the marks only; 1: bowed strokes, both ends reaching out and a lean; 2: the falling ends
// reaching out, squashed, slanted and leaning.
void BM_ShapingStagesRecordedCharacter(benchmark::State& state) {
  Character c;
  c.drawn->ToStrokeWork(*c.source);
  c.drawn->CopySettingsToWork(*c.converted);
  ParamBlock& p = c.converted->m_param;
  const ParamBlock asked = p;
  p[11] = 4;
  p[317] = p[344] = p[359] = 0;
  RunConversionPasses(*c.converted, *c.source, 1);
  p = asked;
  if (state.range(0) == 1) {
    p[11] = 1;
    p[344] = 1;
    p[359] = 1;
  } else if (state.range(0) == 2) {
    p[344] = 2;
    p[359] = 1;
  }
  const int n = c.converted->GetCount();
  const std::vector<CFPoint> analysed(c.converted->m_pPoints, c.converted->m_pPoints + n);
  ConversionRun run(*c.converted);
  for (auto _ : state) {
    std::copy(analysed.begin(), analysed.end(), c.converted->m_pPoints);
    StrokeBowStage(run);
    StrokeExtensionStage(run);
    StrokeFormStage(run);
    benchmark::ClobberMemory();
  }
  state.counters["points"] = n;
}
BENCHMARK(BM_ShapingStagesRecordedCharacter)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// The linking passes of the driver (link points in, out again, the link decision) on the
// recorded character as the pass manager hands it over in a conversion, its points and
// flags put back before every run. Arg 0: the defaults of window A; 1: a long link reach
// that links half the strokes, with the densest link points.
void BM_LinkingPassesRecordedCharacter(benchmark::State& state) {
  Character c;
  c.drawn->ToStrokeWork(*c.source);
  c.drawn->CopySettingsToWork(*c.converted);
  ParamBlock& p = c.converted->m_param;
  if (state.range(0) == 1) {
    p[2] = 100;
    p[358] = 1;
  }
  gUnitPassActive = 1;
  RunConversionPasses(*c.converted, *c.source, 1);
  gUnitPassActive = 0;
  auto analysed = std::make_unique<CStrokeWork>();
  analysed->CopyFrom(*c.converted);
  auto reference = std::make_unique<CStrokeWork>();
  ConversionRun run(*c.converted, reference.get());
  ReferenceCopyStage(run);
  int inserted = 0;
  for (auto _ : state) {
    c.converted->CopyRangeFrom(*analysed, 0, analysed->GetCount());
    LinkPointsStage(run);
    inserted = c.converted->GetCount() - analysed->GetCount();
    LinkPointRemovalStage(run);
    LinkDecisionStage(run);
    benchmark::ClobberMemory();
  }
  state.counters["points"] = analysed->GetCount();
  state.counters["inserted"] = inserted;
  int starts = 0;  // the strokes that stay apart
  for (int i = 0; i < c.converted->GetCount(); ++i) {
    starts += reference->m_pFlags[i] != 0 && c.converted->m_pFlags[i] != 0 ? 1 : 0;
  }
  state.counters["strokes"] = starts;
}
BENCHMARK(BM_LinkingPassesRecordedCharacter)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The thinning the SWF export runs on every picture: 20 traced disc outlines of 804 unit
// steps each (radius 101), their zigzags removed.
void BM_RemoveRedundantPointsDiscStaircases(benchmark::State& state) {
  constexpr int kDiscs = 20, kRadius = 101;
  auto traced = std::make_unique<CStrokePath>(kDiscs * 8 * kRadius);
  for (int k = 0; k < kDiscs; ++k) {
    if (!tmb::test::AppendDiscStaircase(*traced, 110 + 220 * (k % 5), 110 + 220 * (k / 5), kRadius)) {
      state.SkipWithError("the traced outlines do not fit");
      return;
    }
  }
  auto path = std::make_unique<CStrokePath>(traced->GetCapacity());
  int removed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    path->CopyFrom(*traced);
    state.ResumeTiming();
    removed = RemoveRedundantPoints(*path, -1, 0);
    benchmark::ClobberMemory();
  }
  state.counters["points"] = traced->GetCount();
  state.counters["kept"] = path->GetCount();
  state.counters["removed"] = removed;
}
BENCHMARK(BM_RemoveRedundantPointsDiscStaircases)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// One stroke of 2,000 samples a pixel apart meandering with right-angle turns: right 20,
// down 180, right 20, up 180, five times over. Its runs are long, so walks that scan a
// run again at each of its points would show.
void AppendMeander(CCharData& rec) {
  constexpr int kLegs[4][3] = {{1, 0, 20}, {0, 1, 180}, {1, 0, 20}, {0, -1, 180}};
  int x = 100;
  int y = 100;
  for (int turn = 0; rec.m_nPoints < 2000; turn = (turn + 1) % 4) {
    for (int k = 0; k < kLegs[turn][2] && rec.m_nPoints < 2000; ++k) {
      const int i = rec.m_nPoints++;
      rec.m_pPoints[i] = {x, y};
      rec.m_pFlags[i] = i == 0 ? 1 : 0;
      rec.m_pPressure[i] = 50;
      rec.m_pSegLength[i] = 1;
      rec.m_pWidthLevel[i] = 0;
      x += kLegs[turn][0];
      y += kLegs[turn][1];
    }
  }
}

// The meander in place of the recorded character.
void UseMeander(Character& c) {
  c.drawn->ClearPoints();
  AppendMeander(*c.drawn);
}

// The passes after the linking (the main linking, the trimming of stroke ends and the
// stroke widths) on the work path as the stages before them leave it in a conversion, its
// points and flags put back before every run. Arg 0: the recorded character with the
// defaults of window A (the alternative form of the main linking); 1: the same with the
// standard form; 2 and 3: the meander of 2,000 points in either form, resampled at the
// spacing of window A's brush vein (not into 8 to 32 points as in a conversion), so that
// the passes see one run of well over a thousand points.
void BM_PassesAfterLinking(benchmark::State& state) {
  Character c;
  if (state.range(0) >= 2) UseMeander(c);
  c.drawn->ToStrokeWork(*c.source);
  c.drawn->CopySettingsToWork(*c.converted);
  c.converted->m_param[356] = state.range(0) % 2 == 0 ? 1 : 0;
  gUnitPassActive = state.range(0) >= 2 ? 0 : 1;
  RunConversionPasses(*c.converted, *c.source, 1);
  auto reference = std::make_unique<CStrokeWork>();
  ConversionRun run(*c.converted, reference.get());
  for (const ConversionStage& stage : ConversionChain()) {
    if (stage.part != ChainPart::kDriver) continue;
    if (std::string_view(stage.name) == "main linking") break;
    stage.run(run);
  }
  auto linked = std::make_unique<CStrokeWork>();
  linked->CopyFrom(*c.converted);
  for (auto _ : state) {
    c.converted->CopyRangeFrom(*linked, 0, linked->GetCount());
    MainLinkingStage(run);
    EndTrimmingStage(run);
    StrokeWidthsStage(run);
    benchmark::ClobberMemory();
  }
  gUnitPassActive = 0;
  state.counters["points"] = linked->GetCount();
}
BENCHMARK(BM_PassesAfterLinking)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// The whole conversion of the meander.
void BM_ConvertOneLongStroke(benchmark::State& state) {
  Character c;
  UseMeander(c);
  Convert(state, c);
}
BENCHMARK(BM_ConvertOneLongStroke)->Unit(benchmark::kMillisecond);

}  // namespace
