// Measurements of the animation and export code.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "export/picture/mng_writer.h"

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

}  // namespace
