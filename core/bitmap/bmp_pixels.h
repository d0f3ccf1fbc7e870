// The pixel data of the BMP kinds that are not plain rows, turned into plain rows that the
// drawing reads: run-length compressed 4- and 8-bit pictures into uncompressed rows of the
// same bit count, 16-bit and bit-field 32-bit pictures into 32-bit rows (blue, green, red,
// spare). Every reader refuses data that would write outside its picture.
#pragma once

#include <cstdint>
#include <span>

namespace tmb {

// The BMP compression values read here.
constexpr uint32_t kBmpRle8 = 1;
constexpr uint32_t kBmpRle4 = 2;
constexpr uint32_t kBmpBitFields = 3;

// One colour channel of a bit-field pixel: the mask's lowest set bit and its width.
struct BitField {
  int shift = 0;
  int bits = 0;
};

// The channel of a mask; false for a mask whose bits are not one unbroken run.
bool BitFieldOfMask(uint32_t mask, BitField& field);

// Decodes run-length data of bitCount 8 (pairs of count and index, escapes 0 = end of
// row, 1 = end of picture, 2 = a move right and up, 3 or more = a run of literal indices
// padded to two bytes) or 4 (the same with two alternating indices a byte) into rows,
// bottom row first, stride bytes each, height rows; pixels no run writes keep index 0.
// A run may cover the row's padding. False for data that runs past its padded row, moves
// past the picture or ends before the last row is done.
bool DecodeRunLengths(std::span<const uint8_t> data, int bitCount, int width, int height, int64_t stride,
                      std::span<uint8_t> rows);

// Expands rows of 16- or 32-bit pixels (little-endian words, rows padded to 4 bytes) in
// the channels red, green, blue to 32-bit rows of the same order, each channel widened
// to 8 bits by repeating its bits (a channel of no bits is 0). False, with nothing
// written, when bits holds fewer than rowCount padded rows or rows has no room for rowCount
// rows of width x 4 bytes.
bool ExpandBitFields(std::span<const uint8_t> bits, int bitCount, int width, int64_t rowCount, const BitField fields[3],
                     std::span<uint8_t> rows);

}  // namespace tmb
