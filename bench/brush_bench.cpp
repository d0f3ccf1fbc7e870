// Speed of the work-bitmap road of the brush rendering: a character filled into the
// supersampled work bitmap and reduced to the paper, the work bitmap packed into its
// one-bit copy, the edges of the painted character smoothed, the recorded character
// rendered through the work path's own rendering,
// the converted character drawn into a render state as the drawing view draws it, its
// brush shapes and their merge into one outline, and the brush set of a render state
// rendered again, and the outline extraction of the image effects over the character.
// Run with --benchmark_repetitions=10
// for medians.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "core/bitmap/dib.h"
#include "brush/bitmap/mask_effects.h"
#include "brush/render/brush_state.h"
#include "brush/render/edge_smoothing.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_work.h"
#include "tests/support/character_outlines.h"
#include "tests/support/converted_character.h"
#include "tests/support/recorded_outlines.h"

namespace {

using tmb::test::CharacterOutlines;
using tmb::test::RenderCharacter;

// The canvas at the default paper with its bitmaps.
struct Canvas {
  Canvas() {
    gWorkCanvas.Reset();
    gWorkCanvas.Init(500, 750, "", 32000, 32, 32);
    gWorkCanvas.CreateBitmaps(&screen);
    target.Create(500, 750, tmb::PixelFormat::kColour32);
  }
  ~Canvas() { gWorkCanvas.Reset(); }
  tmb::DeviceContext screen;
  tmb::Surface target;
};

void BM_RenderCharacterSupersampled(benchmark::State& state) {
  Canvas canvas;
  const auto strokes = CharacterOutlines();
  for (auto _ : state) {
    RenderCharacter(gWorkCanvas.m_scaledMaskBitmap, canvas.target, strokes);
    benchmark::DoNotOptimize(canvas.target.bits());
  }
}
BENCHMARK(BM_RenderCharacterSupersampled)->Unit(benchmark::kMillisecond);

void BM_PackWorkBitmapToOneBit(benchmark::State& state) {
  Canvas canvas;
  RenderCharacter(gWorkCanvas.m_scaledMaskBitmap, canvas.target, CharacterOutlines());
  CDib& dib = gWorkCanvas.m_scaledDibs[1];
  const tmb::Rect all{0, 0, gWorkCanvas.m_scaledWidth, gWorkCanvas.m_scaledHeight};
  const int stride = int(tmb::DibStride(gWorkCanvas.m_scaledWidth, 1));
  for (auto _ : state) {
    const int rows = dib.GetBits(&canvas.screen, &gWorkCanvas.m_scaledMaskBitmap, all, stride, all.bottom);
    benchmark::DoNotOptimize(rows);
  }
}
BENCHMARK(BM_PackWorkBitmapToOneBit)->Unit(benchmark::kMillisecond);

// The edge smoothing at level 2 of the character painted on the paper, as every smoothed
// display runs it; the painting is put back before each run.
void BM_SmoothCharacterEdges(benchmark::State& state) {
  Canvas canvas;
  RenderCharacter(gWorkCanvas.m_scaledMaskBitmap, canvas.target, CharacterOutlines());
  tmb::Surface painted;
  painted.Create(500, 750, tmb::PixelFormat::kColour32);
  std::copy(canvas.target.bits(), canvas.target.bits() + canvas.target.ByteSize(), painted.bits());
  for (auto _ : state) {
    std::copy(painted.bits(), painted.bits() + painted.ByteSize(), canvas.target.bits());
    RenderStrokesByStroke(&canvas.screen, &canvas.target, 0xFFFFFF, 0x000000, 100, 2);
    benchmark::DoNotOptimize(canvas.target.bits());
  }
}
BENCHMARK(BM_SmoothCharacterEdges)->Unit(benchmark::kMillisecond);

// The same road on a colour work bitmap of the scaled size, for comparison.
void BM_RenderCharacterSupersampledColour(benchmark::State& state) {
  Canvas canvas;
  tmb::Surface work;
  work.Create(2000, 3000, tmb::PixelFormat::kColour32);
  const auto strokes = CharacterOutlines();
  for (auto _ : state) {
    RenderCharacter(work, canvas.target, strokes);
    benchmark::DoNotOptimize(canvas.target.bits());
  }
}
BENCHMARK(BM_RenderCharacterSupersampledColour)->Unit(benchmark::kMillisecond);

void BM_PackColourWorkBitmapToOneBit(benchmark::State& state) {
  Canvas canvas;
  tmb::Surface work;
  work.Create(2000, 3000, tmb::PixelFormat::kColour32);
  RenderCharacter(work, canvas.target, CharacterOutlines());
  tmb::DibInfo info;
  info.header.bitCount = 1;
  std::vector<uint8_t> bits(size_t(tmb::DibStride(2000, 1)) * 3000);
  for (auto _ : state) {
    benchmark::DoNotOptimize(tmb::GetDibRows(work, 0, 3000, bits, info));
  }
}
BENCHMARK(BM_PackColourWorkBitmapToOneBit)->Unit(benchmark::kMillisecond);

// The recorded 20-stroke character as the brush-outline engine draws it, as band
// outlines: the whole character, and each stroke on its own as the drawing of a
// converted character hands them over.
struct RecordedOutlines {
  RecordedOutlines() {
    tmb::test::RecordedBrushCharacter character;
    tmb::test::AppendBandOutlines(*character.work, character.drawn->m_pLevels.get(), whole);
    for (int first = 0; first < whole.m_nCount;) {
      const int last = whole.FindStrokeEnd(first);
      strokes.push_back(std::make_unique<CStrokeWork>(last - first + 1));
      strokes.back()->CopyRangeFrom(whole, first, last + 1);
      first = last + 1;
    }
    params[157] = 0xFFFFFF;
  }
  CStrokeWork whole{40000};
  std::vector<std::unique_ptr<CStrokeWork>> strokes;
  ParamBlock params{};
};

// Filled at four times the paper and reduced into it in one call.
void BM_RenderRecordedCharacter(benchmark::State& state) {
  Canvas canvas;
  RecordedOutlines outlines;
  for (auto _ : state) {
    outlines.whole.RenderToBitmap(&canvas.screen, &canvas.target, 0, outlines.params, 0x000000);
    benchmark::DoNotOptimize(canvas.target.bits());
  }
  state.counters["points"] = outlines.whole.m_nCount;
}
BENCHMARK(BM_RenderRecordedCharacter)->Unit(benchmark::kMillisecond);

// Stroke by stroke into the scaled work bitmap, then one reduction into the paper.
void BM_RenderRecordedCharacterByStrokes(benchmark::State& state) {
  Canvas canvas;
  RecordedOutlines outlines;
  CWorkBitmap& large = gWorkCanvas.m_scaledMaskBitmap;
  for (auto _ : state) {
    large.Fill(0xFFFFFF);
    canvas.target.Fill(0xFFFFFF);
    for (auto& stroke : outlines.strokes) stroke->RenderToBitmap(&canvas.screen, &large, 2, outlines.params, 0);
    outlines.whole.RenderToBitmap(&canvas.screen, &canvas.target, 3, outlines.params, 0x000000);
    benchmark::DoNotOptimize(canvas.target.bits());
  }
  state.counters["strokes"] = double(outlines.strokes.size());
}
BENCHMARK(BM_RenderRecordedCharacterByStrokes)->Unit(benchmark::kMillisecond);

// The converted recorded character drawn into window A's render state: every stroke's
// outline filled at four times the paper, the reduction into the state's picture and
// the paper colour; with the conversion before it, the whole road of a repaint. Onto a
// window: drawn stroke by stroke at paper size (flying white asks for it) with the client
// context of a window, as the drawing view hands it, onto which each stroke is copied.
void DrawConverted(benchmark::State& state, bool convert, bool ontoWindow = false) {
  Canvas canvas;
  CBrushState& brush = gBrushStates[0];
  brush.Reset();
  brush.Create(&canvas.screen, 1);
  tmb::test::ConvertedRecordedCharacter character;
  CStrokeWork& converted = *character.converted;
  tmb::Surface window;
  tmb::DeviceContext client(&window);
  if (ontoWindow) {
    converted.m_param[5] = 10;
    const tmb::Point o = gWorkCanvas.m_ptOrigin;
    window.Create(gWorkCanvas.m_width + 2 * o.x, gWorkCanvas.m_height + 2 * o.y, tmb::PixelFormat::kColour32);
  }
  tmb::DeviceContext* dc = ontoWindow ? &client : &canvas.screen;
  for (auto _ : state) {
    if (convert) character.Convert();
    converted.SelectBrushState(nullptr);
    converted.DrawCharacter(dc, 0, -1, *character.source);
    benchmark::DoNotOptimize(brush.m_bitmap.bits());
  }
  state.counters["points"] = converted.GetCount();
  brush.Reset();
  gPathSequence.FreePath();
}

void BM_DrawConvertedCharacter(benchmark::State& state) { DrawConverted(state, false); }
BENCHMARK(BM_DrawConvertedCharacter)->Unit(benchmark::kMillisecond);

void BM_ConvertAndDrawCharacter(benchmark::State& state) { DrawConverted(state, true); }
BENCHMARK(BM_ConvertAndDrawCharacter)->Unit(benchmark::kMillisecond);

void BM_DrawConvertedCharacterOntoWindow(benchmark::State& state) { DrawConverted(state, false, true); }
BENCHMARK(BM_DrawConvertedCharacterOntoWindow)->Unit(benchmark::kMillisecond);

// The converted recorded character with per-point widths and the parameters of slot 0.
struct SwollenCharacter {
  SwollenCharacter() { character.SwellWidths(12); }
  // Builds the brush shape of every stroke into the path sequence without rendering it
  // (drawing mode 3), as every repaint builds them.
  void BuildShapes(tmb::DeviceContext* dc) { converted.DrawStrokeRange(dc, 0, converted.GetCount(), 3); }

