#include "export/picture/mng_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "export/picture/picture_read_result.h"
#include "export/picture/png_reader.h"
#include "platform/file/big_endian.h"
#include "support/checking_tool.h"
#include "support/colour_blocks.h"
#include "support/file_bytes.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"
#include "support/test_canvas.h"

namespace {

namespace fs = std::filesystem;
using tmb::test::FileBytes;

struct Chunk {
  std::string type;
  std::vector<uint8_t> data;
  size_t offset;  // of its length field
};

// The chunks after the 8-byte signature; stops at anything that does not fit.
std::vector<Chunk> Chunks(const std::vector<uint8_t>& bytes) {
  std::vector<Chunk> chunks;
  for (size_t pos = 8; pos + 12 <= bytes.size();) {
    const uint32_t length = tmb::LoadBigU32(&bytes[pos]);
    if (pos + 12 + length > bytes.size()) break;
    const auto data = bytes.begin() + ptrdiff_t(pos + 8);
    chunks.push_back({std::string(bytes.begin() + ptrdiff_t(pos + 4), data), {data, data + length}, pos});
    pos += 12 + length;
  }
  return chunks;
}

std::vector<uint32_t> Words(const std::vector<uint8_t>& data) {
  std::vector<uint32_t> words;
  for (size_t i = 0; i + 4 <= data.size(); i += 4) words.push_back(tmb::LoadBigU32(&data[i]));
  return words;
}

class MngFiles : public ::testing::Test {
 protected:
  // Writes a movie of four frames of the blocks: 1 when closed whole.
  int WriteMovie(const fs::path& path, int transparent) {
    CMngWriter mng;
    mng.m_bTransparent = transparent;
    mng.m_nKeyColour = 0x00336699;
    if (!OpenMngFile(mng, path.string(), blocks_.width, blocks_.height, 4)) return 0;
    for (int i = 0; i < 4; ++i) {
      mng.m_nWait = 10 * (i + 1);
      if (!AddMngFrame(mng, blocks_.width, blocks_.height, blocks_.pixels)) return 0;
    }
    return CloseMngFile(mng);
  }

