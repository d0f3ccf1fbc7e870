// Where the GIF writers put their bytes: a file (written through a safe save) or memory.
// Every record goes out in one piece and a failed write stops the writer with its reason.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/service/result.h"

namespace tmb {
class BinaryFile;
}

class GifByteSink {
 public:
  virtual ~GifByteSink() = default;
  // Takes the bytes in order; a failure says why.
  virtual tmb::Status Put(std::span<const uint8_t> bytes) = 0;
};

class GifMemorySink final : public GifByteSink {
 public:
  tmb::Status Put(std::span<const uint8_t> bytes) override;
  std::vector<uint8_t> m_bytes;
};

class GifFileSink final : public GifByteSink {
 public:
  explicit GifFileSink(tmb::BinaryFile& file) : m_file(file) {}
  tmb::Status Put(std::span<const uint8_t> bytes) override;

 private:
  tmb::BinaryFile& m_file;
};
