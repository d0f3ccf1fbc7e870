// A binary file with explicit little-endian reads and writes. Every read reports a short
// read and every write a failed write; the first failure also sticks, so a reader may
// check once at the end of a record.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace tmb {

class BinaryFile {
 public:
  enum class Mode {
    kRead,          // existing file, reading only
    kReadWrite,     // existing file, reading and writing
    kOpenOrCreate,  // reading and writing; created when missing, never truncated
    kCreate,        // created or truncated, writing (and reading back)
  };

  BinaryFile() = default;
  ~BinaryFile();
  BinaryFile(BinaryFile&& other) noexcept;
  BinaryFile& operator=(BinaryFile&& other) noexcept;
  BinaryFile(const BinaryFile&) = delete;
  BinaryFile& operator=(const BinaryFile&) = delete;

  bool Open(const std::filesystem::path& path, Mode mode);
  // Flushes and closes; false when a buffered write could not be completed.
  bool Close();
  bool IsOpen() const { return fp_ != nullptr; }

  // False once any read came up short or any write or seek failed since opening.
  bool ok() const { return ok_; }

  bool Read(void* data, size_t size);
  bool ReadU8(uint8_t& v);
  bool ReadU16(uint16_t& v);
  bool ReadI16(int16_t& v);
  bool ReadU32(uint32_t& v);
  bool ReadI32(int32_t& v);
  bool ReadF32(float& v);

  bool Write(const void* data, size_t size);
  bool WriteU8(uint8_t v);
  bool WriteU16(uint16_t v);
  bool WriteI16(int16_t v);
  bool WriteU32(uint32_t v);
  bool WriteI32(int32_t v);
  bool WriteF32(float v);

  bool Seek(int64_t offset, int whence = SEEK_SET);
  int64_t Tell() const;
  // The size of the file in bytes, or -1 when unknown.
  int64_t Size() const;
  bool AtEnd() const;
  bool Flush();
  // Flushes to the disk itself (fsync), for saves that must survive a crash.
  bool Sync();
  // Waits, up to ten seconds, until no other opening of the file holds it, then holds it
  // until the file is closed; false when it stayed held. A file system that keeps no locks
  // lets every opening through.
  bool Lock();
  // Drops the bytes not yet written and cuts the file to length; the position moves there.
  bool Truncate(int64_t length);

  // Why the last operation failed, in words for a message.
  const std::string& error() const { return error_; }

 private:
  bool Fail(const char* what);

  std::FILE* fp_ = nullptr;
  bool ok_ = true;
  std::string error_;
};

}  // namespace tmb
