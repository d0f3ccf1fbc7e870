#include "export/gif/gif_sub_blocks.h"

bool ReadGifSubBlock(tmb::ByteReader& reader, CGifSubBlock& block, size_t& size) {
  uint8_t length;
  if (!reader.ReadU8(length) || !reader.Read(block.data(), length)) return false;
  size = length;
  return true;
}

bool SkipGifSubBlocks(tmb::ByteReader& reader) {
  for (;;) {
    uint8_t length;
    if (!reader.ReadU8(length)) return false;
    if (length == 0) return true;
    if (!reader.Skip(length)) return false;
  }
}
