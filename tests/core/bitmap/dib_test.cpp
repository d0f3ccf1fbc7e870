#include "core/bitmap/dib.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "platform/file/byte_writer.h"
#include "platform/file/little_endian.h"
#include "platform/file/safe_save.h"
#include "support/scripted_display.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace {

using tmb::PixelFormat;
using tmb::Surface;

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A picture of colours every bit count holds (black and white only for one bit).
Surface Picture(int w, int h, int bits) {
  Surface s;
  EXPECT_TRUE(s.Create(w, h, PixelFormat::kColour32));
  const tmb::Colour colours[] = {0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF};
  std::mt19937 random{uint32_t(bits)};
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s.SetPixel(x, y, colours[random() % (bits == 1 ? 2 : 6)]);
  }
  return s;
}

// A BMP file of a picture at a bit count, written with our own header writer.
std::vector<uint8_t> BmpFile(const Surface& picture, int bits) {
  tmb::DibInfo info;
  info.header.bitCount = uint16_t(bits);
  std::vector<uint8_t> rows(size_t(tmb::DibStride(picture.width(), bits)) * size_t(picture.height()));
  EXPECT_EQ(tmb::GetDibRows(picture, 0, picture.height(), rows, info), picture.height());
  tmb::ByteWriter w;
  const uint32_t offset = 54 + 4 * uint32_t(info.colours.size());
  w.U8('B').U8('M').U32(offset + uint32_t(rows.size())).U16(0).U16(0).U32(offset);
  uint8_t header[40];
  tmb::WriteDibHeader(info.header, header);
  w.Bytes(header, 40);
  for (const tmb::RgbQuad& q : info.colours) w.U8(q.blue).U8(q.green).U8(q.red).U8(0);
  w.Bytes(rows.data(), rows.size());
  return w.bytes();
}

class DibTest : public ::testing::Test {
 protected:
  tmb::test::ScriptedMessages messages;
  tmb::test::TempDir dir;
  tmb::DeviceContext screen;
};

TEST_F(DibTest, AOneBitBlockOf100By200HasTheExactBmpLayout) {
  Surface mono;
  ASSERT_TRUE(mono.Create(100, 200, PixelFormat::kMono1));
  mono.Fill(0xFFFFFF);
  mono.SetPixel(0, 0, 0x000000);
  CDib dib;
  ASSERT_EQ(dib.CreateFromBitmap(&screen, &mono, nullptr), 1);
  const uint8_t* b = dib.m_pBlock;
  EXPECT_EQ(dib.m_nBlockSize, 3262u);
  EXPECT_EQ(dib.m_blockSize, (tmb::Size{100, 200}));
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(tmb::LoadU32(b + 2), 3262u);
  EXPECT_EQ(tmb::LoadU32(b + 6), 0u);
  EXPECT_EQ(tmb::LoadU32(b + 10), 62u);
  EXPECT_EQ(tmb::LoadU32(b + 14), 40u);
  EXPECT_EQ(tmb::LoadU32(b + 18), 100u);
  EXPECT_EQ(tmb::LoadU32(b + 22), 200u);
  EXPECT_EQ(tmb::LoadU16(b + 26), 1);
  EXPECT_EQ(tmb::LoadU16(b + 28), 1);
  EXPECT_EQ(tmb::LoadU32(b + 30), 0u);
  EXPECT_EQ(tmb::LoadU32(b + 34), 3200u);
  for (int i = 38; i < 54; ++i) EXPECT_EQ(b[i], 0) << i;
  EXPECT_EQ(tmb::LoadU32(b + 54), 0x00000000u) << "colour 0 black";
  EXPECT_EQ(tmb::LoadU32(b + 58), 0x00FFFFFFu) << "colour 1 white";
  EXPECT_EQ(dib.m_pBits, b + 62);
  // Bottom row first, stride 16: the top-left pixel is the highest bit of the last row.
  EXPECT_EQ(dib.m_pBits[199 * 16], 0x7F);
  EXPECT_EQ(dib.m_pBits[0], 0xFF);
}

