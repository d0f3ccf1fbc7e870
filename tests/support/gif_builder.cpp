#include "support/gif_builder.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace tmb::test {
namespace {

constexpr int kTableLimit = 4096;
constexpr int kMaxCodeBits = 12;

void PutU16(std::vector<uint8_t>& out, int v) {
  out.push_back(uint8_t(v & 0xFF));
  out.push_back(uint8_t((v >> 8) & 0xFF));
}

// Writes codes at the width the decoder will read them with: its table grows one code
// behind the coder's, and not at all on the first code after a clear.
class CodeWriter {
 public:
  explicit CodeWriter(int minCodeSize) : minCodeSize_(minCodeSize), clear_(1 << minCodeSize) { Reset(); }

  void Emit(int code) {
    bits_.Put(code, codeBits_);
    if (code == clear_) {
      Reset();
      return;
    }
    if (first_) {
      first_ = false;
      return;
    }
    if (next_ < kTableLimit) {
      ++next_;
      if (next_ >= (1 << codeBits_) && codeBits_ < kMaxCodeBits) ++codeBits_;
    }
  }
  void End() { bits_.Put(clear_ + 1, codeBits_); }
  std::vector<uint8_t> Bytes() const { return bits_.Bytes(); }

 private:
  void Reset() {
    codeBits_ = minCodeSize_ + 1;
    next_ = clear_ + 2;
    first_ = true;
  }

  GifBits bits_;
  int minCodeSize_;
  int clear_;
  int codeBits_ = 0;
  int next_ = 0;
  bool first_ = true;
};

}  // namespace

void GifBits::Put(int code, int bits) {
  buffer_ |= uint32_t(code) << count_;
  count_ += bits;
  while (count_ >= 8) {
    bytes_.push_back(uint8_t(buffer_ & 0xFF));
    buffer_ >>= 8;
    count_ -= 8;
  }
}

std::vector<uint8_t> GifBits::Bytes() const {
  std::vector<uint8_t> out = bytes_;
  if (count_ > 0) out.push_back(uint8_t(buffer_ & 0xFF));
  return out;
}

std::vector<uint8_t> EncodeGifLzw(std::span<const uint8_t> pixels, int minCodeSize, bool clearWhenFull) {
  const int clear = 1 << minCodeSize;
  CodeWriter writer(minCodeSize);
  writer.Emit(clear);
  if (!pixels.empty()) {
    std::unordered_map<uint32_t, int> table;
    int next = clear + 2;
    int prefix = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
      const uint32_t key = (uint32_t(prefix) << 8) | pixels[i];
      if (auto it = table.find(key); it != table.end()) {
        prefix = it->second;
        continue;
      }
      writer.Emit(prefix);
      if (next < kTableLimit) {
        table[key] = next++;
      } else if (clearWhenFull) {
        writer.Emit(clear);
        table.clear();
        next = clear + 2;
      }
      prefix = pixels[i];
    }
    writer.Emit(prefix);
  }
  writer.End();
  return writer.Bytes();
}

std::vector<uint8_t> GifSubBlockChain(std::span<const uint8_t> data, size_t blockSize) {
  std::vector<uint8_t> out;
  for (size_t pos = 0; pos < data.size(); pos += blockSize) {
    const size_t n = std::min(blockSize, data.size() - pos);
    out.push_back(uint8_t(n));
    out.insert(out.end(), data.begin() + ptrdiff_t(pos), data.begin() + ptrdiff_t(pos + n));
  }
  out.push_back(0);
  return out;
}

int GifTableBits(size_t entries) {
  for (int bits = 1; bits <= 8; ++bits) {
    if (size_t(1) << bits == entries) return bits;
  }
  throw std::invalid_argument("a GIF colour table holds 2 to 256 entries, a power of two");
}

GifBuilder::GifBuilder(const char* signature, int width, int height, const std::vector<uint32_t>& globalTable,
                       int background) {
  bytes_.assign(signature, signature + 6);
  PutU16(bytes_, width);
  PutU16(bytes_, height);
  const int packed = globalTable.empty() ? 0x70 : 0xF0 | (GifTableBits(globalTable.size()) - 1);
  bytes_.push_back(uint8_t(packed));
  bytes_.push_back(uint8_t(background));
  bytes_.push_back(0);
  Table(globalTable);
}

