// Whole files as bytes, for tests that build fixtures byte by byte or check a file
// exactly.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tmb::test {

// The bytes of the file; empty when it cannot be read.
std::vector<uint8_t> FileBytes(const std::filesystem::path& path);
// Writes the bytes as the whole file (throws when it cannot).
void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

}  // namespace tmb::test
