#include "platform/media/jpeg_codec.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

using tmb::BinaryFile;
using tmb::JpegReader;

// A progressive JPEG (whose decoder keeps every coefficient of the picture) of a smooth
// grey ramp, made straight with the library.
std::vector<uint8_t> ProgressiveRamp(int width, int height) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = 1;
  cinfo.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(width));
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < width; ++x) row[size_t(x)] = uint8_t((x + int(cinfo.next_scanline)) & 0xFF);
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&cinfo, &p, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

TEST(JpegReader, AProgressivePictureNeedingMoreWorkMemoryThanAllowedFails) {
  const std::vector<uint8_t> jpeg = ProgressiveRamp(256, 256);
  JpegReader reader;
  ASSERT_TRUE(reader.Open(jpeg));
  std::vector<uint8_t> bgr(256 * 256 * 3);
  EXPECT_FALSE(reader.ReadBgr(bgr, 10000));
  EXPECT_TRUE(reader.ranOutOfMemory());
  EXPECT_FALSE(reader.ReadBgr(bgr, size_t(1) << 30)) << "a failed decode uses up the header";

  ASSERT_TRUE(reader.Open(jpeg));
  ASSERT_TRUE(reader.ReadBgr(bgr, size_t(1) << 30));
  EXPECT_FALSE(reader.ranOutOfMemory());
  // Grey comes out as three equal channels.
  const size_t at = (10 * 256 + 20) * 3;
  EXPECT_NEAR(bgr[at], 30, 3);
  EXPECT_EQ(bgr[at], bgr[at + 1]);
  EXPECT_EQ(bgr[at], bgr[at + 2]);
}

TEST(JpegReader, TheBufferMustFitThePicture) {
  const std::vector<uint8_t> jpeg = ProgressiveRamp(16, 8);
  JpegReader reader;
  ASSERT_TRUE(reader.Open(jpeg));
  EXPECT_EQ(reader.width(), 16);
  EXPECT_EQ(reader.height(), 8);
  std::vector<uint8_t> small(16 * 8 * 3 - 1);
  EXPECT_FALSE(reader.ReadBgr(small, size_t(1) << 30));
  EXPECT_FALSE(reader.Open({}));
  EXPECT_EQ(reader.width(), 0);
}

TEST(WriteJpegBgr, BottomUpRowsComeOutTopDown) {
  // Two rows: the first in memory is the bottom one (white), the top one is black.
  std::vector<uint8_t> rows(2 * 8 * 3, 0);
  std::fill(rows.begin(), rows.begin() + 8 * 3, 0xFF);
  tmb::test::TempDir dir;
  BinaryFile file;
  ASSERT_TRUE(file.Open(dir / "rows.jpg", BinaryFile::Mode::kCreate));
  ASSERT_TRUE(tmb::WriteJpegBgr(file, rows.data() + 8 * 3, -8 * 3, 8, 2, 100));
  ASSERT_TRUE(file.Close());
  EXPECT_FALSE(tmb::WriteJpegBgr(file, rows.data(), 24, 8, 2, 0)) << "quality out of range";

  const std::vector<uint8_t> jpeg = tmb::test::FileBytes(dir / "rows.jpg");
  JpegReader reader;
  ASSERT_TRUE(reader.Open(jpeg));
  std::vector<uint8_t> bgr(8 * 2 * 3);
  ASSERT_TRUE(reader.ReadBgr(bgr, size_t(1) << 20));
  EXPECT_LT(bgr[0], 40);
  EXPECT_GT(bgr[8 * 3], 215);
}

}  // namespace
