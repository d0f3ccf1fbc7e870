// Speed of the image editor: the one-bit passes on the mask of a written character (the
// despeckle and the thinning to the end, as the vectoriser runs them on every trace), and
// the floating paste following the pointer. Run with --benchmark_repetitions=10 for
// medians.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "imageedit/editor/bmp_view.h"
#include "imageedit/onebit/region_scan.h"
#include "imageedit/onebit/thinning.h"
#include "platform/gdi/dib_rows.h"
#include "tests/support/character_outlines.h"
#include "tests/support/editor_host.h"
#include "tests/support/paper_state.h"
#include "tests/support/recorded_outlines.h"

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 750;

// The paper's picture packed into one-bit rows: dark pixels ink.
std::vector<uint8_t> MaskOf(const tmb::Surface& paper) {
  tmb::DibInfo info;
  info.header.bitCount = 1;
  std::vector<uint8_t> bits(size_t(tmb::DibStride(kWidth, 1)) * kHeight);
  tmb::GetDibRows(paper, 0, kHeight, bits, info);
  return bits;
}

// The 20 thick strokes of the brush benchmark's character, filled at four times the paper
// and reduced into it.
std::vector<uint8_t> ThickCharacterMask() {
  tmb::Surface large, paper;
  large.Create(kWidth * tmb::test::kOutlineScale, kHeight * tmb::test::kOutlineScale, tmb::PixelFormat::kColour32);
  paper.Create(kWidth, kHeight, tmb::PixelFormat::kColour32);
  tmb::test::RenderCharacter(large, paper, tmb::test::CharacterOutlines());
  return MaskOf(paper);
}

// The recorded 20-stroke character as the brush-outline engine draws it, rendered by the
// work path's own rendering.
std::vector<uint8_t> RecordedCharacterMask() {
  gWorkCanvas.Reset();
  gWorkCanvas.Init(kWidth, kHeight, "", 32000, 32, 32);
  tmb::DeviceContext screen;
  gWorkCanvas.CreateBitmaps(&screen);
  tmb::Surface paper;
  paper.Create(kWidth, kHeight, tmb::PixelFormat::kColour32);
  paper.Fill(0xFFFFFF);
  {
    tmb::test::RecordedBrushCharacter character;
    CStrokeWork outlines(40000);
    tmb::test::AppendBandOutlines(*character.work, character.drawn->m_pLevels.get(), outlines);
    ParamBlock params{};
    params[157] = 0xFFFFFF;
    outlines.RenderToBitmap(&screen, &paper, 0, params, 0x000000);
  }
  gWorkCanvas.Reset();
  return MaskOf(paper);
}

void DespeckleAndThin(benchmark::State& state, const std::vector<uint8_t>& original) {
  std::vector<uint8_t> bits(original.size());
  CMonoBitmap mask;
  mask.Attach(bits.data(), 0, 0, kWidth, kHeight, kWidth, kHeight);
  int removed = 0;
  for (auto _ : state) {
    std::memcpy(bits.data(), original.data(), bits.size());
    removed = DespeckleMask(mask);
    removed += ThinMask(mask);
    benchmark::DoNotOptimize(bits.data());
  }
  state.counters["skeleton"] = CountInkPixels(mask);
  mask.CopyAllFrom(original.data());
  state.counters["ink"] = CountInkPixels(mask);
  state.counters["removed"] = removed;
}

void BM_DespeckleAndThinThickCharacter(benchmark::State& state) { DespeckleAndThin(state, ThickCharacterMask()); }
BENCHMARK(BM_DespeckleAndThinThickCharacter)->Unit(benchmark::kMillisecond);

void BM_DespeckleAndThinRecordedCharacter(benchmark::State& state) {
  DespeckleAndThin(state, RecordedCharacterMask());
}
BENCHMARK(BM_DespeckleAndThinRecordedCharacter)->Unit(benchmark::kMillisecond);

// One step of a floating paste: a 256 x 256 block on a 3,000 x 3,000 picture follows the
// pointer by a pixel or two, through a window of 1,024 x 768 pixels.
void BM_FloatingPasteMove(benchmark::State& state) {
  constexpr int kSide = 3000;
  gWorkCanvas.Reset();
  gWorkCanvas.Init(kSide, kSide, "", 32000, 0, 0);
  tmb::test::ResetDrawStateForPaper(kSide, kSide);
  tmb::test::EditorHost host(1024, 768);
  CBmpView view(&host);
  view.OnInitialUpdate();
  if (!view.EnsureSetup(nullptr)) {
    state.SkipWithError("no room for the pictures");
    return;
  }
  view.m_region = {100, 100, 356, 356};
  view.Copy();
  view.BeginPaste();
  int step = 0;
  for (auto _ : state) {
    const int d = step++ % 64;
    view.OnMouseMove({200 + d * 2, 150 + d}, false);
  }
  benchmark::DoNotOptimize(view.m_lastFloat);
  gDrawState.Reset();
  gWorkCanvas.Reset();
}
BENCHMARK(BM_FloatingPasteMove)->Unit(benchmark::kMillisecond);

}  // namespace
