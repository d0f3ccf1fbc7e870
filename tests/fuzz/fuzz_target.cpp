// One libFuzzer target per reader: TMB_FUZZ_READER names the reader entry it feeds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fuzz/reader_entries.h"

namespace {
const tmb::fuzz::ReaderEntry* gEntry = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tmb::fuzz::PrepareReaders();
  gEntry = tmb::fuzz::FindReaderEntry(TMB_FUZZ_READER);
  if (!gEntry) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gEntry->read(std::span<const uint8_t>(data, size));
  return 0;
}
