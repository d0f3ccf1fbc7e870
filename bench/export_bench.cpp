// Measurements of the animation and export code.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "export/picture/mng_writer.h"
#include "platform/file/binary_file.h"
#include "platform/media/avi_recompress.h"
#include "platform/media/avi_writer.h"

namespace {

// One frame of a movie on the start-up canvas (500 x 750): white paper with dark brush
// strokes, as a 24-bit bitmap block holds it.
std::vector<uint8_t> CanvasFrame(int width, int height) {
  const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> pixels(stride * size_t(height), 0xFF);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = pixels.data() + size_t(y) * stride;
    for (int x = 0; x < width; ++x) {
      // Three thick strokes: two bands and a ring, with soft grey edges.
      const double ring = std::abs(std::hypot(x - 250.0, y - 420.0) - 150.0);
      const double band = std::min(std::abs(y - 0.6 * x - 120.0), std::abs(x - 0.3 * y - 300.0));
      const double d = std::min(ring, band);
      if (d < 24.0) {
        const uint8_t ink = uint8_t(d < 18.0 ? 16 : 16 + (d - 18.0) * 40.0);
        row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = ink;
      }
    }
  }
  return pixels;
}

// Adding one frame to an open MNG movie, as every frame of an animation save does.
void BM_AddMngFrame(benchmark::State& state) {
  constexpr int kWidth = 500;
  constexpr int kHeight = 750;
  const std::vector<uint8_t> frame = CanvasFrame(kWidth, kHeight);
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "tamberi_bench.mng";
  CMngWriter mng;
  mng.m_nWait = 10;
  if (!OpenMngFile(mng, path.string(), kWidth, kHeight, 1000)) {
    state.SkipWithError("cannot open the movie");
    return;
  }
  for (auto _ : state) {
    if (!AddMngFrame(mng, kWidth, kHeight, frame)) {
      state.SkipWithError("frame not written");
      break;
    }
  }
  mng.m_pFile.reset();  // leaves no movie behind
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AddMngFrame)->Unit(benchmark::kMillisecond);

// Recompressing an uncompressed movie of 100 canvas frames to Motion-JPEG, as a save with
// recompression does after the last frame.
void BM_RecompressAviToMotionJpeg(benchmark::State& state) {
  constexpr int kWidth = 500;
  constexpr int kHeight = 750;
  constexpr int kFrames = 100;
  const std::vector<uint8_t> frame = CanvasFrame(kWidth, kHeight);
  const std::filesystem::path dir = std::filesystem::temp_directory_path();
  const std::filesystem::path source = dir / "tamberi_bench_raw.avi";
  const std::filesystem::path target = dir / "tamberi_bench_mjpeg.avi";
  {
    tmb::BinaryFile file;
    tmb::AviWriter writer(file);
    tmb::AviFormat format;
    format.width = kWidth;
    format.height = kHeight;
    format.scale = 10;
    format.rate = 100;
    bool ok = file.Open(source, tmb::BinaryFile::Mode::kCreate) && writer.Start(format).ok();
    for (int i = 0; ok && i < kFrames; ++i) ok = writer.AddFrame(frame.data(), ptrdiff_t(tmb::AviFrameBytes(kWidth, 1))).ok();
    if (!ok || !writer.Finish() || !file.Close()) {
      state.SkipWithError("cannot write the uncompressed movie");
      return;
    }
  }
  for (auto _ : state) {
    bool cancelled = false;
    if (!tmb::RecompressAviFile(source, target, tmb::AviCodec::kMotionJpeg, 75, nullptr, cancelled)) {
      state.SkipWithError("not recompressed");
      break;
    }
  }
  std::error_code ec;
  std::filesystem::remove(source, ec);
  std::filesystem::remove(target, ec);
  state.SetItemsProcessed(state.iterations() * kFrames);
}
BENCHMARK(BM_RecompressAviToMotionJpeg)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
