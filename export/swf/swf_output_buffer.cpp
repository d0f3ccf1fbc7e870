#include "export/swf/swf_output_buffer.h"

#include <cstring>

#include "platform/file/binary_file.h"

namespace {

constexpr size_t kReservedBytes = 1024;
constexpr int kMaxTagCode = 1023;  // the code takes the upper 10 bits of the u16
constexpr uint64_t kShortTagLimit = 63;

std::string FieldMisfit(int64_t value, int n) {
  return "value " + std::to_string(value) + " does not fit a " + std::to_string(n) + "-bit field";
}

}  // namespace

SwfOutputBuffer::SwfOutputBuffer() { m_bytes.reserve(kReservedBytes); }

void SwfOutputBuffer::Fail(std::string_view why) {
  if (m_error.empty()) m_error = why.empty() ? "failed" : std::string(why);
}

void SwfOutputBuffer::WriteBits(uint32_t value, int n) {
  if (n < 0 || n > 32 || (n < 32 && (static_cast<uint64_t>(value) >> n) != 0)) {
    Fail(FieldMisfit(value, n));
    return;
  }
  while (n > 0) {
    if (n <= m_nFreeBits) {
      m_currentByte |= static_cast<uint8_t>((value & ((1u << n) - 1)) << (m_nFreeBits - n));
      m_nFreeBits -= n;
      n = 0;
    } else {
      n -= m_nFreeBits;
      m_currentByte |= static_cast<uint8_t>((value >> n) & ((1u << m_nFreeBits) - 1));
      m_nFreeBits = 0;
    }
    if (m_nFreeBits == 0) {
      m_bytes.push_back(m_currentByte);
      m_currentByte = 0;
      m_nFreeBits = 8;
    }
  }
}

void SwfOutputBuffer::WriteSignedBits(int32_t value, int n) {
  const int64_t v = value;
  if (n < 0 || n > 32 || (n == 0 && v != 0) ||
      (n > 0 && (v < -(int64_t{1} << (n - 1)) || v >= (int64_t{1} << (n - 1))))) {
    Fail(FieldMisfit(v, n));
    return;
  }
  if (n == 0) return;
  const uint32_t bits = static_cast<uint32_t>(value);
  WriteBits(n == 32 ? bits : bits & ((1u << n) - 1), n);
}

void SwfOutputBuffer::WriteU16(uint32_t v) {
  if (v > 0xFFFF) {
    Fail(FieldMisfit(v, 16));
    return;
  }
  WriteBits(v & 0xFF, 8);
  WriteBits(v >> 8, 8);
}

void SwfOutputBuffer::WriteU32(uint32_t v) {
  for (int i = 0; i < 4; ++i) WriteBits((v >> (8 * i)) & 0xFF, 8);
}

void SwfOutputBuffer::WriteI16(int32_t v) {
  if (v < -32768 || v > 32767) {
    Fail(FieldMisfit(v, 16));
    return;
  }
  WriteU16(static_cast<uint16_t>(v));
}

void SwfOutputBuffer::WriteBytes(std::span<const uint8_t> bytes) {
  if (m_nFreeBits == 8) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return;
  }
  for (uint8_t b : bytes) WriteBits(b, 8);
}

void SwfOutputBuffer::FlushBits() {
  if (m_nFreeBits == 8) return;
  m_bytes.push_back(m_currentByte);
  m_currentByte = 0;
  m_nFreeBits = 8;
}

void SwfOutputBuffer::AddBlock(std::span<const uint8_t> data) {
  FlushBits();
  if (!data.empty()) m_blocks.push_back({m_bytes.size(), data});
}

uint64_t SwfOutputBuffer::TotalSize() const {
  uint64_t total = m_bytes.size() + (m_nFreeBits != 8 ? 1 : 0);
  for (const Block& b : m_blocks) total += b.data.size();
  return total;
}

void SwfOutputBuffer::AppendBuffer(SwfOutputBuffer& other) {
  if (!other.ok()) Fail(other.error());
  FlushBits();
  other.FlushBits();
  const size_t base = m_bytes.size();
  m_bytes.insert(m_bytes.end(), other.m_bytes.begin(), other.m_bytes.end());
  for (const Block& b : other.m_blocks) m_blocks.push_back({base + b.position, b.data});
  other.m_blocks.clear();
}

bool SwfOutputBuffer::WriteToFile(tmb::BinaryFile& file) {
  FlushBits();
  size_t cut = 0;
  bool written = true;
  for (const Block& b : m_blocks) {
    written = written && file.Write(m_bytes.data() + cut, b.position - cut);
    written = written && file.Write(b.data.data(), b.data.size());
    cut = b.position;
  }
  written = written && file.Write(m_bytes.data() + cut, m_bytes.size() - cut);
  m_blocks.clear();
  return written;
}

void SwfOutputBuffer::CopyToMemory(uint8_t* dest) {
  FlushBits();
  size_t cut = 0;
  for (const Block& b : m_blocks) {
    std::memcpy(dest, m_bytes.data() + cut, b.position - cut);
    dest += b.position - cut;
    std::memcpy(dest, b.data.data(), b.data.size());
    dest += b.data.size();
    cut = b.position;
  }
  if (m_bytes.size() > cut) std::memcpy(dest, m_bytes.data() + cut, m_bytes.size() - cut);
  m_blocks.clear();
}

void SwfOutputBuffer::WriteTagHeader(int code, uint64_t length, SwfOutputBuffer* body) {
  if (body != nullptr && !body->ok()) {
    Fail("tag " + std::to_string(code) + ": " + body->error());
    return;
  }
  if (code < 0 || code > kMaxTagCode) {
    Fail("tag code " + std::to_string(code) + " out of range");
    return;
  }
  if (length > 0xFFFFFFFFu) {
    Fail("tag " + std::to_string(code) + ": body of " + std::to_string(length) + " bytes");
    return;
  }
  const uint32_t head = static_cast<uint32_t>(code) << 6;
  if (length < kShortTagLimit) {
    WriteU16(head | static_cast<uint32_t>(length));
  } else {
    WriteU16(head | 63);
    WriteU32(static_cast<uint32_t>(length));
  }
  if (body != nullptr) AppendBuffer(*body);
}