TEST_F(DibTest, ATwentyFourBitBlockOf3By2HasNoColourTable) {
  Surface colour = Picture(3, 2, 24);
  CDib dib;
  ASSERT_EQ(dib.CreateFromBitmap(&screen, &colour, nullptr), 1);
  EXPECT_EQ(dib.m_nBlockSize, 78u);
  EXPECT_EQ(tmb::LoadU32(dib.m_pBlock + 10), 54u);
  EXPECT_EQ(tmb::LoadU16(dib.m_pBlock + 28), 24);
  EXPECT_EQ(tmb::LoadU32(dib.m_pBlock + 34), 24u);
  EXPECT_EQ(dib.m_pBits[12 + 2], tmb::RedOf(colour.GetPixel(0, 0))) << "top row last, blue green red";
  // Built twice with another size: the second size.
  Surface other = Picture(5, 5, 24);
  ASSERT_EQ(dib.CreateFromBitmap(&screen, &other, nullptr), 1);
  EXPECT_EQ(dib.m_blockSize, (tmb::Size{5, 5}));
  EXPECT_EQ(dib.m_nBlockSize, 54u + 16 * 5);
  dib.FreeBits();
  dib.FreeBits();
  EXPECT_EQ(dib.m_pBlock, nullptr);
  EXPECT_EQ(dib.CreateFromBitmap(&screen, nullptr, nullptr), 0);
}

TEST_F(DibTest, PicturesRoundTripThroughBmpFilesAtEveryBitCount) {
  // The picture save's road: the block built from a bitmap, written unchanged. A colour
  // bitmap has the display's depth, so a display of 4 or 8 bits gives blocks of 4 or 8.
  tmb::test::ScriptedDisplay display;
  for (int bits : {1, 4, 8, 24}) {
    const Surface picture = Picture(37, 11, bits);
    display.bits = bits == 24 ? 16 : bits;
    Surface source;
    ASSERT_TRUE(source.Create(37, 11, bits == 1 ? PixelFormat::kMono1 : PixelFormat::kColour32));
    tmb::DeviceContext s(&source), p(const_cast<Surface*>(&picture));
    s.BitBlt(0, 0, 37, 11, &p, 0, 0, tmb::kSrcCopy);
    CDib built;
    ASSERT_EQ(built.CreateFromBitmap(&screen, &source, nullptr), 1);
    ASSERT_EQ(tmb::LoadU16(built.m_pBlock + 28), bits);
    ASSERT_EQ(tmb::LoadU32(built.m_pBlock + 10), 54u + 4u * uint32_t(tmb::DefaultColourCount(bits)));
    const std::vector<uint8_t> file(built.m_pBlock, built.m_pBlock + built.m_nBlockSize);
    std::string name = "p";
    name += std::to_string(bits);
    const auto path = dir / (name + ".bmp");
    ASSERT_TRUE(tmb::SaveFileAtomically(path, file.data(), file.size()));
    CDib dib;
    ASSERT_EQ(dib.ReadFile(path.string()), 1) << bits;
    EXPECT_EQ(dib.GetSize(), (tmb::Size{37, 11}));
    EXPECT_EQ(dib.m_nFileSize, file.size());
    Surface shown;
    ASSERT_TRUE(shown.Create(40, 12, PixelFormat::kColour32));
    tmb::DeviceContext dc(&shown);
    tmb::Size size;
    EXPECT_EQ(dib.Draw(&dc, {2, 1}, &size, 0), 11);
    EXPECT_EQ(size, (tmb::Size{37, 11}));
    for (int y = 0; y < 11; ++y) {
      for (int x = 0; x < 37; ++x) ASSERT_EQ(shown.GetPixel(x + 2, y + 1), picture.GetPixel(x, y)) << bits << ": " << x << "," << y;
    }
    EXPECT_TRUE(messages.ids.empty());
  }
}

