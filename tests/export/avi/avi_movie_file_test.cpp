// The AVI movie of a frame run: its timing and frame count as ffprobe reads them, the way
// back of a back-and-forth, a wait of 0, frames of another size, and recompression that
// keeps the uncompressed movie byte for byte when it is cancelled or fails.
#include "export/avi/avi_movie_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/record/char_data_full.h"
#include "core/state/mouse_messages.h"
#include "export/animation/animation_params.h"
#include "export/animation/frame_movie_outputs.h"
#include "export/animation/frame_output.h"
#include "export/avi/avi_codec_chooser.h"
#include "export/avi/avi_movie_output.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"
#include "platform/media/avi_reader.h"
#include "platform/service/progress.h"
#include "support/file_bytes.h"
#include "support/recorded_services.h"
#include "support/movie_probe.h"
#include "support/scripted_messages.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 20;
constexpr int kHeight = 14;

// Answers the codec question from a script and counts the questions; may fill the disk
// while it is asked, so that the save which follows fails.
class ScriptedCodecs final : public AviCodecChooser {
 public:
  ScriptedCodecs() { SetAviCodecChooser(this); }
  ~ScriptedCodecs() override { SetAviCodecChooser(nullptr); }
  bool Choose(AviCodecChoice& choice) override {
    ++asked;
    proposed.push_back(choice.quality);
    if (fillDisk) disk = std::make_unique<tmb::test::SmallDisk>(1000);
    choice.codec = tmb::AviCodec::kMotionJpeg;
    choice.quality = quality;
    return answer;
  }
  bool answer = true;
  int quality = 90;
  std::vector<int> proposed;
  bool fillDisk = false;
  int asked = 0;
  std::unique_ptr<tmb::test::SmallDisk> disk;
};

class AviMovieFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAviMovieOutput(&gAviMovieFile);
    record->m_text[kTextFolder] = dir.path().string();
    record->m_text[kTextAnimationName] = "ani";
    params()[kAnimAvi] = 1;
    params()[kAnimAviWait] = 10;
    params()[kAnimAviRecompress] = 0;
    surface.Create(kWidth, kHeight, tmb::PixelFormat::kColour32);
    output.m_rcCanvas = {0, 0, kWidth, kHeight};
  }
  void TearDown() override {
    output.Abandon();
    SetAviMovieOutput(nullptr);
    gAnimAborted = 0;
  }
  ParamBlock& params() { return record->m_param; }
  int Run(int frames) {
    if (output.Begin(*record, frames) < 0) return -1;
    for (int i = 0; i < frames; ++i) {
      surface.Fill(tmb::Colour(0x203040 + 0x102030 * uint32_t(i)));
      if (output.SaveFrameImage(params(), i, frames, i, frames, dc, surface) < 0) return -1;
    }
    return output.End(params(), dc, frames, frames);
  }
  fs::path Movie() const { return dir / "ani.avi"; }

  tmb::test::TempDir dir;
  tmb::test::ScriptedMessages messages;
  std::unique_ptr<CCharDataFull> record = std::make_unique<CCharDataFull>();
  CFrameOutput output;
  tmb::Surface surface;
  tmb::DeviceContext dc{&surface};
};

