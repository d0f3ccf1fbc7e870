#include "core/bitmap/bmp_pixels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct RunCase {
  const char* what;
  int bitCount;
  int width;
  int height;
  Bytes data;
  bool ok;
  Bytes rows;  // stride 4 bytes a row, bottom row first
};

TEST(RunLengths, DecodeIntoPlainRows) {
  const RunCase cases[] = {
      {"8-bit runs and an end of row", 8, 4, 2, {3, 7, 0, 0, 2, 9, 1, 8, 0, 1}, true, {7, 7, 7, 0, 9, 9, 8, 0}},
      {"8-bit literal of odd length is padded", 8, 4, 1, {0, 3, 1, 2, 3, 0, 1, 5, 0, 1}, true, {1, 2, 3, 5}},
      {"a move right and up skips pixels", 8, 4, 2, {1, 4, 0, 2, 2, 1, 1, 6, 0, 1}, true, {4, 0, 0, 0, 0, 0, 0, 6}},
      {"the end of the picture leaves the rest at 0", 8, 4, 2, {2, 3, 0, 1}, true, {3, 3, 0, 0, 0, 0, 0, 0}},
      {"a run may cover the row's padding", 8, 3, 1, {4, 2, 0, 0, 0, 1}, true, {2, 2, 2, 2}},
      {"data ending after the last row is whole", 8, 2, 1, {2, 5, 0, 0}, true, {5, 5, 0, 0}},
      {"4-bit runs alternate the two indices", 4, 5, 1, {5, 0x12, 0, 1}, true, {0x12, 0x12, 0x10, 0}},
      {"4-bit literal packs two a byte, padded to words", 4, 8, 1, {0, 5, 0xAB, 0xCD, 0xE0, 0, 3, 0x70, 0, 1}, true,
       {0xAB, 0xCD, 0xE7, 0x07}},
      {"a run past the padded row", 8, 3, 1, {5, 1, 0, 1}, false, {}},
      {"a 4-bit run past the padded row", 4, 3, 1, {9, 0x11, 0, 1}, false, {}},
      {"a literal past the padded row", 8, 4, 1, {0, 5, 1, 2, 3, 4, 5, 0}, false, {}},
      {"a literal cut short", 8, 4, 1, {0, 4, 1, 2}, false, {}},
      {"a move past the picture", 8, 4, 2, {0, 2, 0, 3, 0, 1}, false, {}},
      {"a move past the row", 8, 4, 2, {0, 2, 5, 0, 0, 1}, false, {}},
      {"a move cut short", 8, 4, 2, {0, 2, 1}, false, {}},
      {"a row end past the last row", 8, 4, 1, {0, 0, 0, 0, 0, 1}, false, {}},
      {"a run past the last row", 8, 4, 1, {0, 0, 1, 1, 0, 1}, false, {}},
      {"no data", 8, 4, 1, {}, false, {}},
      {"data ending inside the picture", 8, 4, 2, {4, 1, 0, 0}, false, {}},
  };
  for (const RunCase& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes rows(4 * size_t(c.height), 0);
    ASSERT_EQ(tmb::DecodeRunLengths(c.data, c.bitCount, c.width, c.height, 4, rows), c.ok);
    if (c.ok) {
      EXPECT_EQ(rows, c.rows);
    }
  }
  // Rows too small for the picture are refused before anything is written.
  Bytes small(3, 0);
  EXPECT_FALSE(tmb::DecodeRunLengths(Bytes{1, 1, 0, 1}, 8, 4, 1, 4, small));
  EXPECT_FALSE(tmb::DecodeRunLengths(Bytes{1, 1, 0, 1}, 16, 4, 1, 4, small));
}

TEST(BitFields, MasksMustBeOneRunOfBits) {
  struct Case {
    uint32_t mask;
    bool ok;
    int shift, bits;
  };
  for (const Case& c : {Case{0x7C00, true, 10, 5}, Case{0xF800, true, 11, 5}, Case{0x07E0, true, 5, 6},
                        Case{0xFF000000, true, 24, 8}, Case{0x3FF00000, true, 20, 10}, Case{0, true, 0, 0},
                        Case{0xF00F, false, 0, 0}, Case{0x5, false, 0, 0}}) {
    tmb::BitField f;
    EXPECT_EQ(tmb::BitFieldOfMask(c.mask, f), c.ok) << std::hex << c.mask;
    if (c.ok) {
      EXPECT_EQ((std::pair{f.shift, f.bits}), (std::pair{c.shift, c.bits})) << std::hex << c.mask;
    }
  }
}

TEST(BitFields, ChannelsWidenTo8BitsByRepeatingTheirBits) {
  struct Case {
    uint32_t red, green, blue;  // masks
    uint32_t pixel;
    int bitCount;
    uint8_t b, g, r;
  };
  const Case cases[] = {
      {0x7C00, 0x03E0, 0x001F, 0x7FFF, 16, 255, 255, 255},  // 5-5-5 white
      {0x7C00, 0x03E0, 0x001F, 0x0421, 16, 8, 8, 8},        // level 1 of 31
      {0x7C00, 0x03E0, 0x001F, 0x4210, 16, 132, 132, 132},  // level 16: 10000 100
      {0xF800, 0x07E0, 0x001F, 0x0420, 16, 0, 134, 0},      // 6-bit 33: 100001 10
      {0x0F00, 0x00F0, 0x000F, 0x0A5F, 16, 255, 85, 170},   // 4-bit levels times 17
      {0x8000, 0x7C00, 0x0000, 0x8000, 16, 0, 0, 255},      // a 1-bit red, no blue
      {0x3FF00000, 0x000FFC00, 0x000003FF, 0x3FF003FF, 32, 255, 0, 255},  // 10 bits keep their top 8
      {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF123456, 32, 0x56, 0x34, 0x12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pixel);
    tmb::BitField f[3];
    ASSERT_TRUE(tmb::BitFieldOfMask(c.red, f[0]) && tmb::BitFieldOfMask(c.green, f[1]) && tmb::BitFieldOfMask(c.blue, f[2]));
    // One row of two pixels: the pixel and a black one, in a row padded to 4 bytes.
    Bytes in(c.bitCount == 16 ? 4 : 8, 0);
    for (int i = 0; i < c.bitCount / 8; ++i) in[size_t(i)] = uint8_t(c.pixel >> (8 * i));
    Bytes out(8, 0xEE);
    ASSERT_TRUE(tmb::ExpandBitFields(in, c.bitCount, 2, 1, f, out));
    EXPECT_EQ(out, (Bytes{c.b, c.g, c.r, 0, 0, 0, 0, 0}));
    // Rows the buffers cannot hold are refused before anything is written.
    Bytes untouched(8, 0xEE);
    EXPECT_FALSE(tmb::ExpandBitFields(in, c.bitCount, 2, 2, f, untouched));
    EXPECT_FALSE(tmb::ExpandBitFields(in, c.bitCount, 3, 1, f, untouched));
    EXPECT_EQ(untouched, Bytes(8, 0xEE));
  }
}

}  // namespace