// A block of 8 bits takes its colour table from the palette selected for the build, and
// each pixel the nearest entry; the context gets its own palette back.
TEST_F(DibTest, AnEightBitBlockHasTheGivenPalettesColours) {
  tmb::test::ScriptedDisplay display;
  display.bits = 8;
  std::vector<tmb::PaletteEntry> entries(256);
  entries[0] = {250, 250, 250, 0};
  entries[1] = {10, 20, 200, 0};
  entries[7] = {200, 10, 10, 0};
  tmb::Palette palette;
  ASSERT_TRUE(palette.Create(entries));
  tmb::Palette before;
  ASSERT_TRUE(before.Create(entries));
  screen.SelectPalette(&before, false);
  Surface picture;
  ASSERT_TRUE(picture.Create(4, 1, PixelFormat::kColour32));
  const tmb::Colour colours[] = {0xFFFFFF, 0xC81400, 0x0000FF, 0x0A0ACA};
  for (int x = 0; x < 4; ++x) picture.SetPixel(x, 0, colours[x]);
  CDib dib;
  ASSERT_EQ(dib.CreateFromBitmap(&screen, &picture, &palette), 1);
  EXPECT_EQ(screen.palette(), &before);
  const uint8_t* table = dib.m_pBlock + 54;
  EXPECT_EQ(tmb::LoadU32(table + 4 * 1), 0x000A14C8u) << "blue, green, red, 0";
  EXPECT_EQ(tmb::LoadU32(table + 4 * 7), 0x00C80A0Au);
  EXPECT_EQ(std::vector<uint8_t>(dib.m_pBits, dib.m_pBits + 4), (std::vector<uint8_t>{0, 1, 7, 7}));
  // Asked for 24 bits, as the coded formats ask, the same bitmap keeps its colours.
  ASSERT_EQ(dib.CreateFromBitmap(&screen, &picture, &palette, 24), 1);
  EXPECT_EQ(tmb::LoadU16(dib.m_pBlock + 28), 24);
  EXPECT_EQ(dib.m_pBits[3 * 2 + 2], 0xFF) << "red of the third pixel";
  EXPECT_EQ(dib.CreateFromBitmap(&screen, &picture, &palette, 16), 0);
}

TEST_F(DibTest, RightAlignedDrawingEndsAtThePointAndIsCutToIt) {
  Surface picture = Picture(80, 3, 24);
  const auto path = dir / "wide.bmp";
  const std::vector<uint8_t> file = BmpFile(picture, 24);
  WriteFile(path, file);
  CDib dib;
  ASSERT_EQ(dib.ReadFile(path.string()), 1);
  Surface shown;
  ASSERT_TRUE(shown.Create(100, 3, PixelFormat::kColour32));
  shown.Fill(0x808080);
  tmb::DeviceContext dc(&shown);
  dib.Draw(&dc, {50, 0}, nullptr, 1);
  for (int x = 0; x < 100; ++x) {
    ASSERT_EQ(shown.GetPixel(x, 1), x < 50 ? picture.GetPixel(x, 1) : 0x808080u) << x;
  }
  // Stretched to twice the size.
  Surface big;
  ASSERT_TRUE(big.Create(160, 6, PixelFormat::kColour32));
  tmb::DeviceContext bigDC(&big);
  EXPECT_EQ(dib.StretchDraw(&bigDC, {0, 0}, {160, 6}, 0), 3);
  EXPECT_EQ(big.GetPixel(79, 3), picture.GetPixel(39, 1));
}

