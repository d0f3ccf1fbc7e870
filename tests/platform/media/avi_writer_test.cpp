// AVI movies of our own RIFF writer: read back by our reader and by ffprobe, uncompressed
// and Motion-JPEG, with the real frame count, a refused size past the limit, damaged
// files refused, and a recompression that leaves the target alone when it stops.
#include "platform/media/avi_writer.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/file/byte_writer.h"
#include "platform/file/little_endian.h"
#include "platform/media/avi_reader.h"
#include "platform/media/avi_recompress.h"
#include "support/file_bytes.h"
#include "support/movie_probe.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using tmb::AviCodec;
using tmb::AviFormat;
using tmb::AviReader;
using tmb::AviWriter;
using tmb::BinaryFile;

namespace {

// Frame i of width x height: bottom-up padded rows, each pixel a value of its place.
std::vector<uint8_t> FrameRows(int width, int height, int i) {
  const size_t stride = tmb::AviFrameBytes(width, 1);
  std::vector<uint8_t> rows(stride * size_t(height), 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = rows.data() + size_t(y) * stride + size_t(x) * 3;
      p[0] = uint8_t(x * 7 + i * 40);
      p[1] = uint8_t(y * 11);
      p[2] = uint8_t(200 - i * 30);
    }
  }
  return rows;
}

tmb::Status WriteMovie(const fs::path& path, AviFormat format, int frames, int64_t limit = tmb::kMaxRiffFileBytes) {
  BinaryFile file;
  if (!file.Open(path, BinaryFile::Mode::kCreate)) return tmb::Status::Fail("cannot create");
  AviWriter writer(file, limit);
  if (tmb::Status s = writer.Start(format); !s) return s;
  for (int i = 0; i < frames; ++i) {
    const std::vector<uint8_t> rows = FrameRows(format.width, format.height, i);
    if (tmb::Status s = writer.AddFrame(rows.data(), ptrdiff_t(tmb::AviFrameBytes(format.width, 1))); !s) return s;
  }
  if (tmb::Status s = writer.Finish(); !s) return s;
  return file.Close() ? tmb::Status::Ok() : tmb::Status::Fail("close");
}

AviFormat Format(int width, int height, uint32_t wait, AviCodec codec = AviCodec::kUncompressed) {
  AviFormat f;
  f.width = width;
  f.height = height;
  f.scale = wait;
  f.rate = 100;
  f.codec = codec;
  return f;
}

// The movie's headers followed by a movi list whose body is depth "rec " lists, each the
// only content of the one before; the RIFF size matches.
std::vector<uint8_t> NestedRecordLists(const std::vector<uint8_t>& movie, int depth) {
  const std::string text(movie.begin(), movie.end());
  const size_t movi = text.find("movi");
  EXPECT_NE(movi, std::string::npos);
  std::vector<uint8_t> out(movie.begin(), movie.begin() + ptrdiff_t(movi - 8));
  tmb::ByteWriter w;
  w.Bytes("LIST", 4).U32(uint32_t(4 + 12 * size_t(depth))).Bytes("movi", 4);
  for (int k = 0; k < depth; ++k) w.Bytes("LIST", 4).U32(uint32_t(4 + 12 * (depth - 1 - k))).Bytes("rec ", 4);
  out.insert(out.end(), w.bytes().begin(), w.bytes().end());
  tmb::StoreU32(out.data() + 4, uint32_t(out.size() - 8));
  return out;
}

class AviWriterTest : public ::testing::Test {
 protected:
  tmb::test::TempDir dir;
};

TEST_F(AviWriterTest, UncompressedFramesReadBackExactlyWithTheirTiming) {
  const fs::path path = dir / "m.avi";
  // An odd width makes every row padded.
  ASSERT_TRUE(WriteMovie(path, Format(5, 4, 10), 8));
  AviReader reader;
  ASSERT_TRUE(reader.Open(path));
  EXPECT_EQ(reader.frames(), 8);
  EXPECT_EQ(reader.format().width, 5);
  EXPECT_EQ(reader.format().scale, 10u);
  EXPECT_EQ(reader.format().rate, 100u);
  std::vector<uint8_t> frame;
  for (int i = 0; i < 8; ++i) {
    ASSERT_TRUE(reader.ReadFrame(i, frame));
    EXPECT_EQ(frame, FrameRows(5, 4, i)) << "frame " << i;
  }
  // The counts of the headers are the frames written.
  const std::vector<uint8_t> bytes = tmb::test::FileBytes(path);
  EXPECT_EQ(tmb::LoadU32(bytes.data() + 4), bytes.size() - 8);
  EXPECT_EQ(tmb::LoadU32(bytes.data() + 48), 8u);  // avih total frames

  const tmb::test::MovieProbe probe = tmb::test::ProbeMovie(path);
  if (!probe.ran) GTEST_SKIP() << "ffprobe is not installed";
  EXPECT_TRUE(probe.clean) << probe.output;
  EXPECT_EQ(probe.codec, "rawvideo");
  EXPECT_EQ(probe.frames, 8);
  EXPECT_EQ(probe.rate, "10/1");
  EXPECT_EQ(probe.width, 5);
}

