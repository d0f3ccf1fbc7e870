// A small GIF encoder for tests: whole files built block by block (screen, tables,
// control and application extensions, plain or interlaced images, trailer), with an LZW
// coder whose table can be cleared when full or kept full, and raw code streams for
// damaged data.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tmb::test {

// Codes packed least significant bit first, as GIF image data holds them.
class GifBits {
 public:
  void Put(int code, int bits);
  // The packed bytes, the last one completed with zero bits.
  std::vector<uint8_t> Bytes() const;

 private:
  std::vector<uint8_t> bytes_;
  uint32_t buffer_ = 0;
  int count_ = 0;
};

// The LZW codes of pixels (colour indices below 2^minCodeSize), starting with a clear
// code and ending with the end code. With clearWhenFull false a full table of 4,096
// entries is kept and used on without a clear.
std::vector<uint8_t> EncodeGifLzw(std::span<const uint8_t> pixels, int minCodeSize, bool clearWhenFull = true);
// data as a chain of sub-blocks of at most blockSize bytes and the end block.
std::vector<uint8_t> GifSubBlockChain(std::span<const uint8_t> data, size_t blockSize = 255);

struct GifImage {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;       // width x height indices, top row first
  std::vector<uint32_t> localTable;  // 0x00BBGGRR entries (2 to 256, a power of two); none when empty
  bool interlaced = false;           // rows are stored pass by pass
};

class GifBuilder {
 public:
  // Signature ("GIF87a" or "GIF89a"), logical screen and global table (none when empty).
  GifBuilder(const char* signature, int width, int height, const std::vector<uint32_t>& globalTable,
             int background = 0);

  // A graphic control extension: packed fields, delay (1/100 s), transparent index.
  GifBuilder& Control(int packed, int delay, int transparentIndex);
  // The looping application extension with its loop count.
  GifBuilder& Loop(int count);
  // Any application extension: an 11-byte identifier and data sub-blocks.
  GifBuilder& Application(const std::string& identifier, const std::vector<std::vector<uint8_t>>& subBlocks);
  GifBuilder& Comment(const std::string& text);
  // A plain text extension: a graphic block of its own, drawn by no reader here.
  GifBuilder& PlainText(const std::string& text);
  GifBuilder& Image(const GifImage& image);
  // An image whose data is given as it stands in the file: minimum code size and chain.
  GifBuilder& RawImage(const GifImage& image, int minCodeSize, const std::vector<uint8_t>& chain);
  GifBuilder& Trailer();

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  // Where the next block will start.
  size_t size() const { return bytes_.size(); }

 private:
  void Descriptor(const GifImage& image);
  void Table(const std::vector<uint32_t>& colours);

  std::vector<uint8_t> bytes_;
};

// Bits of a colour table of n entries, as the packed fields count them (n = 2^bits).
int GifTableBits(size_t entries);

}  // namespace tmb::test
