// Speed of the image editor: the one-bit passes on the mask of a written character (the
// despeckle and the thinning to the end, as the vectoriser runs them on every trace), the
// whole vectoriser on that character beside potrace run on the same bitmap as a whole
// process for reference (skipped where potrace is not installed), the soft-edge reduction
// of every render, and the floating paste following the pointer. Run with
// --benchmark_repetitions=11 for medians.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "imageedit/editor/bmp_view.h"
#include "core/onebit/effect_masks.h"
#include "core/onebit/region_scan.h"
#include "core/onebit/thinning.h"
#include "imageedit/vectorise/vectorize_image.h"
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
tmb::Surface ThickCharacter() {
  tmb::Surface large, paper;
  large.Create(kWidth * tmb::test::kOutlineScale, kHeight * tmb::test::kOutlineScale, tmb::PixelFormat::kColour32);
  paper.Create(kWidth, kHeight, tmb::PixelFormat::kColour32);
  tmb::test::RenderCharacter(large, paper, tmb::test::CharacterOutlines());
  return paper;
}

std::vector<uint8_t> ThickCharacterMask() { return MaskOf(ThickCharacter()); }

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

// The soft edge of every render: the 2,000 x 3,000 one-bit mask of the 20-stroke
// character grown by one pixel and reduced 4:1 onto the 500 x 750 paper.
void BM_SoftEdgeGrowOne(benchmark::State& state) {
  constexpr int kScale = tmb::test::kOutlineScale;
  tmb::Surface large, mask, paper;
  large.Create(kWidth * kScale, kHeight * kScale, tmb::PixelFormat::kColour32);
  mask.Create(kWidth * kScale, kHeight * kScale, tmb::PixelFormat::kMono1);
  paper.Create(kWidth, kHeight, tmb::PixelFormat::kColour32);
  tmb::test::RenderCharacter(large, paper, tmb::test::CharacterOutlines());
  {
    tmb::DeviceContext from(&large), to(&mask);
    to.BitBlt(0, 0, mask.width(), mask.height(), &from, 0, 0, tmb::kSrcCopy);
  }
  for (auto _ : state) {
    BuildEffectMasks(nullptr, &paper, &mask, 0, 0, mask.width(), mask.height(), kScale, 0x000000, 0xFFFFFF, 1, 100);
    benchmark::DoNotOptimize(paper.bits());
  }
}
BENCHMARK(BM_SoftEdgeGrowOne)->Unit(benchmark::kMillisecond);

// The canvas at the default paper with its bitmaps.
struct Canvas {
  Canvas() {
    gWorkCanvas.Reset();
    gWorkCanvas.Init(kWidth, kHeight, "", 32000, 32, 32);
    gWorkCanvas.CreateBitmaps(&screen);
  }
  ~Canvas() { gWorkCanvas.Reset(); }
  tmb::DeviceContext screen;
};

// The whole vectoriser (mode 2, no reference and no target) on the character; the
// picture is put back before each run, as the vectoriser writes its skeleton into it.
void BM_VectorizeThickCharacter(benchmark::State& state) {
  Canvas canvas;
  const tmb::Surface original = ThickCharacter();
  tmb::Surface picture;
  picture.Create(kWidth, kHeight, tmb::PixelFormat::kColour32);
  auto path = std::make_unique<CStrokePath>();
  for (auto _ : state) {
    std::memcpy(picture.bits(), original.bits(), original.ByteSize());
    VectorizeImage(*path, &canvas.screen, &picture, 0, 0, kWidth, kHeight, nullptr, nullptr, 2);
    benchmark::DoNotOptimize(path->m_pPoints);
  }
  state.counters["strokes"] = path->CountStrokes();
  state.counters["points"] = path->GetCount();
}
BENCHMARK(BM_VectorizeThickCharacter)->Unit(benchmark::kMillisecond)->UseRealTime();

// The character's mask as a binary PBM file: rows top first, a set bit for ink.
std::string WritePbm(const std::vector<uint8_t>& mask) {
  const std::string path = (std::filesystem::temp_directory_path() / "tamberi_bench_mask.pbm").string();
  std::ofstream out(path, std::ios::binary);
  out << "P4\n" << kWidth << " " << kHeight << "\n";
  const size_t stride = size_t(tmb::DibStride(kWidth, 1)), row = size_t(kWidth + 7) / 8;
  for (int y = 0; y < kHeight; ++y) {
    const uint8_t* bits = mask.data() + size_t(kHeight - 1 - y) * stride;
    for (size_t b = 0; b < row; ++b) out.put(char(~bits[b]));
  }
  return out ? path : std::string();
}

// potrace on the same bitmap, started and waited for as a whole process.
void BM_PotraceThickCharacter(benchmark::State& state) {
  const char* potrace = "/usr/bin/potrace";
  if (access(potrace, X_OK) != 0) {
    state.SkipWithError("potrace is not installed");
    return;
  }
  const std::string pbm = WritePbm(ThickCharacterMask());
  std::vector<std::string> args = {potrace, "-b", "svg", "-o", "/dev/null", pbm};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  rusage before{};
  getrusage(RUSAGE_CHILDREN, &before);
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, potrace, nullptr, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("potrace could not be started");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("potrace failed");
      break;
    }
  }
  // The processor time of the runs themselves, beside the wall time of starting and
  // waiting for them.
  rusage after{};
  getrusage(RUSAGE_CHILDREN, &after);
  auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
  const double cpu = ms(after.ru_utime) + ms(after.ru_stime) - ms(before.ru_utime) - ms(before.ru_stime);
  if (state.iterations() > 0) state.counters["child_cpu_ms"] = cpu / double(state.iterations());
  std::filesystem::remove(pbm);
}
BENCHMARK(BM_PotraceThickCharacter)->Unit(benchmark::kMillisecond)->UseRealTime();

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