TEST_F(DibTest, ATwentyFourBitFileGetsTheColourCubePalette) {
  const auto path = dir / "cube.bmp";
  WriteFile(path, BmpFile(Picture(4, 4, 24), 24));
  CDib dib;
  ASSERT_EQ(dib.ReadFile(path.string()), 1);
  ASSERT_NE(dib.m_pPalette, nullptr);
  EXPECT_EQ(dib.m_pPalette->EntryCount(), 216);
  tmb::PaletteEntry e[216];
  ASSERT_EQ(dib.m_pPalette->GetEntries(0, e), 216);
  EXPECT_EQ(e[0], (tmb::PaletteEntry{0, 0, 0, 0}));
  EXPECT_EQ(e[36 * 5 + 6 * 2 + 1], (tmb::PaletteEntry{212, 85, 42, 0}));
  // An 8-bit file's palette is its colour table.
  WriteFile(path, BmpFile(Picture(4, 4, 8), 8));
  ASSERT_EQ(dib.ReadFile(path.string()), 1);
  EXPECT_EQ(dib.m_pPalette->EntryCount(), 256);
}

// Damaged files: each is refused with 62048, leaves nothing loaded and draws nothing.
TEST_F(DibTest, DamagedFilesAreRefusedAndLeaveTheObjectEmpty) {
  const std::vector<uint8_t> good = BmpFile(Picture(5, 3, 8), 8);
  std::vector<std::vector<uint8_t>> damaged;
  for (size_t n = 0; n < good.size(); ++n) damaged.emplace_back(good.begin(), good.begin() + std::ptrdiff_t(n));
  auto patched = [&](size_t at, uint32_t value, int bytes) {
    std::vector<uint8_t> f = good;
    if (bytes == 2) {
      tmb::StoreU16(&f[at], uint16_t(value));
    } else {
      tmb::StoreU32(&f[at], value);
    }
    damaged.push_back(f);
  };
  patched(0, 'B' | ('N' << 8), 2);  // magic
  patched(10, 0xFFFFFFF0u, 4);      // bits offset past the end
  patched(10, 20, 4);               // bits offset inside the header
  patched(10, uint32_t(good.size()) - 4, 4);  // rows run past the end
  patched(14, 12, 4);               // header size of an unknown form
  patched(14, 0xFFFFFF00u, 4);      // header size past the end
  patched(18, 0x40000000u, 4);      // huge width
  patched(18, 0, 4);                // no width
  patched(22, 0x7FFFFFFFu, 4);      // huge height
  patched(22, 0x80000000u, 4);      // the most negative height
  patched(22, 0, 4);                // no height
  patched(26, 2, 2);                // planes
  patched(28, 16, 2);               // 16 bits a pixel: rows past the end
  patched(30, 1, 4);                // plain rows read as run lengths run past the row
  patched(46, 0xFFFFFFFFu, 4);      // huge colour count
  patched(46, 257, 4);              // more colours than 8 bits hold
  const auto path = dir / "bad.bmp";
  for (size_t i = 0; i < damaged.size(); ++i) {
    CDib dib;
    WriteFile(path, good);
    ASSERT_EQ(dib.ReadFile(path.string()), 1);
    WriteFile(path, damaged[i]);
    messages.ids.clear();
    EXPECT_EQ(dib.ReadFile(path.string()), 0) << i;
    EXPECT_EQ(messages.ids, std::vector<int>{62048}) << i;
    EXPECT_EQ(dib.m_pFileBits, nullptr);
    EXPECT_EQ(dib.m_pPalette, nullptr);
    EXPECT_EQ(dib.m_nFileSize, 0u);
    Surface s;
    ASSERT_TRUE(s.Create(8, 8, PixelFormat::kColour32));
    s.Fill(0x808080);
    tmb::DeviceContext dc(&s);
    EXPECT_EQ(dib.Draw(&dc, {0, 0}, nullptr, 0), 0) << i;
    EXPECT_EQ(dib.StretchDraw(&dc, {0, 0}, {8, 8}, 0), 0);
    EXPECT_EQ(s.GetPixel(0, 0), 0x808080u);
  }
}

