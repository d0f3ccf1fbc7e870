// A byte buffer of pixel data that is not a surface (decoded picture rows, a frame's
// colour indices), held in the bitmap budget for its life like every surface, so that a
// picture too large for the budget is refused before its bytes are taken.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace tmb {

class BitmapBytes {
 public:
  BitmapBytes() = default;
  ~BitmapBytes() { Free(); }
  BitmapBytes(const BitmapBytes&) = delete;
  BitmapBytes& operator=(const BitmapBytes&) = delete;

  // Replaces the held bytes by size new ones, left uninitialised so that pages a decoder
  // never reaches (a damaged file ends early) are never touched; false, with nothing
  // held, when the budget or the memory refuses them.
  bool Allocate(size_t size);
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
