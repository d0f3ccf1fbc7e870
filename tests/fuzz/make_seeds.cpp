// Writes the seed corpus of the fuzzers: make_seeds <folder> makes <folder>/<reader>/seed
// for every reader entry, a good file made by the project's own writers.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fuzz/reader_entries.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  namespace fs = std::filesystem;
  for (const tmb::fuzz::ReaderEntry& entry : tmb::fuzz::ReaderEntries()) {
    const std::vector<uint8_t> seed = tmb::fuzz::SeedFor(entry.name);
    const fs::path folder = fs::path(argv[1]) / entry.name;
    fs::create_directories(folder);
    std::ofstream out(folder / "seed", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(seed.data()), std::streamsize(seed.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write the seed of %s\n", entry.name);
      return 1;
    }
  }
  return 0;
}
