// The readers a user can hand a file to: each takes the good file the project's own
// writers make, and refuses a file whose header claims an impossible size while its
// memory stays under a ceiling far below what the header claims.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <zlib.h>

#include "fuzz/reader_entries.h"
#include "platform/file/big_endian.h"
#include "platform/file/little_endian.h"
#include "support/gif_builder.h"
#include "support/jpeg_header.h"
#include "support/memory_ceiling.h"
#include "support/wdf_builder.h"

namespace tmb::fuzz {
namespace {

using Bytes = std::vector<uint8_t>;

class ReaderEntries : public ::testing::Test {
 protected:
  void SetUp() override { PrepareReaders(); }
};

TEST_F(ReaderEntries, EveryReaderTakesTheFileItsWriterMakes) {
  ASSERT_EQ(tmb::fuzz::ReaderEntries().size(), 14u);
  for (const ReaderEntry& entry : tmb::fuzz::ReaderEntries()) {
    SCOPED_TRACE(entry.name);
    const Bytes seed = SeedFor(entry.name);
    ASSERT_FALSE(seed.empty());
    EXPECT_EQ(entry.read(seed), 1);
    // An empty style file or store is a valid one with nothing in it.
    if (std::string(entry.name) != "style" && std::string(entry.name) != "store") {
      EXPECT_LE(entry.read({}), 0) << "an empty file";
    }
  }
}

// The first place of text in bytes (which must hold it).
size_t Find(const Bytes& bytes, const std::string& text) {
  const auto at = std::search(bytes.begin(), bytes.end(), text.begin(), text.end());
  EXPECT_NE(at, bytes.end()) << text;
  return size_t(at - bytes.begin());
}

// The PNG seed with other sides in its header (and the header's checksum made good).
Bytes PngWithSides(uint32_t width, uint32_t height) {
  Bytes png = SeedFor("png");
  const size_t ihdr = Find(png, "IHDR");
  StoreBigU32(&png[ihdr + 4], width);
  StoreBigU32(&png[ihdr + 8], height);
  StoreBigU32(&png[ihdr + 17], uint32_t(crc32(0, &png[ihdr], 17)));
  return png;
}

// A GIF of a small first frame and a second that claims 47,545 x 47,545 pixels with one
// byte of data: decoded again without a target, it once filled 2.26 GB.
Bytes GifWithAHugeSecondFrame() {
  using tmb::test::GifImage;
  tmb::test::GifBuilder gif("GIF89a", 2, 2, {0x000000, 0xFFFFFF});
  gif.Image({0, 0, 2, 2, {0, 1, 1, 0}, {}, false})
      .RawImage({0, 0, 47545, 47545, {}, {}, false}, 2, tmb::test::GifSubBlockChain(Bytes{0x0C}))
      .Trailer();
  return gif.bytes();
}

Bytes BmpWithSides(int32_t width, int32_t height) {
  Bytes bmp = SeedFor("bmp");
  StoreU32(&bmp[18], uint32_t(width));
  StoreU32(&bmp[22], uint32_t(height));
  return bmp;
}

// The seed with the 32-bit size after the first chunk or record named tag replaced.
Bytes WithSizeAfter(const char* reader, const std::string& tag, uint32_t size) {
  Bytes bytes = SeedFor(reader);
  StoreU32(&bytes[Find(bytes, tag) + tag.size()], size);
  return bytes;
}

Bytes CharacterBlockWithPoints(int points) {
  tmb::test::WdfBlock block;
  block.points = {{10, 20, 1, 5}, {30, 40, 0, 6}};
  block.storedPoints = points;
  return tmb::test::BuildWdfBlock(block);
}

// The store seed with the point count of the font data file's first record raised.
Bytes StoreWithAHugeRecord() {
  Bytes store = SeedFor("store");
  const size_t fontIndex = LoadU32(&store[0]);
  StoreU32(&store[4 + fontIndex + 4], 0x7FFFFFF0u);
  return store;
}

Bytes SectionWithEntries(uint32_t entries) {
  Bytes section = SeedFor("section");
  StoreU32(&section[4], entries);  // after the version
  return section;
}

Bytes ListInfoWithRecords(uint16_t records) {
  Bytes info = SeedFor("listinfo");
  StoreU16(&info[4], records);  // after the box's width and height
  return info;
}

struct HostileCase {
  const char* reader;
  const char* what;
  Bytes bytes;
  int result;  // what the reader says: 0 or -1 refused, -3 too large
};

TEST_F(ReaderEntries, ImpossibleSizesAreRefusedWithoutTakingTheirMemory) {
  const std::vector<HostileCase> cases = {
      {"jpeg", "48,909 x 24,742 in 300 bytes", tmb::test::JpegHeaderOnly(48909, 24742, 300), -1},
      {"jpeg", "9,000 x 9,000 in 300 bytes", tmb::test::JpegHeaderOnly(9000, 9000, 300), -1},
      {"picture", "a JPEG of 48,909 x 24,742 in 300 bytes", tmb::test::JpegHeaderOnly(48909, 24742, 300), -1},
      {"png", "60,000 x 60,000 in a small file", PngWithSides(60000, 60000), -1},
      {"png", "9,000 x 9,000 in a small file", PngWithSides(9000, 9000), -1},
      {"picture", "a PNG of 60,000 x 60,000", PngWithSides(60000, 60000), -1},
      {"gif", "a second frame of 47,545 x 47,545", GifWithAHugeSecondFrame(), -1},
      {"bmp", "65,536 x 65,536 rows in a small file", BmpWithSides(65536, 65536), -1},
      {"bmp", "30,000 x -30,000 rows in a small file", BmpWithSides(30000, -30000), -1},
      {"avi", "a frame chunk of 4 GB", WithSizeAfter("avi", "00dc", 0xFFFFFFF0u), 0},
      {"avi", "a header list of 4 GB", WithSizeAfter("avi", "LIST", 0xFFFFFFF0u), 0},
      {"wave", "a data chunk of 4 GB", WithSizeAfter("wave", "data", 0xFFFFFFF0u), 0},
      {"wdf", "two billion points", CharacterBlockWithPoints(2000000000), -1},
      {"store", "a record of two billion points", StoreWithAHugeRecord(), 0},
      {"section", "two billion entries", SectionWithEntries(2000000000u), -1},
      {"listinfo", "32,767 records in a small file", ListInfoWithRecords(0x7FFF), 0},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(std::string(c.reader) + ": " + c.what);
    const ReaderEntry* entry = FindReaderEntry(c.reader);
    ASSERT_NE(entry, nullptr);
    const std::optional<int> result =
        tmb::test::RunUnderMemoryCeiling(tmb::test::kReaderMemoryCeiling, [&] { return entry->read(c.bytes); });
    ASSERT_TRUE(result.has_value()) << "the reader died reaching past the ceiling";
    EXPECT_EQ(*result, c.result);
  }
}

TEST_F(ReaderEntries, PicturesBeyondTheLargestAreTooLargeEvenWhenTheirDataCouldFillThem) {
  // A PNG of 10,001 x 10,001 one-bit grey rows: its data could fill it, but it is past
  // the largest picture the program holds.
  const uint32_t side = 10001;
  const size_t rowBytes = 1 + (side + 7) / 8;
  const Bytes raw(rowBytes * side, 0);
  uLongf packedSize = compressBound(uLong(raw.size()));
  Bytes packed(packedSize);
  ASSERT_EQ(compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 9), Z_OK);
  packed.resize(packedSize);
  Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  auto chunk = [&png](const char* type, const Bytes& data) {
    uint8_t word[4];
    StoreBigU32(word, uint32_t(data.size()));
    png.insert(png.end(), word, word + 4);
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    StoreBigU32(word, uint32_t(crc32(0, &png[start], uInt(png.size() - start))));
    png.insert(png.end(), word, word + 4);
  };
  Bytes header(13, 0);
  StoreBigU32(&header[0], side);
  StoreBigU32(&header[4], side);
  header[8] = 1;  // one bit, grey
  chunk("IHDR", header);
  chunk("IDAT", packed);
  chunk("IEND", {});
  const std::optional<int> result = tmb::test::RunUnderMemoryCeiling(
      tmb::test::kReaderMemoryCeiling, [&] { return FindReaderEntry("png")->read(png); });
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, -3);
}

}  // namespace
}  // namespace tmb::fuzz
