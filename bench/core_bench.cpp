// Measurements of the character data and geometry code.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/file/data_file_listing.h"
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

// Listing a folder of 1,000 sub-folders and 1,000 character data files, as the data-file
// tree does when such a folder is opened: every sub-folder is looked into as well.
void BM_ListDataFolder(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("tmb_bench_listing_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  for (int i = 0; i < 1000; ++i) {
    fs::create_directories(dir / ("folder" + std::to_string(i)));
    std::ofstream(dir / ("file" + std::to_string(i) + ".wdf")) << 'x';
  }
  std::vector<CFolderItem> items;
  for (auto _ : state) {
    ListDataFolder(dir.string(), items);
    benchmark::DoNotOptimize(items.data());
  }
  state.SetItemsProcessed(state.iterations() * int64_t(items.size()));
  fs::remove_all(dir);
}
BENCHMARK(BM_ListDataFolder)->Unit(benchmark::kMillisecond);

}  // namespace
