// A block of pixel bytes held in the bitmap memory budget for as long as it lives, for
// engines that need a picture-sized buffer (index pixels, decoded rows) next to a bitmap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

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
  void Free();

  uint8_t* data() { return bytes_.data(); }
  size_t size() const { return bytes_.size(); }
  std::span<uint8_t> span() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace tmb
