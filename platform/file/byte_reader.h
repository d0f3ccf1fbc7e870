// A bounded little-endian reader over bytes in memory. A read past the end fails, leaves
// the output untouched and sticks, so a parser may check ok() once per record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tmb {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  bool ok() const { return ok_; }
  size_t pos() const { return pos_; }
  size_t size() const { return data_.size(); }
  size_t remaining() const { return data_.size() - pos_; }

  bool Read(void* out, size_t n);
  bool Skip(size_t n);
  bool Seek(size_t pos);
  bool ReadU8(uint8_t& v);
  bool ReadU16(uint16_t& v);
  bool ReadI16(int16_t& v);
  bool ReadU32(uint32_t& v);
  bool ReadI32(int32_t& v);
  bool ReadF32(float& v);
  // n raw bytes as a string (no terminator handling).
  bool ReadString(std::string& out, size_t n);

 private:
  bool Take(size_t n, const uint8_t*& p);

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace tmb
