// A block of pixel bytes held in the bitmap memory budget for as long as it lives, for
// engines that need a picture-sized buffer (index pixels, decoded rows) next to a bitmap,
// so that a picture too large for the budget is refused before its bytes are taken.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/service/result.h"

namespace tmb {

class BitmapBytes {
 public:
  BitmapBytes() = default;
  ~BitmapBytes() { Free(); }
  BitmapBytes(const BitmapBytes&) = delete;
  BitmapBytes& operator=(const BitmapBytes&) = delete;

  // Replaces the block by size zeroed bytes; fails, holding nothing, when the budget or
  // the memory refuses them.
  Status Allocate(size_t size);
  // The same with the bytes left as they come, for a decoder that writes them all: pages
  // it never reaches (a damaged file that claims a huge picture ends early) are never
  // touched.
  Status AllocateForOverwrite(size_t size);
  void Free();

  uint8_t* data() { return bytes_.get(); }
  const uint8_t* data() const { return bytes_.get(); }
  size_t size() const { return size_; }
  std::span<uint8_t> span() { return {bytes_.get(), size_}; }
  std::span<const uint8_t> span() const { return {bytes_.get(), size_}; }

 private:
  std::unique_ptr<uint8_t[]> bytes_;
  size_t size_ = 0;
};

}  // namespace tmb
