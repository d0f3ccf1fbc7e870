// The in-memory stream every SWF record writes itself into: a growing byte vector with a
// bit writer on its tail, and byte blocks of other owners spliced in without a copy.
// A value that does not fit its field fails the buffer (the first reason sticks) instead
// of losing bits; a failed buffer must not be written out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tmb {
class BinaryFile;
}

class SwfOutputBuffer {
 public:
  SwfOutputBuffer();

  // Appends the low n bits (0..32) of value, most significant first; a value wider than
  // n bits fails the buffer.
  void WriteBits(uint32_t value, int n);
  // Appends value as an n-bit two's complement field; a value outside the field fails.
  void WriteSignedBits(int32_t value, int n);
  // Little-endian integers through the bit writer: they do not align, so bytes written
  // while bits are pending straddle byte boundaries (FlushBits first to align).
  void WriteU8(uint32_t v) { WriteBits(v, 8); }
  void WriteU16(uint32_t v);
  void WriteU32(uint32_t v);
  // A signed 16-bit field (-32,768 .. 32,767).
  void WriteI16(int32_t v);
  void WriteBytes(std::span<const uint8_t> bytes);
  // Completes a partly filled byte with zero bits.
  void FlushBits();

  // Splices data (owned by the caller, kept alive until this buffer is written out) at
  // the current position; pending bits are flushed first.
  void AddBlock(std::span<const uint8_t> data);
  // Stream bytes, a partly filled byte and the spliced blocks.
  uint64_t TotalSize() const;
  // Moves other's content to the end of this buffer, blocks still spliced; both buffers'
  // pending bits are flushed first, and other's failure becomes this buffer's.
  void AppendBuffer(SwfOutputBuffer& other);
  // Writes the logical content (stream with the blocks spliced in) and empties the block
  // list. False when the file refused a write.
  bool WriteToFile(tmb::BinaryFile& file);
  // The same walk into dest, which holds TotalSize bytes.
  void CopyToMemory(uint8_t* dest);
  const uint8_t* Data() const { return m_bytes.data(); }

  // The record header: code x 64 + length in a u16 when length < 63, otherwise the u16
  // code x 64 + 63 and a u32 length; then the body, when given. A failed body fails this
  // buffer, naming the tag.
  void WriteTagHeader(int code, uint64_t length, SwfOutputBuffer* body);

  bool ok() const { return m_error.empty(); }
  const std::string& error() const { return m_error; }
  // Fails the buffer; only the first reason is kept.
  void Fail(std::string_view why);

 private:
  struct Block {
    size_t position;
    std::span<const uint8_t> data;
  };

  std::vector<uint8_t> m_bytes;
  int m_nFreeBits = 8;
  uint8_t m_currentByte = 0;
  std::vector<Block> m_blocks;
  std::string m_error;
};