TEST_F(DibTest, AFourBitRunLengthFileLoadsWithItsColourTable) {
  // No tool at hand writes these: 5 x 2 pixels, colours 0 white, 1 red, 2 blue.
  tmb::ByteWriter w;
  const std::vector<uint8_t> data = {5, 0x12, 0, 0, 0, 3, 0x20, 0x10, 2, 0x00, 0, 0, 0, 1};
  const uint32_t offset = 54 + 4 * 3;
  w.U8('B').U8('M').U32(offset + uint32_t(data.size())).U16(0).U16(0).U32(offset);
  tmb::DibHeader header;
  header.width = 5;
  header.height = 2;
  header.bitCount = 4;
  header.compression = 2;
  header.sizeImage = uint32_t(data.size());
  header.clrUsed = 3;
  uint8_t bytes[40];
  tmb::WriteDibHeader(header, bytes);
  w.Bytes(bytes, 40);
  w.U8(255).U8(255).U8(255).U8(0).U8(0).U8(0).U8(255).U8(0).U8(255).U8(0).U8(0).U8(0);
  w.Bytes(data.data(), data.size());
  const auto path = dir / "rle4.bmp";
  WriteFile(path, w.bytes());
  CDib dib;
  ASSERT_EQ(dib.ReadFile(path.string()), 1);
  EXPECT_EQ(dib.GetSize(), (tmb::Size{5, 2}));
  Surface s;
  ASSERT_TRUE(s.Create(5, 2, PixelFormat::kColour32));
  tmb::DeviceContext dc(&s);
  EXPECT_EQ(dib.Draw(&dc, {0, 0}, nullptr, 0), 2);
  // The bottom row alternates red and blue; the top row is blue, white, red and then two
  // pixels of index 0.
  const tmb::Colour red = 0x0000FF, blue = 0xFF0000, white = 0xFFFFFF;
  const tmb::Colour bottom[] = {red, blue, red, blue, red}, top[] = {blue, white, red, white, white};
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(s.GetPixel(x, 1), bottom[x]) << x;
    EXPECT_EQ(s.GetPixel(x, 0), top[x]) << x;
  }
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(DibTest, AMissingFileFailsQuietlyAndLeavesNothingLoaded) {
  CDib dib;
  const auto good = dir / "good.bmp";
  WriteFile(good, BmpFile(Picture(5, 3, 8), 8));
  ASSERT_EQ(dib.ReadFile(good.string()), 1);
  EXPECT_EQ(dib.ReadFile((dir / "none.bmp").string()), 0);
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(dib.m_pFileBits, nullptr);
  EXPECT_EQ(dib.m_nFileSize, 0u);
}

TEST_F(DibTest, RowsMoveBetweenABitmapAndTheBlockByPictureRows) {
  Surface mono;
  ASSERT_TRUE(mono.Create(40, 10, PixelFormat::kMono1));
  mono.Fill(0xFFFFFF);
  CDib dib;
  ASSERT_EQ(dib.CreateFromBitmap(&screen, &mono, nullptr), 1);
  const int stride = 8;
  mono.SetPixel(3, 2, 0x000000);
  mono.SetPixel(3, 7, 0x000000);
  EXPECT_EQ(dib.GetBits(&screen, &mono, {0, 2, 40, 4}, stride, 10), 2);
  EXPECT_EQ(dib.m_pBits[(10 - 1 - 2) * stride], 0xEF) << "picture row 2 is scan line 7";
  EXPECT_EQ(dib.m_pBits[(10 - 1 - 7) * stride], 0xFF) << "row 7 was outside the band";
  Surface back;
  ASSERT_TRUE(back.Create(40, 10, PixelFormat::kMono1));
  back.Fill(0xFFFFFF);
  EXPECT_EQ(dib.SetBits(&screen, &back, {0, 0, 40, 10}, stride, 10), 10);
  EXPECT_EQ(back.GetPixel(3, 2), 0x000000u);
  EXPECT_EQ(back.GetPixel(3, 7), 0xFFFFFFu);
  const struct {
    tmb::Rect rect;
    int stride, height;
  } bad[] = {{{0, 0, 40, 11}, 8, 10}, {{0, -1, 40, 3}, 8, 10}, {{0, 5, 40, 5}, 8, 10}, {{0, 0, 40, 10}, 12, 10},
             {{0, 0, 40, 10}, 8, 9}};
  for (const auto& b : bad) {
    EXPECT_EQ(dib.GetBits(&screen, &mono, b.rect, b.stride, b.height), 0);
    EXPECT_EQ(dib.SetBits(&screen, &back, b.rect, b.stride, b.height), 0);
  }
  Surface wrongSize;
  ASSERT_TRUE(wrongSize.Create(41, 10, PixelFormat::kMono1));
  EXPECT_EQ(dib.GetBits(&screen, &wrongSize, {0, 0, 41, 10}, stride, 10), 0);
}