TEST_F(AviMovieFileTest, FramesTimingAndTheWayBackAreWhatFfprobeReads) {
  struct Case {
    int wait;
    int frames;
    bool backAndForth;
    int read;
    const char* rate;
  } cases[] = {
      {10, 8, false, 8, "10/1"},
      {10, 5, true, 9, "10/1"},
      {0, 3, false, 3, "100/1"},  // a wait of 0 is taken as 1/100 s
      {25, 2, false, 2, "4/1"},
  };
  for (const Case& c : cases) {
    params()[kAnimAviWait] = c.wait;
    params()[kAnimBackAndForth] = c.backAndForth ? 1 : 0;
    ASSERT_EQ(Run(c.frames), 1) << c.wait;
    tmb::AviReader reader;
    ASSERT_TRUE(reader.Open(Movie()));
    EXPECT_EQ(reader.frames(), c.read);
    EXPECT_EQ(output.m_nAviFrames, c.read);
    reader.Close();
    const tmb::test::MovieProbe probe = tmb::test::ProbeMovie(Movie());
    if (!probe.ran) GTEST_SKIP() << "ffprobe is not installed";
    EXPECT_TRUE(probe.clean) << probe.output;
    EXPECT_EQ(probe.codec, "rawvideo");
    EXPECT_EQ(probe.frames, c.read) << c.wait;
    EXPECT_EQ(probe.rate, c.rate);
    EXPECT_EQ(probe.width, kWidth);
  }
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(AviMovieFileTest, FramesKeepTheirColoursBottomRowFirst) {
  ASSERT_EQ(output.Begin(*record, 1), 1);
  surface.Fill(0x0000FF);  // red
  tmb::DeviceContext(&surface).SetPixel(0, 0, 0xFF0000);  // blue at the top left
  ASSERT_EQ(output.SaveFrameImage(params(), 0, 1, 0, 1, dc, surface), 1);
  ASSERT_EQ(output.End(params(), dc, 1, 1), 1);
  tmb::AviReader reader;
  ASSERT_TRUE(reader.Open(Movie()));
  std::vector<uint8_t> frame;
  ASSERT_TRUE(reader.ReadFrame(0, frame));
  const size_t stride = tmb::AviFrameBytes(kWidth, 1);
  EXPECT_EQ(std::vector<uint8_t>(frame.begin(), frame.begin() + 3), (std::vector<uint8_t>{0, 0, 255}));
  const size_t top = stride * (kHeight - 1);
  EXPECT_EQ(std::vector<uint8_t>(frame.begin() + ptrdiff_t(top), frame.begin() + ptrdiff_t(top) + 3),
            (std::vector<uint8_t>{255, 0, 0}));
}

TEST_F(AviMovieFileTest, AFrameOfAnotherSizeIsRefusedAndTheRunLeavesNoMovie) {
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  tmb::test::WriteFileBytes(Movie(), old);
  ASSERT_EQ(output.Begin(*record, 2), 1);
  tmb::Surface small;
  small.Create(kWidth - 1, kHeight, tmb::PixelFormat::kColour32);
  EXPECT_EQ(output.SaveFrameImage(params(), 0, 2, 0, 2, dc, small), -1);
  EXPECT_EQ(messages.CountOf(61592), 1);
  gAnimAborted = 1;
  EXPECT_EQ(output.End(params(), dc, 2, 2), 1);
  EXPECT_EQ(tmb::test::FileBytes(Movie()), old);

  // Straight to the module: a header of another size is -1, nothing written.
  ASSERT_EQ(OpenAviFile((dir / "m.avi").string(), 4, 4, 1, 10), 1);
  EXPECT_EQ(OpenAviFile((dir / "n.avi").string(), 4, 4, 1, 10), 0);  // one movie at a time
  tmb::DibHeader header;
  header.width = 5;
  header.height = 4;
  header.bitCount = 24;
  std::vector<uint8_t> bits(tmb::AviFrameBytes(5, 4));
  EXPECT_EQ(WriteAviFrame(header, bits.data(), bits.size()), -1);
  AbandonAviFile();
  EXPECT_FALSE(fs::exists(dir / "m.avi"));
}

TEST_F(AviMovieFileTest, RecompressionGivesMotionJpegWithTheSameFrames) {
  ScriptedCodecs codecs;
  tmb::test::RecordedProgress progress;
  params()[kAnimAviRecompress] = 1;
  ASSERT_EQ(Run(6), 1);
  EXPECT_EQ(codecs.asked, 1);
  EXPECT_EQ(progress.positions.back(), 0);
  EXPECT_NE(std::find(progress.positions.begin(), progress.positions.end(), 100), progress.positions.end());
  tmb::AviReader reader;
  ASSERT_TRUE(reader.Open(Movie()));
  EXPECT_EQ(reader.format().codec, tmb::AviCodec::kMotionJpeg);
  reader.Close();
  const tmb::test::MovieProbe probe = tmb::test::ProbeMovie(Movie());
  if (!probe.ran) GTEST_SKIP() << "ffprobe is not installed";
  EXPECT_TRUE(probe.clean) << probe.output;
  EXPECT_EQ(probe.codec, "mjpeg");
  EXPECT_EQ(probe.frames, 6);
  EXPECT_EQ(probe.rate, "10/1");
}

TEST_F(AviMovieFileTest, ACancelledOrFailedRecompressionKeepsTheUncompressedMovie) {
  ScriptedCodecs codecs;
  // The uncompressed movie, for comparing.
  ASSERT_EQ(Run(5), 1);
  const std::vector<uint8_t> uncompressed = tmb::test::FileBytes(Movie());
  params()[kAnimAviRecompress] = 1;
  auto entries = [&] { return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()); };

  codecs.answer = false;  // the question cancelled
  ASSERT_EQ(Run(5), 1);
  EXPECT_EQ(tmb::test::FileBytes(Movie()), uncompressed);

  codecs.answer = true;  // the work stopped by a click answered Yes
  {
    tmb::test::ReleaseAt release(2);
    ASSERT_EQ(Run(5), 1);
  }
  EXPECT_EQ(messages.CountOf(62091), 1);
  EXPECT_EQ(tmb::test::FileBytes(Movie()), uncompressed);

  codecs.fillDisk = true;  // the save fails
  ASSERT_EQ(Run(5), 1);
  codecs.disk.reset();
  EXPECT_EQ(messages.CountOf(61593), 1);
  EXPECT_EQ(tmb::test::FileBytes(Movie()), uncompressed);
  EXPECT_EQ(entries(), 1);  // no temporary file is left beside it
  EXPECT_EQ(codecs.asked, 3);
}

TEST_F(AviMovieFileTest, TheCodecChosenWhileAMovieIsWrittenIsWhatItsRecompressionProposes) {
  ScriptedCodecs codecs;
  EXPECT_EQ(ChooseAviCodec(), 0) << "no movie is open";
  EXPECT_EQ(codecs.asked, 0);
  ASSERT_EQ(OpenAviFile((dir / "m.avi").string(), 4, 4, 1, 10), 1);
  codecs.quality = 33;
  EXPECT_EQ(ChooseAviCodec(), 1);
  codecs.answer = false;
  codecs.quality = 5;
  EXPECT_EQ(ChooseAviCodec(), 0);  // a cancelled question keeps the choice before it
  AbandonAviFile();
  codecs.answer = true;
  params()[kAnimAviRecompress] = 1;
  ASSERT_EQ(Run(2), 1);
  ASSERT_EQ(codecs.proposed.size(), 3u);
  EXPECT_EQ(codecs.proposed.back(), 33);
}

}  // namespace
