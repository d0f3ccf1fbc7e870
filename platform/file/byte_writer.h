// A little-endian writer that appends to a byte vector: records are built here and
// written in one piece, and tests build file fixtures with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tmb {

class ByteWriter {
 public:
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t>& bytes() { return bytes_; }
  size_t size() const { return bytes_.size(); }

  ByteWriter& Bytes(const void* data, size_t n);
  ByteWriter& U8(uint8_t v);
  ByteWriter& U16(uint16_t v);
  ByteWriter& I16(int16_t v) { return U16(static_cast<uint16_t>(v)); }
  ByteWriter& U32(uint32_t v);
  ByteWriter& I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
  ByteWriter& F32(float v);
  // The bytes of s, then zeros up to width (s is cut to width).
  ByteWriter& Fixed(std::string_view s, size_t width);
  ByteWriter& Zeros(size_t n);
  // Overwrites four bytes at pos (for sizes known only after the body is written).
  void PatchU32(size_t pos, uint32_t v);

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace tmb
