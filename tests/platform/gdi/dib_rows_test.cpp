#include "platform/gdi/dib_rows.h"

#include <gtest/gtest.h>

#include <random>

#include "support/surface_text.h"

namespace tmb {
namespace {

// A picture whose colours every bit count can hold: black, white and, above one bit, the
// corners of the colour cube.
Surface TestPicture(int w, int h, int bitCount) {
  Surface s;
  EXPECT_TRUE(s.Create(w, h, PixelFormat::kColour32));
  const Colour colours[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0x00FFFF, 0xFF00FF};
  std::mt19937 random(uint32_t(w * 31 + h));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s.SetPixel(x, y, colours[random() % (bitCount == 1 ? 2 : 8)]);
  }
  return s;
}

TEST(DibRows, RoundTripsAtEveryBitCount) {
  for (int bits : {1, 4, 8, 24, 32}) {
    for (int w : {1, 7, 8, 9, 33}) {
      const Surface picture = TestPicture(w, 5, bits);
      DibInfo info;
      info.header.bitCount = uint16_t(bits);
      std::vector<uint8_t> buffer(size_t(DibStride(w, bits)) * 5);
      ASSERT_EQ(GetDibRows(picture, 0, 5, buffer, info), 5);
      EXPECT_EQ(info.header.width, w);
      EXPECT_EQ(info.header.height, 5);
      EXPECT_EQ(info.header.sizeImage, buffer.size());
      EXPECT_EQ(int(info.colours.size()), DefaultColourCount(bits));
      Surface back;
      ASSERT_TRUE(back.Create(w, 5, PixelFormat::kColour32));
      ASSERT_EQ(SetDibRows(back, 0, 5, buffer, info), 5);
      for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < w; ++x) ASSERT_EQ(back.GetPixel(x, y), picture.GetPixel(x, y)) << bits << " " << x << "," << y;
      }
    }
  }
}

TEST(DibRows, RowsRunBottomUpWithTheLeftmostPixelInTheHighestBit) {
  Surface s;
  ASSERT_TRUE(s.Create(10, 3, PixelFormat::kMono1));
  s.Fill(0xFFFFFF);
  s.SetPixel(0, 0, 0x000000);  // top row, first pixel
  s.SetPixel(9, 2, 0x000000);  // bottom row, last pixel
  DibInfo info;
  info.header.bitCount = 1;
  std::vector<uint8_t> rows(4 * 3);
  ASSERT_EQ(GetDibRows(s, 0, 3, rows, info), 3);
  const std::vector<uint8_t> expected = {0xFF, 0xBF, 0xFF, 0xFF,   // bottom row; padding reads as 1
                                         0xFF, 0xFF, 0xFF, 0xFF,   // middle row: empty is all 0xFF
                                         0x7F, 0xFF, 0xFF, 0xFF};  // top row
  EXPECT_EQ(rows, expected);
  // Scan 2 alone is the top row; a top-down request numbers from the top.
  std::vector<uint8_t> one(4);
  ASSERT_EQ(GetDibRows(s, 2, 1, one, info), 1);
  EXPECT_EQ(one[0], 0x7F);
  info.header.height = -1;
  ASSERT_EQ(GetDibRows(s, 0, 1, one, info), 1);
  EXPECT_EQ(info.header.height, -3);
  EXPECT_EQ(one[0], 0x7F);

  DibInfo colour;
  colour.header.bitCount = 24;
  std::vector<uint8_t> px(8 * 1);
  Surface c;
  ASSERT_TRUE(c.Create(2, 1, PixelFormat::kColour32));
  c.SetPixel(0, 0, 0x332211);
  ASSERT_EQ(GetDibRows(c, 0, 1, px, colour), 1);
  EXPECT_EQ(px[0], 0x33) << "blue first";
  EXPECT_EQ(px[2], 0x11);
}

TEST(DibRows, SettingRowsChecksTheDescriptionAndTheBuffer) {
  Surface s;
  ASSERT_TRUE(s.Create(4, 4, PixelFormat::kColour32));
  s.Fill(0xFFFFFF);
  DibInfo info;
  info.header.width = 4;
  info.header.height = 4;
  info.header.bitCount = 8;
  info.colours = {{0, 0, 0, 0}, {0, 0, 255, 0}};  // a short table: indices past it are black
  std::vector<uint8_t> bits = {1, 0, 7, 200};
  EXPECT_EQ(SetDibRows(s, 0, 4, bits, info), 1) << "only whole lines present are set";
  EXPECT_EQ(s.GetPixel(0, 3), 0x0000FFu);
  EXPECT_EQ(s.GetPixel(2, 3), 0x000000u);
  EXPECT_EQ(s.GetPixel(0, 2), 0xFFFFFFu);
  const struct {
    int bitCount, width, height, compression, start;
  } bad[] = {{16, 4, 4, 0, 0}, {8, 0, 4, 0, 0}, {8, 4, 0, 0, 0}, {8, 4, 4, 1, 0}, {8, 4, 4, 0, 4}, {8, 4, 4, 0, -1},
             {8, 1 << 30, 4, 0, 0}};
  for (const auto& b : bad) {
    DibInfo d = info;
    d.header.bitCount = uint16_t(b.bitCount);
    d.header.width = b.width;
    d.header.height = b.height;
    d.header.compression = uint32_t(b.compression);
    EXPECT_EQ(SetDibRows(s, b.start, 1, bits, d), 0) << b.bitCount << " " << b.width << " " << b.start;
  }
  DibInfo unsupported;
  unsupported.header.bitCount = 2;
  EXPECT_EQ(GetDibRows(s, 0, 1, bits, unsupported), 0);
}

TEST(DibRows, AOneBitRowOntoAMonochromeSurfaceFollowsItsColourTable) {
  Surface s;
  ASSERT_TRUE(s.Create(8, 1, PixelFormat::kMono1));
  DibInfo info;
  info.header = {8, 1, 1, 1};
  const std::vector<uint8_t> row = {0xF0, 0, 0, 0};
  info.colours = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  ASSERT_EQ(SetDibRows(s, 0, 1, row, info), 1);
  EXPECT_EQ(test::SurfaceText(s), "....####\n");
  info.colours = {{255, 255, 255, 0}, {0, 0, 0, 0}};
  ASSERT_EQ(SetDibRows(s, 0, 1, row, info), 1);
  EXPECT_EQ(test::SurfaceText(s), "####....\n");
}

TEST(DibRows, HeadersAreFortyLittleEndianBytes) {
  DibHeader h;
  h.width = 100;
  h.height = -200;
  h.bitCount = 24;
  h.sizeImage = 60000;
  uint8_t bytes[40];
  WriteDibHeader(h, bytes);
  EXPECT_EQ(bytes[0], 40);
  EXPECT_EQ(bytes[4], 100);
  EXPECT_EQ(bytes[8], 0x38);
  EXPECT_EQ(bytes[11], 0xFF);
  EXPECT_EQ(bytes[12], 1);
  EXPECT_EQ(bytes[14], 24);
  const DibHeader back = ReadDibHeader(bytes);
  EXPECT_EQ(back.height, -200);
  EXPECT_EQ(back.sizeImage, 60000u);
  EXPECT_EQ(DibStride(100, 1), 16);
  EXPECT_EQ(DibStride(3, 24), 12);
  EXPECT_EQ(DibStride(0, 24), 0);
}

}  // namespace
}  // namespace tmb
