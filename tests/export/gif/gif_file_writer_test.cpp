// GIF files from 24-bit pictures: single images and animations as gifsicle and giflib's
// gif2rgb read them, the header before the first image whatever the caller's flag says,
// refused frames that leave the animation usable, and failures that keep the old file.
#include "export/gif/gif_file_writer.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/gdi/bitmap_memory.h"
#include "support/file_bytes.h"
#include "support/gif_encoding_checks.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;
using tmb::test::BitmapRows24;
using tmb::test::FileBytes;
using tmb::test::RunTool;
using tmb::test::ToolInstalled;

constexpr int kWidth = 40;
constexpr int kHeight = 30;
constexpr uint32_t kPaper = 0xF0F8FF;

// Frame k of a small animation: a red square moving right and a blue bar moving down.
uint32_t FrameColour(int k, int x, int y) {
  if (x >= 6 * k && x < 6 * k + 8 && y >= 4 && y < 12) return 0x0000FF;
  if (y >= 5 * k && y < 5 * k + 3) return 0xFF4000;
  return kPaper;
}

Bytes FrameRows(int k) { return BitmapRows24(kWidth, kHeight, [k](int x, int y) { return FrameColour(k, x, y); }); }

// The picture as red, green, blue triples, top row first, as gif2rgb gives it.
Bytes Rgb(int k) {
  Bytes out;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t c = FrameColour(k, x, y);
      out.insert(out.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
    }
  }
  return out;
}

size_t FilesIn(const tmb::test::TempDir& dir) {
  return size_t(std::distance(std::filesystem::directory_iterator(dir.path()), {}));
}

GifFrameSetup FrameSetup(int wait, int first, int transparent = 0) { return {wait, first, transparent, kPaper}; }

TEST(WriteGifFile, ASingleImageDecodesToThePicture) {
  tmb::test::TempDir dir;
  const auto path = dir / "one.gif";
  const tmb::Status s = WriteGifFile(path, kWidth, kHeight, FrameRows(2));
  ASSERT_TRUE(s) << s.message();
  const Bytes file = FileBytes(path);
  ASSERT_GT(file.size(), 13u + 768u);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 6), Bytes({'G', 'I', 'F', '8', '9', 'a'}));
  EXPECT_EQ(file.back(), 0x3B);
  if (!ToolInstalled("gif2rgb")) GTEST_SKIP() << "gif2rgb is not installed";
  std::string why;
  EXPECT_EQ(tmb::test::DecodeWithGif2Rgb(path, why), Rgb(2)) << why;
}

TEST(WriteGifFile, RefusesPicturesAGifCannotHoldAndKeepsTheOldFile) {
  tmb::test::TempDir dir;
  const auto path = dir / "old.gif";
  tmb::test::WriteFileBytes(path, {1, 2, 3});
  EXPECT_FALSE(WriteGifFile(path, 0, 1, Bytes(4)));
  EXPECT_FALSE(WriteGifFile(path, 65536, 1, Bytes(65536 * 3 + 4)));
  EXPECT_FALSE(WriteGifFile(path, kWidth, kHeight, Bytes(kWidth * 3 * kHeight - 1)));
  EXPECT_FALSE(WriteGifFile(dir / "missing" / "x.gif", kWidth, kHeight, FrameRows(0)));
  EXPECT_EQ(FileBytes(path), Bytes({1, 2, 3}));
  EXPECT_EQ(FilesIn(dir), 1u);
}

// Writes frames 0..count-1 with waits 10, 20, 30 ...; the last one with transparency.
void WriteAnimation(const std::filesystem::path& path, int count) {
  CGifFile gif;
  ASSERT_TRUE(OpenGifFile(gif, path));
  for (int k = 0; k < count; ++k) {
    const tmb::Status s = AddGifFrame(gif, kWidth, kHeight, FrameRows(k), FrameSetup(10 * (k + 1), k == 0, k == count - 1));
    ASSERT_TRUE(s) << s.message();
  }
  EXPECT_EQ(gif.ImageCount(), count);
  const tmb::Status s = CloseGifFile(gif);
  ASSERT_TRUE(s) << s.message();
  EXPECT_FALSE(gif.IsOpen());
}

TEST(AddGifFrame, GifsicleReadsTheImagesTheLoopAndTheDelays) {
  // Left under the build folder for a person to watch.
  const auto folder = std::filesystem::path(TMB_BUILD_DIR) / "pictures";
  std::filesystem::create_directories(folder);
  const auto path = folder / "gif_animation.gif";
  WriteAnimation(path, 4);
  const Bytes file = FileBytes(path);
  const Bytes loop = {0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0xE8, 3, 0};
  ASSERT_GT(file.size(), 13u + 768u + loop.size());
  EXPECT_EQ(Bytes(file.begin() + 13 + 768, file.begin() + 13 + 768 + long(loop.size())), loop);
  if (!ToolInstalled("gifsicle")) GTEST_SKIP() << "gifsicle is not installed";
  const auto info = RunTool("gifsicle --info '" + path.string() + "'");
  ASSERT_EQ(info.exitCode, 0) << info.output;
  for (const char* expected : {"4 images", "logical screen 40x30", "loop count 1000", "delay 0.10s", "delay 0.20s",
                               "delay 0.30s", "transparent 0", "disposal background delay 0.40s"}) {
    EXPECT_NE(info.output.find(expected), std::string::npos) << expected << "\n" << info.output;
  }
  if (!ToolInstalled("gif2rgb")) GTEST_SKIP() << "gif2rgb is not installed";
  tmb::test::TempDir dir;
  for (int k = 0; k < 4; ++k) {
    const auto one = dir / ("frame" + std::to_string(k) + ".gif");
    const auto cut = RunTool("gifsicle '" + path.string() + "' '#" + std::to_string(k) + "' -o '" + one.string() + "'");
    ASSERT_EQ(cut.exitCode, 0) << cut.output;
    std::string why;
    EXPECT_EQ(tmb::test::DecodeWithGif2Rgb(one, why), Rgb(k)) << "frame " << k << ": " << why;
  }
}

