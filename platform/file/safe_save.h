// Saving without risk to the previous file: everything is written to a temporary file in
// the same folder, which replaces the target only when Commit succeeds. Destroying an
// uncommitted save removes the temporary file and leaves the target as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/file/binary_file.h"
#include "platform/service/result.h"

namespace tmb {

class SafeSave {
 public:
  explicit SafeSave(std::filesystem::path target);
  ~SafeSave();
  SafeSave(const SafeSave&) = delete;
  SafeSave& operator=(const SafeSave&) = delete;

  // Creates the temporary file; fails when the folder cannot be written.
  Status Begin();
  BinaryFile& file() { return file_; }
  // Checks every write since Begin, flushes to disk and renames over the target.
  Status Commit();
  // Drops the temporary file (also done by the destructor when not committed).
  void Abandon();

  const std::filesystem::path& target() const { return target_; }
  const std::filesystem::path& temporary() const { return temp_; }

 private:
  std::filesystem::path target_;
  std::filesystem::path temp_;
  BinaryFile file_;
  bool committed_ = false;
};

// Writes data to target through a SafeSave.
Status SaveFileAtomically(const std::filesystem::path& target, const void* data, size_t size);

// Reads a whole file; fails for a missing or unreadable file or one above maxBytes.
Status ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& out,
                     size_t maxBytes = size_t(1) << 30);

}  // namespace tmb