  tmb::test::TempDir dir_;
  tmb::test::ColourBlocks blocks_ = tmb::test::MakeColourBlocks(21, 15);
};

TEST_F(MngFiles, FourFramesMakeTheHeaderTheFramesAndTheEnd) {
  const fs::path path = dir_ / "movie.mng";
  ASSERT_EQ(WriteMovie(path, 0), 1);
  const std::vector<uint8_t> bytes = FileBytes(path);
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 8),
            (std::vector<uint8_t>{0x8A, 'M', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}));

  const std::vector<Chunk> chunks = Chunks(bytes);
  std::vector<std::string> types;
  for (const Chunk& c : chunks) types.push_back(c.type);
  std::vector<std::string> want = {"MHDR", "TERM"};
  for (int i = 0; i < 4; ++i) want.insert(want.end(), {"FRAM", "IHDR", "IDAT", "IEND"});
  want.push_back("MEND");
  EXPECT_EQ(types, want);
  ASSERT_EQ(chunks.size(), want.size());
  EXPECT_EQ(chunks.back().offset + 12, bytes.size());

  // Width, height, ticks per second, layers, frames, play time, simplicity profile.
  EXPECT_EQ(Words(chunks[0].data), (std::vector<uint32_t>{21, 15, 100, 5, 4, 0, 3}));
  EXPECT_EQ(chunks[1].data, (std::vector<uint8_t>{3, 0, 0, 0, 0, 0, 0x7F, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(chunks[2].data, (std::vector<uint8_t>{4, 0, 1, 0, 0, 0, 0, 0, 0, 10}));
  EXPECT_EQ(chunks[14].data, (std::vector<uint8_t>{4, 0, 1, 0, 0, 0, 0, 0, 0, 40}));

  tmb::test::ExpectPngcheckPasses(path);
}

TEST_F(MngFiles, EachFrameIsAPngWithoutSignatureOfThePicture) {
  const fs::path path = dir_ / "movie.mng";
  ASSERT_EQ(WriteMovie(path, 0), 1);
  const std::vector<uint8_t> bytes = FileBytes(path);
  const std::vector<Chunk> chunks = Chunks(bytes);
  ASSERT_GE(chunks.size(), 7u);
  // The first frame's IHDR to IEND, behind a PNG signature, is a PNG file of the picture.
  const uint8_t signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> png(bytes.begin() + ptrdiff_t(chunks[3].offset) - 8,
                           bytes.begin() + ptrdiff_t(chunks[6].offset + 12));
  std::copy(std::begin(signature), std::end(signature), png.begin());
  const fs::path frame = dir_ / "frame.png";
  tmb::test::WriteFileBytes(frame, png);
  tmb::test::Canvas target(21, 15, tmb::PixelFormat::kColour32);
  ASSERT_EQ(ReadPngFile(&target.dc, frame.string(), nullptr, &target.surface), kPictureRead);
  EXPECT_EQ(tmb::test::MaxBlockDifference(target.surface, blocks_, 0), 0);
}

TEST_F(MngFiles, TransparencyMakesProfileElevenAndATrnsChunkPerFrame) {
  const fs::path path = dir_ / "clear.mng";
  ASSERT_EQ(WriteMovie(path, 1), 1);
  const std::vector<Chunk> chunks = Chunks(FileBytes(path));
  ASSERT_FALSE(chunks.empty());
  EXPECT_EQ(Words(chunks[0].data), (std::vector<uint32_t>{21, 15, 100, 5, 4, 0, 11}));
  int trns = 0;
  for (const Chunk& c : chunks) {
    if (c.type != "tRNS") continue;
    ++trns;
    EXPECT_EQ(c.data, (std::vector<uint8_t>{0, 0x99, 0, 0x66, 0, 0x33})) << "red, green, blue of 0x00BBGGRR";
  }
  EXPECT_EQ(trns, 4);
  tmb::test::ExpectPngcheckPasses(path);
}

TEST_F(MngFiles, NoFrameIsWrittenWithoutAnOpenMovie) {
  CMngWriter mng;
  EXPECT_EQ(AddMngFrame(mng, blocks_.width, blocks_.height, blocks_.pixels), 0);
  EXPECT_EQ(CloseMngFile(mng), 0);
  EXPECT_EQ(OpenMngFile(mng, (dir_ / "no folder" / "x.mng").string(), 21, 15, 4), 0);
  EXPECT_EQ(AddMngFrame(mng, blocks_.width, blocks_.height, blocks_.pixels), 0);
  EXPECT_EQ(CloseMngFile(mng), 0);
  EXPECT_EQ(OpenMngFile(mng, (dir_ / "x.mng").string(), 0, 15, 4), 0) << "width 0";
  EXPECT_EQ(OpenMngFile(mng, (dir_ / "x.mng").string(), 21, 15, -1), 0) << "frames below 0";
  EXPECT_TRUE(fs::is_empty(dir_.path()));
}

TEST_F(MngFiles, ABadFrameIsRefusedAndTheMovieGoesOn) {
  const fs::path path = dir_ / "movie.mng";
  CMngWriter mng;
  ASSERT_EQ(OpenMngFile(mng, path.string(), 21, 15, 1), 1);
  EXPECT_EQ(AddMngFrame(mng, 21, 15, std::span(blocks_.pixels).first(100)), 0) << "too few pixels";
  EXPECT_EQ(AddMngFrame(mng, 0, 15, blocks_.pixels), 0);
  EXPECT_EQ(AddMngFrame(mng, 21, 15, blocks_.pixels), 1);
  ASSERT_EQ(CloseMngFile(mng), 1);
  EXPECT_EQ(Chunks(FileBytes(path)).size(), 7u);
}

// A movie closed before the frames its header announced (a run stopped early) counts the
// frames it holds; the rest of the header stays.
TEST_F(MngFiles, AMovieClosedEarlyCountsTheFramesItHolds) {
  for (int transparent : {0, 1}) {
    SCOPED_TRACE(transparent);
    const fs::path path = dir_ / "short.mng";
    CMngWriter mng;
    mng.m_bTransparent = transparent;
    ASSERT_EQ(OpenMngFile(mng, path.string(), blocks_.width, blocks_.height, 8), 1);
    for (int i = 0; i < 3; ++i) ASSERT_EQ(AddMngFrame(mng, blocks_.width, blocks_.height, blocks_.pixels), 1);
    ASSERT_EQ(CloseMngFile(mng), 1);
    const std::vector<Chunk> chunks = Chunks(FileBytes(path));
    ASSERT_FALSE(chunks.empty());
    EXPECT_EQ(Words(chunks[0].data), (std::vector<uint32_t>{21, 15, 100, 4, 3, 0, transparent ? 11u : 3u}));
    EXPECT_EQ(chunks.back().type, "MEND");
    tmb::test::ExpectPngcheckPasses(path);
  }
}

TEST_F(MngFiles, AMovieThatFailsOrIsNeverClosedKeepsTheOldFile) {
  const fs::path path = dir_ / "old.mng";
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  tmb::test::WriteFileBytes(path, old);
  const tmb::test::ColourBlocks noise = tmb::test::MakeNoise(200, 200, 3);
  {
    CMngWriter mng;
    ASSERT_EQ(OpenMngFile(mng, path.string(), 200, 200, 2), 1);
    int added = 0;
    {
      tmb::test::SmallDisk disk(4000);
      added = AddMngFrame(mng, 200, 200, noise.pixels);
    }
    EXPECT_EQ(added, 0);
    EXPECT_EQ(AddMngFrame(mng, 200, 200, noise.pixels), 0) << "the movie is already incomplete";
    EXPECT_EQ(CloseMngFile(mng), 0);
  }
  EXPECT_EQ(FileBytes(path), old);
  {
    CMngWriter mng;
    ASSERT_EQ(OpenMngFile(mng, path.string(), 200, 200, 2), 1);
    ASSERT_EQ(AddMngFrame(mng, 200, 200, noise.pixels), 1);
  }
  EXPECT_EQ(FileBytes(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), {}), 1) << "no half-written file is left";
}

}  // namespace