// The run that writes frames may not raise the first-frame flag: the header still comes
// first, and a raised flag after the first image cannot put a second header in the file.
TEST(AddGifFrame, TheHeaderPrecedesTheFirstImageWhateverTheFlag) {
  tmb::test::TempDir dir;
  const auto path = dir / "flag.gif";
  CGifFile gif;
  ASSERT_TRUE(OpenGifFile(gif, path));
  ASSERT_TRUE(AddGifFrame(gif, kWidth, kHeight, FrameRows(0), FrameSetup(10, 0)));
  EXPECT_FALSE(AddGifFrame(gif, kWidth, kHeight, FrameRows(1), FrameSetup(10, 1)));
  EXPECT_FALSE(AddGifFrame(gif, kWidth + 1, kHeight, BitmapRows24(kWidth + 1, kHeight, [](int, int) { return 0u; }),
                           FrameSetup(10, 0)));
  EXPECT_FALSE(AddGifFrame(gif, kWidth, kHeight, Bytes(100), FrameSetup(10, 0)));
  {
    tmb::ScopedBitmapMemoryLimit full(tmb::BitmapMemoryInUse());
    const tmb::Status s = AddGifFrame(gif, kWidth, kHeight, FrameRows(1), FrameSetup(10, 0));
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("memory"), std::string::npos) << s.message();
  }
  // Refused frames wrote nothing: the animation goes on.
  ASSERT_TRUE(AddGifFrame(gif, kWidth, kHeight, FrameRows(2), FrameSetup(-5, 0)));  // a negative wait counts as 0
  ASSERT_TRUE(CloseGifFile(gif));
  const Bytes file = FileBytes(path);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 6), Bytes({'G', 'I', 'F', '8', '9', 'a'}));
  if (!ToolInstalled("gifsicle")) GTEST_SKIP() << "gifsicle is not installed";
  const auto info = RunTool("gifsicle --info '" + path.string() + "'");
  ASSERT_EQ(info.exitCode, 0) << info.output;
  EXPECT_NE(info.output.find("2 images"), std::string::npos) << info.output;
  EXPECT_NE(info.output.find("loop count 1000"), std::string::npos) << info.output;
}

TEST(CloseGifFile, AnAnimationWithoutFramesOrAbandonedKeepsTheOldFile) {
  tmb::test::TempDir dir;
  const auto path = dir / "old.gif";
  tmb::test::WriteFileBytes(path, {7, 7});
  CGifFile gif;
  EXPECT_TRUE(CloseGifFile(gif)) << "nothing open: nothing to do";
  EXPECT_FALSE(AddGifFrame(gif, kWidth, kHeight, FrameRows(0), FrameSetup(10, 1)));

  ASSERT_TRUE(OpenGifFile(gif, path));
  EXPECT_FALSE(CloseGifFile(gif));
  EXPECT_EQ(FileBytes(path), Bytes({7, 7}));

  ASSERT_TRUE(OpenGifFile(gif, path));
  ASSERT_TRUE(AddGifFrame(gif, kWidth, kHeight, FrameRows(0), FrameSetup(10, 1)));
  AbandonGifFile(gif);
  EXPECT_FALSE(gif.IsOpen());
  EXPECT_EQ(FileBytes(path), Bytes({7, 7}));

  // Opening again drops an unfinished animation.
  ASSERT_TRUE(OpenGifFile(gif, path));
  ASSERT_TRUE(AddGifFrame(gif, kWidth, kHeight, FrameRows(0), FrameSetup(10, 1)));
  ASSERT_TRUE(OpenGifFile(gif, path));
  EXPECT_EQ(gif.ImageCount(), 0);
  AbandonGifFile(gif);
  EXPECT_EQ(FilesIn(dir), 1u);
  EXPECT_FALSE(OpenGifFile(gif, dir / "missing" / "a.gif"));
}

// A disk that fills while frames are written: the frame that fails says so, later frames
// and the close fail too, and the previous animation stays whole.
TEST(CloseGifFile, AFailedWriteKeepsTheOldFile) {
  tmb::test::TempDir dir;
  const auto path = dir / "anim.gif";
  WriteAnimation(path, 2);
  const Bytes old = FileBytes(path);
  // Noise of 200 colours codes to about a byte a pixel: 60 kB a frame.
  const int width = 300, height = 200;
  auto noise = [&](int k) {
    std::mt19937 random{unsigned(k)};
    return BitmapRows24(width, height, [&](int, int) { return uint32_t(random() % 200) * 0x010101u; });
  };

  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 100000;  // bytes: room for one frame, not for two
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  CGifFile gif;
  std::vector<tmb::Status> added;
  if (OpenGifFile(gif, path)) {
    for (int k = 0; k < 4; ++k) added.push_back(AddGifFrame(gif, width, height, noise(k), FrameSetup(10, k == 0)));
  }
  const tmb::Status closed = CloseGifFile(gif);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);

  ASSERT_EQ(added.size(), 4u);
  EXPECT_TRUE(added[0]) << added[0].message();
  EXPECT_FALSE(added[1]);
  EXPECT_NE(added[1].message().find("write failed"), std::string::npos) << added[1].message();
  EXPECT_EQ(added[2].message(), added[1].message());
  EXPECT_EQ(closed.message(), added[1].message());
  EXPECT_EQ(FileBytes(path), old);
  EXPECT_EQ(FilesIn(dir), 1u);
}

}  // namespace
