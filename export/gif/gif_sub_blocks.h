// The sub-blocks of GIF extensions and image data: a size byte (1 to 255) and that many
// bytes, repeated, ended by a block of size 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/file/byte_reader.h"

using CGifSubBlock = std::array<uint8_t, 255>;

// Reads one sub-block into block and its length into size (0 for the block that ends the
// chain); false when the data ends first.
bool ReadGifSubBlock(tmb::ByteReader& reader, CGifSubBlock& block, size_t& size);
// Skips the rest of a chain up to and including its end block; false when the data ends
// first.
bool SkipGifSubBlocks(tmb::ByteReader& reader);