TEST_F(AviWriterTest, MotionJpegFramesAreReadByFfprobe) {
  const fs::path path = dir / "j.avi";
  ASSERT_TRUE(WriteMovie(path, Format(33, 17, 25, AviCodec::kMotionJpeg), 5));
  AviReader reader;
  ASSERT_TRUE(reader.Open(path));
  EXPECT_EQ(reader.format().codec, AviCodec::kMotionJpeg);
  EXPECT_EQ(reader.frames(), 5);
  const tmb::test::MovieProbe probe = tmb::test::ProbeMovie(path);
  if (!probe.ran) GTEST_SKIP() << "ffprobe is not installed";
  EXPECT_TRUE(probe.clean) << probe.output;
  EXPECT_EQ(probe.codec, "mjpeg");
  EXPECT_EQ(probe.frames, 5);
  EXPECT_EQ(probe.rate, "4/1");
}

TEST_F(AviWriterTest, AMovieThatWouldPassItsLimitIsStoppedWithAMessage) {
  // Frames of 16 x 12 take 584 bytes with their header: the fifth no longer fits.
  const tmb::Status s = WriteMovie(dir / "big.avi", Format(16, 12, 10), 100, 3000);
  ASSERT_FALSE(s);
  EXPECT_NE(s.message().find("AVI"), std::string::npos) << s.message();
  EXPECT_LE(fs::file_size(dir / "big.avi"), 3000u);
}

TEST_F(AviWriterTest, StartRefusesSizesAndRatesOutOfRange) {
  const AviFormat bad[] = {Format(0, 4, 10), Format(4, 0, 10), Format(40000, 4, 10), Format(4, 4, 0)};
  for (const AviFormat& f : bad) {
    BinaryFile file;
    ASSERT_TRUE(file.Open(dir / "bad.avi", BinaryFile::Mode::kCreate));
    AviWriter writer(file);
    EXPECT_FALSE(writer.Start(f)) << f.width << " x " << f.height << " / " << f.scale;
  }
}

TEST_F(AviWriterTest, DamagedFilesAreRefused) {
  const fs::path good = dir / "good.avi";
  ASSERT_TRUE(WriteMovie(good, Format(6, 3, 10), 3));
  const std::vector<uint8_t> bytes = tmb::test::FileBytes(good);
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"wrong magic", bytes});
  cases.back().bytes[0] = 'X';
  for (size_t cut : {size_t(11), size_t(30), size_t(100), size_t(200), bytes.size() - 40}) {
    cases.push_back({"truncated", std::vector<uint8_t>(bytes.begin(), bytes.begin() + ptrdiff_t(cut))});
  }
  // The hdrl list claims more bytes than the file holds.
  cases.push_back({"oversized list", bytes});
  tmb::StoreU32(cases.back().bytes.data() + 16, 0x7FFFFFF0u);
  // The frame format claims a 24-bit frame of 40,000 pixels a side.
  cases.push_back({"oversized frame", bytes});
  const size_t strf = 12 + 12 + 64 + 12 + 64;  // RIFF, hdrl, avih, strl, strh
  tmb::StoreU32(cases.back().bytes.data() + strf + 8 + 4, 40000);
  // The frames list holds "rec " lists nested half a million deep, which once ran the
  // reader's recursion off the stack.
  cases.push_back({"nested record lists", NestedRecordLists(bytes, 500000)});
  for (const Case& c : cases) {
    const fs::path path = dir / "damaged.avi";
    tmb::test::WriteFileBytes(path, c.bytes);
    AviReader reader;
    const tmb::Status s = reader.Open(path);
    if (s) {
      // A cut through the frames may leave a readable head; every frame then reads or fails cleanly.
      std::vector<uint8_t> frame;
      for (int i = 0; i < reader.frames(); ++i) (void)reader.ReadFrame(i, frame);
      EXPECT_LT(reader.frames(), 3) << c.name;
    } else {
      EXPECT_FALSE(s.message().empty()) << c.name;
    }
  }
}

TEST_F(AviWriterTest, RecompressionReplacesTheMovieOnlyWhenItIsComplete) {
  const fs::path path = dir / "r.avi";
  ASSERT_TRUE(WriteMovie(path, Format(24, 16, 10), 6));
  const std::vector<uint8_t> original = tmb::test::FileBytes(path);

  // Stopped after the third frame: the original stays byte for byte.
  bool cancelled = false;
  int calls = 0;
  tmb::Status s = tmb::RecompressAviFile(path, path, AviCodec::kMotionJpeg, 80,
                                          [&](int done, int total) {
                                            ++calls;
                                            EXPECT_EQ(total, 6);
                                            return done < 3;
                                          },
                                          cancelled);
  EXPECT_FALSE(s);
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(tmb::test::FileBytes(path), original);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

  // A source that cannot be read leaves the target as it was.
  tmb::test::WriteFileBytes(dir / "broken.avi", {'R', 'I', 'F', 'F'});
  EXPECT_FALSE(tmb::RecompressAviFile(dir / "broken.avi", path, AviCodec::kMotionJpeg, 80, nullptr, cancelled));
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(tmb::test::FileBytes(path), original);

  ASSERT_TRUE(tmb::RecompressAviFile(path, path, AviCodec::kMotionJpeg, 80, nullptr, cancelled));
  AviReader reader;
  ASSERT_TRUE(reader.Open(path));
  EXPECT_EQ(reader.format().codec, AviCodec::kMotionJpeg);
  EXPECT_EQ(reader.frames(), 6);
  EXPECT_EQ(reader.format().scale, 10u);
  const tmb::test::MovieProbe probe = tmb::test::ProbeMovie(path);
  if (!probe.ran) GTEST_SKIP() << "ffprobe is not installed";
  EXPECT_TRUE(probe.clean) << probe.output;
  EXPECT_EQ(probe.codec, "mjpeg");
  EXPECT_EQ(probe.frames, 6);
}

}  // namespace