TEST(DrawRgbPixels, PutsDecodedRowsIntoTheBitmapWithoutTouchingThem) {
  Surface target;
  ASSERT_TRUE(target.Create(2, 2, PixelFormat::kColour32));
  const std::vector<uint8_t> bgr = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60,   // first row
                                    0x70, 0x80, 0x90, 0xA0, 0xB0, 0xC0};  // second row
  const std::vector<uint8_t> copy = bgr;
  ASSERT_EQ(DrawRgbPixels(nullptr, &target, bgr, {2, 2}, 1, 0, 3, {}), 1);
  EXPECT_EQ(target.GetPixel(0, 1), 0x102030u) << "direction 1: the first row is the bottom one";
  EXPECT_EQ(target.GetPixel(1, 0), 0xA0B0C0u);
  ASSERT_EQ(DrawRgbPixels(nullptr, &target, bgr, {2, 2}, -1, 1, 3, {}), 1);
  EXPECT_EQ(target.GetPixel(0, 0), 0x302010u) << "swapped: the pixels were red, green, blue";
  EXPECT_EQ(bgr, copy);
  const std::vector<uint8_t> rgba = {1, 2, 3, 9, 4, 5, 6, 9};
  ASSERT_EQ(DrawRgbPixels(nullptr, &target, rgba, {2, 1}, -1, 1, 4, {}), 1);
  EXPECT_EQ(target.GetPixel(1, 0), 0x060504u);
  // Indices into a palette of two entries; index 7 is past it and black.
  const std::vector<uint8_t> indices = {1, 7};
  const std::vector<uint8_t> palette = {0, 0, 0, 0, 0xFF, 0x80, 0x00, 0};
  ASSERT_EQ(DrawRgbPixels(nullptr, &target, indices, {2, 1}, -1, 0, -1, palette), 1);
  EXPECT_EQ(target.GetPixel(0, 0), 0x0080FFu);
  EXPECT_EQ(target.GetPixel(1, 0), 0x000000u);
  EXPECT_EQ(DrawRgbPixels(nullptr, &target, indices, {2, 2}, -1, 0, -1, palette), 0) << "too few pixels";
  EXPECT_EQ(DrawRgbPixels(nullptr, &target, bgr, {2, 2}, 1, 0, 2, {}), 0);
  EXPECT_EQ(DrawRgbPixels(nullptr, nullptr, bgr, {2, 2}, 1, 0, 3, {}), 0);
}

TEST(PadPackedRows24, PadsEachRowToFourBytes) {
  const std::vector<uint8_t> packed = {1, 2, 3, 4, 5, 6};  // two rows of one pixel
  std::vector<uint8_t> padded(8, 0xEE);
  ASSERT_TRUE(PadPackedRows24(padded, packed, 1, 2));
  EXPECT_EQ(padded, (std::vector<uint8_t>{1, 2, 3, 0, 4, 5, 6, 0}));
  std::vector<uint8_t> small(7);
  EXPECT_FALSE(PadPackedRows24(small, packed, 1, 2));
}

}  // namespace
