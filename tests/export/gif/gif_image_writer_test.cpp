// GIF records and images as bytes: the first frame of an animation with its header, global
// table and loop extension, later frames with their control extension and local table,
// transparency, rescaled tables, interlaced rows, and what the record writers refuse.
#include "export/gif/gif_image_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/gif/gif_block_writer.h"
#include "export/gif/gif_byte_sink.h"
#include "support/file_bytes.h"
#include "support/gif_encoding_checks.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Palette(uint8_t shift) {
  Bytes palette(256 * 4);
  for (int i = 0; i < 256; ++i) {
    palette[4 * i] = static_cast<uint8_t>(i + shift);
    palette[4 * i + 1] = static_cast<uint8_t>(2 * i);
    palette[4 * i + 2] = static_cast<uint8_t>(255 - i);
    palette[4 * i + 3] = 0xEE;  // the spare byte is never written
  }
  return palette;
}

// The palette's first 2^bits entries as the file holds them.
Bytes TableBytes(const Bytes& palette, int bits) {
  Bytes out;
  for (int i = 0; i < 1 << bits; ++i) out.insert(out.end(), palette.begin() + 4 * i, palette.begin() + 4 * i + 3);
  return out;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

const Bytes kLoop = {0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 0x03, 0x01, 0xE8, 0x03, 0x00};
const Bytes kPixels = {0, 1, 2, 3, 4, 5};  // 3 x 2

Bytes Frame(int delay, int first, int transparent, const Bytes& palette) {
  GifMemorySink sink;
  const tmb::Status s = AddGifImageFrame(sink, kPixels, 3, 2, palette, delay, first, transparent, 0);
  EXPECT_TRUE(s) << s.message();
  return sink.m_bytes;
}

Bytes ImageData(int codeSize) {
  GifMemorySink sink;
  EXPECT_TRUE(WriteGifImage(sink, 3, 2, kPixels, Palette(0), 8, 0, codeSize, 0));
  return sink.m_bytes;
}

TEST(AddGifImageFrame, FirstFrameCarriesHeaderGlobalTableAndLoopExtension) {
  const Bytes palette = Palette(1);
  const Bytes frame = Frame(10, 1, 0, palette);
  const Bytes header = {'G', 'I', 'F', '8', '9', 'a', 3, 0, 2, 0, 0xF7, 0, 0};
  const Bytes control = {0x21, 0xF9, 0x04, 0x00, 10, 0, 0, 0};
  const Bytes descriptor = {0x2C, 0, 0, 0, 0, 3, 0, 2, 0, 0x87};
  const Bytes expected = Cat({header, TableBytes(palette, 8), kLoop, control, descriptor, TableBytes(palette, 8)});
  ASSERT_GT(frame.size(), expected.size());
  EXPECT_EQ(Bytes(frame.begin(), frame.begin() + long(expected.size())), expected);
  const auto trace = tmb::test::TraceGifLzw(std::span(frame).subspan(expected.size()));
  EXPECT_EQ(trace.minimumCodeSize, 8);
  EXPECT_TRUE(trace.ended && trace.terminated);
  EXPECT_EQ(expected.size() + trace.size, frame.size());
}

TEST(AddGifImageFrame, LaterFramesCarryControlExtensionAndLocalTable) {
  const Bytes palette = Palette(9);
  const Bytes frame = Frame(300, 0, 0, palette);
  const Bytes expected = Cat({{0x21, 0xF9, 0x04, 0x00, 0x2C, 0x01, 0, 0}, {0x2C, 0, 0, 0, 0, 3, 0, 2, 0, 0x87},
                              TableBytes(palette, 8)});
  EXPECT_EQ(Bytes(frame.begin(), frame.begin() + long(expected.size())), expected);
}

TEST(AddGifImageFrame, TransparencyIsPackedNineWithIndexZero) {
  const Bytes frame = Frame(5, 0, 1, Palette(0));
  EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 8), Bytes({0x21, 0xF9, 0x04, 0x09, 5, 0, 0, 0}));
  const Bytes opaque = Frame(5, 0, -1, Palette(0));  // transparency is on only above 0
  EXPECT_EQ(opaque[3], 0);
}

TEST(AddGifImageFrame, ARefusedFrameWritesNothing) {
  GifMemorySink sink;
  const Bytes palette = Palette(0);
  EXPECT_FALSE(AddGifImageFrame(sink, kPixels, 3, 2, palette, 70000, 1, 0, 0));      // delay
  EXPECT_FALSE(AddGifImageFrame(sink, kPixels, 3, 2, palette, 10, 0, 1, 256));       // index
  EXPECT_FALSE(AddGifImageFrame(sink, kPixels, 3, 3, palette, 10, 1, 0, 0));         // pixels
  EXPECT_FALSE(AddGifImageFrame(sink, kPixels, 3, 2, Bytes(255 * 4), 10, 1, 0, 0));  // palette
  EXPECT_TRUE(sink.m_bytes.empty());
}

TEST(WriteGifImage, HeaderGlobalTableDescriptorAndDataAtTheTableBits) {
  const Bytes palette = Palette(0);
  const Bytes data = ImageData(3);
  const Bytes expected = Cat({{'G', 'I', 'F', '8', '9', 'a', 3, 0, 2, 0, 0xF2, 0, 0}, TableBytes(palette, 3),
                              {0x2C, 0, 0, 0, 0, 3, 0, 2, 0, 0x00}});
  ASSERT_GT(data.size(), expected.size());
  EXPECT_EQ(Bytes(data.begin(), data.begin() + long(expected.size())), expected);
  EXPECT_EQ(data[expected.size()], 3);  // minimum code size
}