GifBuilder& GifBuilder::Control(int packed, int delay, int transparentIndex) {
  bytes_.insert(bytes_.end(), {0x21, 0xF9, 4, uint8_t(packed)});
  PutU16(bytes_, delay);
  bytes_.insert(bytes_.end(), {uint8_t(transparentIndex), 0});
  return *this;
}

GifBuilder& GifBuilder::Loop(int count) {
  return Application("NETSCAPE2.0", {{1, uint8_t(count & 0xFF), uint8_t((count >> 8) & 0xFF)}});
}

GifBuilder& GifBuilder::Application(const std::string& identifier, const std::vector<std::vector<uint8_t>>& subBlocks) {
  bytes_.insert(bytes_.end(), {0x21, 0xFF, uint8_t(identifier.size())});
  bytes_.insert(bytes_.end(), identifier.begin(), identifier.end());
  for (const auto& block : subBlocks) {
    bytes_.push_back(uint8_t(block.size()));
    bytes_.insert(bytes_.end(), block.begin(), block.end());
  }
  bytes_.push_back(0);
  return *this;
}

GifBuilder& GifBuilder::Comment(const std::string& text) {
  bytes_.insert(bytes_.end(), {0x21, 0xFE});
  const std::vector<uint8_t> chain = GifSubBlockChain({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  bytes_.insert(bytes_.end(), chain.begin(), chain.end());
  return *this;
}

GifBuilder& GifBuilder::PlainText(const std::string& text) {
  bytes_.insert(bytes_.end(), {0x21, 0x01, 12});
  bytes_.insert(bytes_.end(), 12, 0);
  const std::vector<uint8_t> chain = GifSubBlockChain({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  bytes_.insert(bytes_.end(), chain.begin(), chain.end());
  return *this;
}

GifBuilder& GifBuilder::Image(const GifImage& image) {
  std::vector<uint8_t> stored;
  if (image.interlaced) {
    for (int pass = 0; pass < 4; ++pass) {
      static constexpr int kStart[] = {0, 4, 2, 1};
      static constexpr int kStep[] = {8, 8, 4, 2};
      for (int y = kStart[pass]; y < image.height; y += kStep[pass]) {
        const auto row = image.pixels.begin() + ptrdiff_t(y) * image.width;
        stored.insert(stored.end(), row, row + image.width);
      }
    }
  } else {
    stored = image.pixels;
  }
  int maxIndex = 1;
  for (uint8_t p : stored) maxIndex = std::max<int>(maxIndex, p);
  int minCodeSize = 2;
  while ((1 << minCodeSize) <= maxIndex) ++minCodeSize;
  return RawImage(image, minCodeSize, GifSubBlockChain(EncodeGifLzw(stored, minCodeSize)));
}

GifBuilder& GifBuilder::RawImage(const GifImage& image, int minCodeSize, const std::vector<uint8_t>& chain) {
  Descriptor(image);
  bytes_.push_back(uint8_t(minCodeSize));
  bytes_.insert(bytes_.end(), chain.begin(), chain.end());
  return *this;
}

GifBuilder& GifBuilder::Trailer() {
  bytes_.push_back(0x3B);
  return *this;
}

void GifBuilder::Descriptor(const GifImage& image) {
  bytes_.push_back(0x2C);
  PutU16(bytes_, image.left);
  PutU16(bytes_, image.top);
  PutU16(bytes_, image.width);
  PutU16(bytes_, image.height);
  int packed = image.interlaced ? 0x40 : 0;
  if (!image.localTable.empty()) packed |= 0x80 | (GifTableBits(image.localTable.size()) - 1);
  bytes_.push_back(uint8_t(packed));
  Table(image.localTable);
}

void GifBuilder::Table(const std::vector<uint32_t>& colours) {
  for (uint32_t c : colours) bytes_.insert(bytes_.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
}

}  // namespace tmb::test
