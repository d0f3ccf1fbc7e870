#include "platform/file/byte_reader.h"

#include <cstring>

#include "platform/file/little_endian.h"

namespace tmb {

bool ByteReader::Take(size_t n, const uint8_t*& p) {
  if (!ok_ || n > remaining()) {
    ok_ = false;
    return false;
  }
  p = data_.data() + pos_;
  pos_ += n;
  return true;
}

bool ByteReader::Read(void* out, size_t n) {
  const uint8_t* p;
  if (!Take(n, p)) return false;
  if (n) std::memcpy(out, p, n);
  return true;
}

bool ByteReader::Skip(size_t n) {
  const uint8_t* p;
  return Take(n, p);
}

bool ByteReader::Seek(size_t pos) {
  if (!ok_ || pos > data_.size()) {
    ok_ = false;
    return false;
  }
  pos_ = pos;
  return true;
}

bool ByteReader::ReadU8(uint8_t& v) {
  const uint8_t* p;
  if (!Take(1, p)) return false;
  v = *p;
  return true;
}

bool ByteReader::ReadU16(uint16_t& v) {
  const uint8_t* p;
  if (!Take(2, p)) return false;
  v = LoadU16(p);
  return true;
}

bool ByteReader::ReadI16(int16_t& v) {
  uint16_t u;
  if (!ReadU16(u)) return false;
  v = static_cast<int16_t>(u);
  return true;
}

bool ByteReader::ReadU32(uint32_t& v) {
  const uint8_t* p;
  if (!Take(4, p)) return false;
  v = LoadU32(p);
  return true;
}

bool ByteReader::ReadI32(int32_t& v) {
  uint32_t u;
  if (!ReadU32(u)) return false;
  v = static_cast<int32_t>(u);
  return true;
}

bool ByteReader::ReadF32(float& v) {
  uint32_t u;
  if (!ReadU32(u)) return false;
  v = BitsToFloat(u);
  return true;
}

bool ByteReader::ReadString(std::string& out, size_t n) {
  const uint8_t* p;
  if (!Take(n, p)) return false;
  out.assign(reinterpret_cast<const char*>(p), n);
  return true;
}

}  // namespace tmb