  tmb::test::ConvertedRecordedCharacter character;
  CStrokeWork& converted = *character.converted;
};

void BM_RenderBrushShapesStyle3(benchmark::State& state) {
  Canvas canvas;
  SwollenCharacter character;
  for (auto _ : state) {
    character.BuildShapes(&canvas.screen);
    benchmark::DoNotOptimize(gPathSequence.m_pPath->GetCount());
  }
  state.counters["outline points"] = gPathSequence.m_pPath->GetCount();
  gPathSequence.FreePath();
}
BENCHMARK(BM_RenderBrushShapesStyle3)->Unit(benchmark::kMillisecond);

// The outline merge of those brush shapes at the default paper (500 x 750), as every
// frame of an animation runs it.
void BM_BuildOutlineViaBitmap(benchmark::State& state) {
  Canvas canvas;
  SwollenCharacter character;
  character.BuildShapes(&canvas.screen);
  CStrokePath outlines(gPathSequence.m_pPath->GetCapacity());
  outlines.CopyFrom(*gPathSequence.m_pPath);
  for (auto _ : state) {
    benchmark::DoNotOptimize(outlines.BuildOutlineViaBitmap(&canvas.screen, 0x000000, 1));
  }
  state.counters["outline points"] = outlines.GetCount();
  state.counters["merged points"] = gPathSequence.m_pPath->GetCount();
  gPathSequence.FreePath();
}
BENCHMARK(BM_BuildOutlineViaBitmap)->Unit(benchmark::kMillisecond);

void BM_RenderBrushSet(benchmark::State& state) {
  Canvas canvas;
  CBrushState& brush = gBrushStates[0];
  brush.Reset();
  brush.Create(&canvas.screen, 1);
  for (auto _ : state) {
    brush.m_bRenderRequest = 1;
    brush.RenderBrushSet(&canvas.screen);
    benchmark::DoNotOptimize(brush.m_brushSet.bits());
  }
  brush.Reset();
}
BENCHMARK(BM_RenderBrushSet)->Unit(benchmark::kMillisecond);

// Outline extraction (effect 1) over the whole paper of the recorded character: the
// picture read into one bit, its edge found and the cleared ink painted back as paper.
void BM_OutlineEffectOnCharacter(benchmark::State& state) {
  Canvas canvas;
  RecordedOutlines outlines;
  canvas.target.Fill(0xFFFFFF);
  outlines.whole.RenderToBitmap(&canvas.screen, &canvas.target, 0, outlines.params, 0x000000);
  tmb::Surface work;
  work.Create(500, 750, tmb::PixelFormat::kColour32);
  CEffectRandom random;
  int changed = 0;
  for (auto _ : state) {
    std::copy(canvas.target.bits(), canvas.target.bits() + canvas.target.ByteSize(), work.bits());
    changed = ApplyMaskEffect(work, work.Bounds(), 1, 0xFFFFFF, 0xFFFFFF, 0, {}, random);
    benchmark::DoNotOptimize(changed);
  }
  state.counters["cleared"] = changed;
}
BENCHMARK(BM_OutlineEffectOnCharacter)->Unit(benchmark::kMillisecond);

}  // namespace
