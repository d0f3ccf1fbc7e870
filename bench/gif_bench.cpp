// Speed of the GIF output: the colour quantizer on one 500 x 750 frame of many colours,
// and an animation of 100 such frames through the frame writer, against gifsicle -O3
// optimising the very GIF just written (both measured in wall time, in one run). Run with
// --benchmark_repetitions=10 for medians.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unordered_set>
#include <vector>

#include "export/gif/gif_colour_quantizer.h"
#include "export/gif/gif_file_writer.h"

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 750;
constexpr int kFrames = 100;

// Frame k of 100 as 24-bit bitmap rows: a shaded paper, a soft-edged ink disc moving down
// and across, and a square whose colour turns while it moves the other way.
std::vector<uint8_t> PaintFrame(int k) {
  const size_t stride = (size_t(kWidth) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> rows(stride * kHeight);
  const double t = double(k) / (kFrames - 1);
  const double cx = 80 + 340 * t, cy = 120 + 500 * t, radius = 70;
  const int sx = int(400 - 330 * t), sy = int(600 - 450 * t);
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* row = rows.data() + size_t(kHeight - 1 - y) * stride;
    for (int x = 0; x < kWidth; ++x) {
      double r = 250 - y / 12.0, g = 240 - x / 20.0, b = 220 - (x + y) / 30.0;
      const double d = std::hypot(x - cx, y - cy);
      const double ink = std::clamp((radius - d) / 12.0, 0.0, 1.0);
      r = r * (1 - ink) + 20 * ink;
      g = g * (1 - ink) + 30 * ink;
      b = b * (1 - ink) + 60 * ink;
      if (x >= sx && x < sx + 60 && y >= sy && y < sy + 60) {
        r = 200 * (1 - t) + 30;
        g = 90;
        b = 200 * t + 30;
      }
      row[3 * x] = static_cast<uint8_t>(b);
      row[3 * x + 1] = static_cast<uint8_t>(g);
      row[3 * x + 2] = static_cast<uint8_t>(r);
    }
  }
  return rows;
}

const std::vector<std::vector<uint8_t>>& Frames() {
  static const std::vector<std::vector<uint8_t>> frames = [] {
    std::vector<std::vector<uint8_t>> out;
    for (int k = 0; k < kFrames; ++k) out.push_back(PaintFrame(k));
    return out;
  }();
  return frames;
}

// A folder of this run's files, removed when the run ends.
struct BenchFolder {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("tamberi_gif_bench_" + std::to_string(::getpid()));
  BenchFolder() { std::filesystem::create_directories(path); }
  ~BenchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

const std::filesystem::path& Folder() {
  static const BenchFolder folder;
  return folder.path;
}

bool WriteAnimation(const std::filesystem::path& path) {
  CGifFile gif;
  if (!OpenGifFile(gif, path)) return false;
  for (int k = 0; k < kFrames; ++k) {
    if (!AddGifFrame(gif, kWidth, kHeight, Frames()[size_t(k)], GifFrameSetup{8, k == 0, 0, 0})) return false;
  }
  return bool(CloseGifFile(gif));
}

void BM_QuantizeColoursFrame(benchmark::State& state) {
  const std::vector<uint8_t>& frame = Frames()[37];
  std::vector<uint8_t> indexes(size_t(kWidth) * kHeight);
  std::vector<uint8_t> palette(kGifPaletteEntries * kGifPaletteEntryBytes);
  for (auto _ : state) {
    if (!QuantizeColours(frame, kWidth, kHeight, indexes, palette, 0, 0xFFFFFF)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(indexes.data());
  }
  std::unordered_set<uint32_t> colours;
  const size_t stride = (size_t(kWidth) * 3 + 3) / 4 * 4;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint8_t* p = frame.data() + size_t(y) * stride + 3 * size_t(x);
      colours.insert(uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
    }
  }
  state.counters["colours"] = double(colours.size());
}
BENCHMARK(BM_QuantizeColoursFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AddGifFrame100Frames(benchmark::State& state) {
  const auto path = Folder() / "frames.gif";
  Frames();
  for (auto _ : state) {
    if (!WriteAnimation(path)) state.SkipWithError("the animation could not be written");
  }
  state.counters["bytes"] = double(std::filesystem::file_size(path));
}
BENCHMARK(BM_AddGifFrame100Frames)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GifsicleO3On100Frames(benchmark::State& state) {
  if (std::system("command -v gifsicle >/dev/null 2>&1") != 0) {
    state.SkipWithError("gifsicle is not installed");
    return;
  }
  const auto in = Folder() / "frames.gif";
  const auto out = Folder() / "optimised.gif";
  if (!std::filesystem::exists(in) && !WriteAnimation(in)) {
    state.SkipWithError("the animation could not be written");
    return;
  }
  const std::string command = "gifsicle --no-warnings -O3 '" + in.string() + "' -o '" + out.string() + "'";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("gifsicle failed");
  }
  state.counters["bytes"] = double(std::filesystem::file_size(out));
}
BENCHMARK(BM_GifsicleO3On100Frames)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