TEST(WriteGifImage, RefusesPixelsPastTheTable) {
  GifMemorySink sink;
  EXPECT_FALSE(WriteGifImage(sink, 3, 2, kPixels, Palette(0), 8, 0, 2, 0));  // pixel 5 in a 4-entry table
  EXPECT_FALSE(WriteGifImage(sink, 3, 2, kPixels, Palette(0), 8, 0, 0, 0));
  EXPECT_FALSE(WriteGifImage(sink, 3, 2, kPixels, Palette(0), 8, 0, 9, 0));
  EXPECT_TRUE(sink.m_bytes.empty());
}

// An interlaced image says so in its descriptor and codes its rows pass by pass, so that
// giflib's gif2rgb, which places each row by its pass, gives the picture back in row order.
TEST(WriteGifImage, AnInterlacedImageReadsBackInRowOrder) {
  constexpr int kW = 3, kH = 11;  // rows in all four passes
  Bytes pixels;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) pixels.push_back(static_cast<uint8_t>(20 * y + x));
  }
  const Bytes palette = Palette(0);  // red is the index
  GifMemorySink sink;
  const tmb::Status s = WriteGifImage(sink, kW, kH, pixels, palette, 8, 1, 8, 0);
  ASSERT_TRUE(s) << s.message();
  const size_t descriptor = 13 + 256 * 3;
  ASSERT_GT(sink.m_bytes.size(), descriptor + 10);
  EXPECT_EQ(sink.m_bytes[descriptor], 0x2C);
  EXPECT_EQ(sink.m_bytes[descriptor + 9], 0x40) << "the interlace bit";
  if (!tmb::test::ToolInstalled("gif2rgb")) GTEST_SKIP() << "gif2rgb is not installed";
  sink.m_bytes.push_back(0x3B);
  tmb::test::TempDir dir;
  const auto path = dir / "interlaced.gif";
  tmb::test::WriteFileBytes(path, sink.m_bytes);
  std::string why;
  const Bytes rgb = tmb::test::DecodeWithGif2Rgb(path, why);
  ASSERT_EQ(rgb.size(), pixels.size() * 3) << why;
  Bytes reds;
  for (size_t i = 0; i < rgb.size(); i += 3) reds.push_back(rgb[i]);
  EXPECT_EQ(reds, pixels);
}

TEST(GifRecords, HeaderWithoutTableAndRescaledTables) {
  GifMemorySink sink;
  ASSERT_TRUE(WriteGifHeader(sink, 65535, 1, 8, 0, 8, 0, {}));
  EXPECT_EQ(sink.m_bytes, Bytes({'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 1, 0, 0x70, 0, 0}));

  // 4-bit components stretched to bytes: 15 becomes 255, 5 becomes 85; out-of-range ones
  // saturate.
  const Bytes table = {15, 5, 0, 0, 1, 200, 7, 0};
  sink.m_bytes.clear();
  ASSERT_TRUE(WriteGifColourTable(sink, 4, 1, 1, table));
  EXPECT_EQ(sink.m_bytes, Bytes({255, 85, 0, 17, 255, 119}));
  sink.m_bytes.clear();
  ASSERT_TRUE(WriteGifColourTable(sink, 0, 1, 0, table));  // no rescale: bits unused
  EXPECT_EQ(sink.m_bytes, Bytes({15, 5, 0, 1, 200, 7}));
}

TEST(GifRecords, RefuseValuesTheirFieldsCannotHoldWritingNothing) {
  GifMemorySink sink;
  const Bytes palette = Palette(0);
  EXPECT_FALSE(WriteGifColourTable(sink, 0, 8, 1, palette));  // rescale by 2^0 - 1
  EXPECT_FALSE(WriteGifColourTable(sink, 9, 8, 1, palette));
  EXPECT_FALSE(WriteGifColourTable(sink, 8, 0, 0, palette));
  EXPECT_FALSE(WriteGifColourTable(sink, 8, 9, 0, palette));
  EXPECT_FALSE(WriteGifColourTable(sink, 8, 8, 0, Bytes(4 * 255)));
  EXPECT_FALSE(WriteGifHeader(sink, 0, 1, 8, 0, 8, 0, palette));
  EXPECT_FALSE(WriteGifHeader(sink, 1, 65536, 8, 0, 8, 0, palette));
  EXPECT_FALSE(WriteGifHeader(sink, 1, 1, 9, 0, 8, 0, {}));  // would set the table flag
  EXPECT_FALSE(WriteGifHeader(sink, 1, 1, 0, 0, 8, 0, {}));
  EXPECT_FALSE(WriteGifHeader(sink, 1, 1, 8, 256, 8, 0, {}));
  EXPECT_FALSE(WriteGifHeader(sink, 1, 1, 8, 0, 9, 0, palette));
  EXPECT_FALSE(WriteGifImageDescriptor(sink, -1, 0, 1, 1, 8, 0, 8, 0, {}));
  EXPECT_FALSE(WriteGifImageDescriptor(sink, 0, 65536, 1, 1, 8, 0, 8, 0, {}));
  EXPECT_FALSE(WriteGifImageDescriptor(sink, 0, 0, 0, 1, 8, 0, 8, 0, {}));
  EXPECT_FALSE(WriteGifImageDescriptor(sink, 0, 0, 1, 1, 8, 0, 0, 0, palette));
  EXPECT_FALSE(WriteGifLoopExt(sink, 65536));
  EXPECT_FALSE(WriteGifControlExt(sink, 0, -1, 0));
  EXPECT_TRUE(sink.m_bytes.empty());
}

}  // namespace
