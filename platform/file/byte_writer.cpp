#include "platform/file/byte_writer.h"

#include <algorithm>

#include "platform/file/little_endian.h"

namespace tmb {

ByteWriter& ByteWriter::Bytes(const void* data, size_t n) {
  const auto* p = static_cast<const uint8_t*>(data);
  bytes_.insert(bytes_.end(), p, p + n);
  return *this;
}

ByteWriter& ByteWriter::U8(uint8_t v) {
  bytes_.push_back(v);
  return *this;
}

ByteWriter& ByteWriter::U16(uint16_t v) {
  uint8_t b[2];
  StoreU16(b, v);
  return Bytes(b, 2);
}

ByteWriter& ByteWriter::U32(uint32_t v) {
  uint8_t b[4];
  StoreU32(b, v);
  return Bytes(b, 4);
}

ByteWriter& ByteWriter::F32(float v) { return U32(FloatToBits(v)); }

ByteWriter& ByteWriter::Fixed(std::string_view s, size_t width) {
  size_t n = std::min(s.size(), width);
  Bytes(s.data(), n);
  return Zeros(width - n);
}

ByteWriter& ByteWriter::Zeros(size_t n) {
  bytes_.insert(bytes_.end(), n, 0);
  return *this;
}

void ByteWriter::PatchU32(size_t pos, uint32_t v) {
  if (pos + 4 <= bytes_.size()) StoreU32(bytes_.data() + pos, v);
}

}  // namespace tmb
