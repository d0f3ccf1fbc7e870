// What every picture file writer owes a previous file of the same name.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "export/picture/jpeg_writer.h"
#include "export/picture/png_writer.h"
#include "support/colour_blocks.h"
#include "support/file_bytes.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

struct Writer {
  const char* name;
  int (*write)(const std::string& path, int width, int height, std::span<const uint8_t> pixels);
};

const Writer kWriters[] = {
    {"png",
     [](const std::string& path, int w, int h, std::span<const uint8_t> p) { return WritePngFile(path, w, h, p); }},
    {"jpeg", WriteJpegFile},
};

class PictureSave : public ::testing::TestWithParam<Writer> {};

TEST_P(PictureSave, AFailedSaveKeepsTheOldFileAndLeavesNothingBeside) {
  const Writer& writer = GetParam();
  tmb::test::TempDir dir;
  const fs::path path = dir / "old";
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  tmb::test::WriteFileBytes(path, old);
  const tmb::test::ColourBlocks noise = tmb::test::MakeNoise(200, 200, 1);
  {
    // The picture needs far more than the disk takes.
    tmb::test::SmallDisk disk(4000);
    EXPECT_EQ(writer.write(path.string(), noise.width, noise.height, noise.pixels), 0);
  }
  EXPECT_EQ(writer.write(path.string(), 200, 200, std::span(noise.pixels).first(1000)), 0) << "too few pixels";
  EXPECT_EQ(writer.write(path.string(), 0, 200, noise.pixels), 0);
  EXPECT_EQ(writer.write(path.string(), 200, -1, noise.pixels), 0);
  EXPECT_EQ(tmb::test::FileBytes(path), old);
  EXPECT_EQ(writer.write(dir.path().string(), 200, 200, noise.pixels), 0) << "a folder is in the way";
  EXPECT_EQ(writer.write((dir / "no folder" / "x").string(), 200, 200, noise.pixels), 0);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);

  // A save that succeeds replaces the file.
  ASSERT_EQ(writer.write(path.string(), noise.width, noise.height, noise.pixels), 1);
  EXPECT_NE(tmb::test::FileBytes(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Writers, PictureSave, ::testing::ValuesIn(kWriters),
                         [](const ::testing::TestParamInfo<Writer>& info) { return std::string(info.param.name); });

}  // namespace
