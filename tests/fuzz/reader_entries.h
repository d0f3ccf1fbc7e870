// Every reader of a file a user can hand the program, each behind one entry that takes
// the file's bytes: the fuzzers feed them random files, the seed maker writes one good
// file per reader with the tests' own writers, and the hostile-header tests run them
// under a memory ceiling. An entry returns the reader's result folded to 1 (read) or a
// value of 0 or below (refused); it never changes a file outside its own folder.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tmb::fuzz {

struct ReaderEntry {
  const char* name;
  int (*read)(std::span<const uint8_t> bytes);
};

// The entries, in a fixed order.
std::span<const ReaderEntry> ReaderEntries();
// The entry of that name, or null.
const ReaderEntry* FindReaderEntry(std::string_view name);

// Makes the globals the readers need (the drawing state, the paper, a store folder and
// a temporary folder of this process, a message service that answers OK), once.
void PrepareReaders();

// The bytes of one sound file the entries accept for the reader, made by the project's
// own writers (or, where it has none, the tests' builders).
std::vector<uint8_t> SeedFor(std::string_view name);

}  // namespace tmb::fuzz
