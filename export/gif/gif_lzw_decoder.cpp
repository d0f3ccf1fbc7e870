#include "export/gif/gif_lzw_decoder.h"

#include <array>

namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

// Bits of the codes, taken byte by byte from the sub-blocks, skipping their size bytes.
class SubBlockBits {
 public:
  explicit SubBlockBits(std::span<const uint8_t> chain) : chain_(chain) {}

  bool Read(int bits, int& code) {
    while (count_ < bits) {
      uint8_t byte;
      if (!NextByte(byte)) return false;
      buffer_ |= uint32_t(byte) << count_;
      count_ += 8;
    }
    code = int(buffer_ & ((1u << bits) - 1));
    buffer_ >>= bits;
    count_ -= bits;
    return true;
  }

 private:
  bool NextByte(uint8_t& byte) {
    if (blockLeft_ == 0) {
      // A zero-length block ends the chain.
      if (ended_ || pos_ >= chain_.size() || chain_[pos_] == 0) {
        ended_ = true;
        return false;
      }
      blockLeft_ = chain_[pos_++];
    }
    if (pos_ >= chain_.size()) {
      ended_ = true;
      return false;
    }
    byte = chain_[pos_++];
    --blockLeft_;
    return true;
  }

  std::span<const uint8_t> chain_;
  size_t pos_ = 0;
  size_t blockLeft_ = 0;
  bool ended_ = false;
  uint32_t buffer_ = 0;
  int count_ = 0;
};

}  // namespace

int DecodeGifLzw(int minCodeSize, std::span<const uint8_t> chain, std::span<uint8_t> pixels, size_t* written) {
  size_t out = 0;
  if (written) *written = 0;
  if (minCodeSize < 1 || minCodeSize > 8) return kGifLzwBadCodeSize;
  const int clear = 1 << minCodeSize;
  const int end = clear + 1;
  // Each entry is its prefix code and its last pixel; a prefix is always an older entry,
  // so walking the links ends at a root within kTableSize steps.
  std::array<uint16_t, kTableSize> prefix{};
  std::array<uint8_t, kTableSize> suffix{};
  std::array<uint8_t, kTableSize> stack{};
  for (int i = 0; i < clear; ++i) suffix[size_t(i)] = uint8_t(i);

  SubBlockBits bits(chain);
  int codeBits = minCodeSize + 1;
  int next = clear + 2;
  int previous = -1;  // none since the last clear
  int result = kGifLzwEnd;
  while (out < pixels.size()) {
    int code;
    if (!bits.Read(codeBits, code)) {
      result = kGifLzwDataEnded;
      break;
    }
    if (code == clear) {
      codeBits = minCodeSize + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (code == end) break;
    if (previous < 0) {
      // The first code after a clear can only be a single pixel.
      if (code >= clear) {
        result = kGifLzwBadCode;
        break;
      }
      pixels[out++] = uint8_t(code);
      previous = code;
      continue;
    }
    if (code > next || (code == next && next >= kTableSize)) {
      result = kGifLzwBadCode;
      break;
    }
    // The string of the code, or for the code about to be made the previous string
    // followed by its own first pixel.
    int walk = code == next ? previous : code;
    size_t depth = 0;
    while (walk >= clear) {
      stack[depth++] = suffix[size_t(walk)];
      walk = prefix[size_t(walk)];
    }
    const uint8_t first = uint8_t(walk);
    stack[depth++] = first;
    while (depth > 0 && out < pixels.size()) pixels[out++] = stack[--depth];
    if (code == next && out < pixels.size()) pixels[out++] = first;
    if (next < kTableSize) {
      prefix[size_t(next)] = uint16_t(previous);
      suffix[size_t(next)] = first;
      ++next;
      // Wider codes once the next entry no longer fits (at once for a code size of 1).
      if (next >= (1 << codeBits) && codeBits < kMaxCodeBits) ++codeBits;
    }
    previous = code;
  }
  if (written) *written = out;
  return result;
}
