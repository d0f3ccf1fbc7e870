// The output of an animation run: frame pictures, the looping GIF and MNG movies played
// forwards and back, the private folder of the way back, refusals, and a stopped run whose
// movies hold the frames drawn before the stop.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/record/char_data_full.h"
#include "core/state/mouse_messages.h"
#include "export/animation/animation_params.h"
#include "export/animation/animation_step.h"
#include "export/animation/frame_movie_outputs.h"
#include "export/animation/frame_output.h"
#include "export/gif/gif_reader.h"
#include "export/html/html_index_page.h"
#include "export/html/html_index_writer.h"
#include "export/picture/picture_read_result.h"
#include "export/picture/png_reader.h"
#include "platform/file/big_endian.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"
#include "platform/service/messages.h"
#include "platform/service/progress.h"
#include "platform/service/shell_open.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/gif_encoding_checks.h"
#include "support/read_only_folder.h"
#include "support/recorded_services.h"
#include "support/scripted_messages.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 12;

// Frame i: a colour of its own with a dark block whose place moves.
tmb::Colour FrameColour(int i) { return tmb::Colour(0x102030 + 0x203010 * uint32_t(i)); }

void PaintFrame(tmb::Surface& s, int i) {
  s.Fill(FrameColour(i));
  tmb::DeviceContext dc(&s);
  for (int y = 2; y < 6; ++y) {
    for (int x = i; x < i + 4; ++x) dc.SetPixel(x, y, 0x000000);
  }
}

class FakeAvi final : public AviMovieOutput {
 public:
  FakeAvi() { SetAviMovieOutput(this); }
  ~FakeAvi() override { SetAviMovieOutput(nullptr); }
  bool Open(const std::string&, int, int, int len, int) override {
    length = len;
    return true;
  }
  bool AddFrame(tmb::DeviceContext&, const tmb::Surface&, int, int) override { return ++frames, true; }
  bool Close(bool) override { return closed = true; }
  int length = 0, frames = 0;
  bool closed = false;
};

class FakeIndexPage final : public FrameIndexPage {
 public:
  FakeIndexPage() { SetFrameIndexPage(this); }
  ~FakeIndexPage() override { SetFrameIndexPage(nullptr); }
  void AddImageName(const std::string& name) override { names.push_back(name); }
  void Write() override { ++writes; }
  std::vector<std::string> names;
  int writes = 0;
};

const std::string kEarlierGif = "an older animation";

class FrameOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The run's private folder goes under a temporary folder this test alone looks at.
    const char* old = std::getenv("TMPDIR");
    oldTmp_ = old ? old : "";
    hadTmp_ = old != nullptr;
    fs::create_directories(dir / "tmp");
    setenv("TMPDIR", (dir / "tmp").c_str(), 1);
    record->m_text[kTextFolder] = dir.path().string();
    record->m_text[kTextAnimationName] = "ani";
    surface.Create(kWidth, kHeight, tmb::PixelFormat::kColour32);
    output.m_rcCanvas = {0, 0, kWidth, kHeight};
  }
  void TearDown() override {
    output.Abandon();
    gAnimAborted = 0;
    if (hadTmp_) {
      setenv("TMPDIR", oldTmp_.c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
  }
  ParamBlock& params() { return record->m_param; }
  // Begin, frames 0 .. frames - 1, End.
  int Run(int frames) {
    if (output.Begin(*record, frames) < 0) return -1;
    for (int i = 0; i < frames; ++i) {
      PaintFrame(surface, i);
      if (output.SaveFrameImage(params(), i, frames, i, frames, dc, surface) < 0) return -1;
    }
    return output.End(params(), dc, frames, frames);
  }
  // An earlier movie under the GIF's name, and whether it is still there unchanged.
  void PutEarlierGif() { std::ofstream(dir / "ani.gif", std::ios::binary) << kEarlierGif; }
  void ExpectEarlierGifKept() {
    const std::vector<uint8_t> kept = tmb::test::FileBytes(dir / "ani.gif");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), kEarlierGif);
  }
  // The whole animation of the record through view into the playback output.
  int Animate(AnimationFrameView& view) {
    const CAnimationRecords records{record.get(), record.get(), record.get(), record.get(), record.get()};
    gPlaybackOutput.m_rcCanvas = {0, 0, kWidth, kHeight};
    return RunAnimation(view, dc, records, 0);
  }
  int PrivateFolders() const {
    int n = 0;
    for (const auto& e : fs::directory_iterator(dir / "tmp")) n += e.is_directory() ? 1 : 0;
    return n;
  }

  tmb::test::TempDir dir;
  tmb::test::ScriptedMessages messages;
  std::unique_ptr<CCharDataFull> record = std::make_unique<CCharDataFull>();
  CFrameOutput output;
  tmb::Surface surface;
  tmb::DeviceContext dc{&surface};

 private:
  std::string oldTmp_;
  bool hadTmp_ = false;
};

int CountChunks(const std::vector<uint8_t>& b, const char* type) {
  const std::string s(b.begin(), b.end());
  int n = 0;
  for (size_t at = s.find(type); at != std::string::npos; at = s.find(type, at + 4)) ++n;
  return n;
}

TEST_F(FrameOutputTest, BackAndForthPlaysTheFramesBackWithoutRepeatingTheEnds) {
  if (!tmb::test::ToolInstalled("gifsicle")) GTEST_SKIP() << "gifsicle is not installed";
  FakeAvi avi;
  params()[kAnimAvi] = 1;
  params()[kAnimMng] = 1;
  params()[kAnimGif] = 1;
  params()[kAnimBackAndForth] = 1;
  params()[kAnimWaitMiddle] = 5;
  params()[kAnimWaitFirst] = 30;
  params()[kAnimWaitLast] = 70;
  ASSERT_EQ(output.Begin(*record, 5), 1);
  for (int i = 0; i < 5; ++i) {
    PaintFrame(surface, i);
    ASSERT_EQ(output.SaveFrameImage(params(), i, 5, i, 5, dc, surface), 1);
  }
  EXPECT_EQ(PrivateFolders(), 1);
  ASSERT_EQ(output.End(params(), dc, 5, 5), 1);
  EXPECT_EQ(PrivateFolders(), 0);

  EXPECT_EQ(avi.length, 9);
  EXPECT_EQ(avi.frames, 9);
  EXPECT_TRUE(avi.closed);
  const std::vector<uint8_t> mng = tmb::test::FileBytes(dir / "ani.mng");
  ASSERT_GT(mng.size(), 40u);
  EXPECT_EQ(tmb::LoadBigU32(&mng[32]), 8u);  // the header's frame count
  EXPECT_EQ(CountChunks(mng, "IHDR"), 8);
  tmb::test::ExpectPngcheckPasses(dir / "ani.mng");
  const tmb::test::GifInfo info = tmb::test::GifsicleInfo(dir / "ani.gif");
  EXPECT_EQ(info.images, 8);
  EXPECT_EQ(info.loop, "1000");
  EXPECT_EQ(info.delays,
            (std::vector<std::string>{"0.30", "0.05", "0.05", "0.05", "0.70", "0.05", "0.05", "0.05"}));
  // The way back shows frames 3, 2, 1: image 5 is frame 3 again.
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  ASSERT_EQ(ReadGifFile(&dc, (dir / "ani.gif").string(), nullptr, 1, file, frames), kPictureRead);
  tmb::Surface third, fifth;
  ASSERT_TRUE(third.Create(kWidth, kHeight, tmb::PixelFormat::kColour32));
  ASSERT_TRUE(fifth.Create(kWidth, kHeight, tmb::PixelFormat::kColour32));
  ASSERT_EQ(DrawGifFrame(&dc, (dir / "ani.gif").string(), &third, frames[3]), kPictureRead);
  ASSERT_EQ(DrawGifFrame(&dc, (dir / "ani.gif").string(), &fifth, frames[5]), kPictureRead);
  EXPECT_EQ(third.GetPixel(0, 0), FrameColour(3));
  EXPECT_EQ(fifth.GetPixel(0, 0), FrameColour(3));
  EXPECT_EQ(fifth.GetPixel(3, 3), 0x000000u);
}

TEST_F(FrameOutputTest, PathSequenceAloneKeepsNoFramesForTheWayBack) {
  params()[kAnimSwf] = 1;
  params()[kAnimBackAndForth] = 1;
  ASSERT_EQ(output.Begin(*record, 5), 1);
  PaintFrame(surface, 0);
  EXPECT_EQ(output.SaveFrameImage(params(), 0, 5, 0, 5, dc, surface), 0);
  EXPECT_EQ(PrivateFolders(), 0);
  EXPECT_EQ(output.End(params(), dc, 5, 5), 1);
  EXPECT_TRUE(fs::is_empty(dir / "tmp"));
}

// The index page of a run lists every picture it wrote, also past the 256 a fixed list
// would hold: a run has up to kMaxAnimFrames frames.
TEST_F(FrameOutputTest, TheIndexPageListsEveryPictureOfARunOfMoreThan256Frames) {
  static_assert(kHtmlIndexLimit >= kMaxAnimFrames);
  SetFrameIndexPage(&gHtmlIndexPage);
  tmb::test::RecordedShell shell;
  params()[kAnimFrameFiles] = 1;
  params()[kAnimFrameFormat] = 0;  // BMP
  params()[kAnimHtml] = 1;
  constexpr int kFrames = 300;
  const int result = Run(kFrames);
  SetFrameIndexPage(nullptr);
  ASSERT_EQ(result, 1);
  const std::vector<uint8_t> bytes = tmb::test::FileBytes(dir / "ani.html");
  const std::string page(bytes.begin(), bytes.end());
  int listed = 0;
  for (size_t at = page.find("<img src="); at != std::string::npos; at = page.find("<img src=", at + 1)) ++listed;
  EXPECT_EQ(listed, kFrames);
  EXPECT_NE(page.find("\"ani_300.bmp\""), std::string::npos);
  EXPECT_TRUE(fs::exists(dir / "ani_300.bmp"));
}

TEST_F(FrameOutputTest, FramePicturesAndTheGifShowTheSameFrames) {
  if (!tmb::test::ToolInstalled("gifsicle")) GTEST_SKIP() << "gifsicle is not installed";
  FakeIndexPage page;
  params()[kAnimFrameFiles] = 1;
  params()[kAnimFrameFormat] = 1;  // PNG
  params()[kAnimGif] = 1;
  params()[kAnimHtml] = 1;
  ASSERT_EQ(Run(5), 1);
  EXPECT_EQ(page.names, (std::vector<std::string>{"ani_01.png", "ani_02.png", "ani_03.png", "ani_04.png", "ani_05.png"}));
  EXPECT_EQ(page.writes, 1);
  EXPECT_EQ(tmb::test::GifsicleInfo(dir / "ani.gif").images, 5);
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  const std::string gif = (dir / "ani.gif").string();
  ASSERT_EQ(ReadGifFile(&dc, gif, nullptr, 1, file, frames), kPictureRead);
  ASSERT_EQ(frames.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    tmb::Surface png, image;
    ASSERT_TRUE(png.Create(kWidth, kHeight, tmb::PixelFormat::kColour32));
    ASSERT_TRUE(image.Create(kWidth, kHeight, tmb::PixelFormat::kColour32));
    tmb::Size size;
    const fs::path name = dir / ("ani_0" + std::to_string(i + 1) + ".png");
    tmb::test::ExpectPngcheckPasses(name);
    ASSERT_EQ(ReadPngFile(&dc, name.string(), &size, &png), kPictureRead) << i;
    ASSERT_EQ(DrawGifFrame(&dc, gif, &image, frames[size_t(i)]), kPictureRead) << i;
    int differing = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) differing += png.GetPixel(x, y) != image.GetPixel(x, y) ? 1 : 0;
    }
    EXPECT_EQ(differing, 0) << "frame " << i;
  }
}

TEST_F(FrameOutputTest, MoviesAloneListNoPicturesOnTheIndexPage) {
  FakeIndexPage page;
  params()[kAnimGif] = 1;
  params()[kAnimHtml] = 1;
  ASSERT_EQ(Run(3), 1);
  EXPECT_TRUE(page.names.empty());
  EXPECT_FALSE(fs::exists(dir / "ani_01.bmp"));
  // Every frame reached the GIF, with no frame picture written.
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  ASSERT_EQ(ReadGifFile(&dc, (dir / "ani.gif").string(), nullptr, 1, file, frames), kPictureRead);
  EXPECT_EQ(frames.size(), 3u);
}

TEST_F(FrameOutputTest, AnAviThatCannotBeMadeIsSwitchedOffAndTheOthersAreWritten) {
  params()[kAnimAvi] = 1;
  params()[kAnimGif] = 1;
  EXPECT_EQ(output.Begin(*record, 3), -1);
  EXPECT_EQ(messages.CountOf(61590), 1);
  for (int i = 0; i < 3; ++i) {
    PaintFrame(surface, i);
    EXPECT_EQ(output.SaveFrameImage(params(), i, 3, i, 3, dc, surface), 1);
  }
  EXPECT_EQ(output.End(params(), dc, 3, 3), 1);
  EXPECT_EQ(output.m_nAviFrames, 0);
  EXPECT_TRUE(fs::exists(dir / "ani.gif"));
  EXPECT_EQ(messages.ids, (std::vector<int>{61590}));
}

TEST_F(FrameOutputTest, FramePicturesAreNumberedFromOne) {
  params()[kAnimFrameFiles] = 1;
  params()[kAnimFrameFormat] = 0;  // BMP
  ASSERT_EQ(output.Begin(*record, 101), 1);
  for (int number : {0, 10, 100}) {
    EXPECT_EQ(output.SaveFrameImage(params(), number, 101, number, 101, dc, surface), 1);
  }
  for (const char* name : {"ani_01.bmp", "ani_11.bmp", "ani_101.bmp"}) EXPECT_TRUE(fs::exists(dir / name)) << name;
  output.m_bNoFiles = 1;  // one picture under the bare name
  EXPECT_EQ(output.SaveFrameImage(params(), 3, 101, 3, 101, dc, surface), 1);
  EXPECT_TRUE(fs::exists(dir / "ani.bmp"));
}

TEST_F(FrameOutputTest, AMissingFolderIsRefusedBeforeAnythingIsWritten) {
  record->m_text[kTextFolder] = (dir / "gone").string();
  params()[kAnimFrameFiles] = 1;
  params()[kAnimGif] = 1;
  EXPECT_EQ(output.Begin(*record, 3), -1);
  EXPECT_EQ(messages.CountOf(61591), 1);
  EXPECT_FALSE(fs::exists(dir / "gone"));
  EXPECT_FALSE(output.m_gif.IsOpen());
}

TEST_F(FrameOutputTest, WaitsPerFrameComeFromTheRecordsTable) {
  params()[kAnimGif] = 1;
  params()[kAnimWaitMode] = 1;
  params()[kAnimWaitMiddle] = 9;
  record->m_valueTable[0] = 11;
  record->m_valueTable[255] = 12;
  ASSERT_EQ(output.Begin(*record, 3), 1);
  output.SetFrameDelay(params(), 0, 3, 0);
  EXPECT_EQ(output.m_nGifWait, 11);
  EXPECT_EQ(output.m_bGifFirst, 1);
  output.SetFrameDelay(params(), 255, 300, 255);
  EXPECT_EQ(output.m_nGifWait, 12);
  EXPECT_EQ(output.m_bGifFirst, 0);
  output.SetFrameDelay(params(), 999, 1000, 999);  // beyond the table: the middle wait
  EXPECT_EQ(output.m_nGifWait, 9);
}

TEST_F(FrameOutputTest, AWholeRunOpensWhatTheSettingsAskToSee) {
  tmb::test::RecordedShell shell;
  params()[kAnimGif] = 1;
  params()[kAnimOpenGif] = 1;
  params()[kAnimMng] = 1;
  ASSERT_EQ(Run(2), 1);
  EXPECT_EQ(output.OpenResults(params()), 1);
  EXPECT_EQ(shell.opened, (std::vector<std::string>{(dir / "ani.gif").string()}));
}

// A view that paints each frame in its own colour.
class ColourView final : public AnimationFrameView {
 public:
  ColourView() { picture.Create(kWidth, kHeight, tmb::PixelFormat::kColour32); }
  bool PaintFrame(tmb::DeviceContext&, CCharDataFull&) override {
    PaintFrame(picture, painted++);
    return true;
  }
  const tmb::Surface& Picture() const override { return picture; }
  static void PaintFrame(tmb::Surface& s, int i) { ::PaintFrame(s, i); }
  tmb::Surface picture;
  int painted = 0;
};

// A release answered yes stops the run: the frames drawn before it end the movies, with
// no way back and the count the MNG header gives; a stop before the first frame leaves no
// empty movie, and the earlier file of its name stays.
TEST_F(FrameOutputTest, AReleaseAnsweredYesEndsTheMoviesWithTheFramesDrawnAndNoWayBack) {
  struct Case {
    int releaseAt;
    int drawn;
  } cases[] = {{3, 3}, {0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.releaseAt);
    fs::remove(dir / "ani.mng");
    PutEarlierGif();
    messages.ids.clear();
    tmb::test::RecordedShell shell;
    tmb::test::RecordedProgress progress;
    ColourView view;
    tmb::test::ReleaseAt release(c.releaseAt);
    messages.Answer(tmb::kAnswerYes);
    params()[kAnimFrames] = 6;
    params()[kAnimGif] = 1;
    params()[kAnimOpenGif] = 1;
    params()[kAnimMng] = 1;
    params()[kAnimBackAndForth] = 1;
    EXPECT_EQ(Animate(view), -1);
    EXPECT_EQ(messages.ids, (std::vector<int>{62091}));
    EXPECT_EQ(view.painted, c.drawn);
    EXPECT_EQ(gAnimAborted, 1);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(fs::is_empty(dir / "tmp"));
    if (c.drawn == 0) {
      ExpectEarlierGifKept();
      EXPECT_FALSE(fs::exists(dir / "ani.mng"));
      continue;
    }
    const std::vector<uint8_t> mng = tmb::test::FileBytes(dir / "ani.mng");
    ASSERT_GT(mng.size(), 40u);
    EXPECT_EQ(tmb::LoadBigU32(&mng[28]), 4u);  // layers: the frames and the background
    EXPECT_EQ(tmb::LoadBigU32(&mng[32]), 3u);  // frames
    EXPECT_EQ(CountChunks(mng, "IHDR"), 3);
    tmb::test::ExpectPngcheckPasses(dir / "ani.mng");
    if (!tmb::test::ToolInstalled("gifsicle")) continue;
    EXPECT_EQ(tmb::test::GifsicleInfo(dir / "ani.gif").images, 3);
    CGifFileRecord file;
    std::vector<CGifFrameRecord> frames;
    ASSERT_EQ(ReadGifFile(&dc, (dir / "ani.gif").string(), nullptr, 1, file, frames), kPictureRead);
    ASSERT_EQ(frames.size(), 3u);
    tmb::Surface last;
    ASSERT_TRUE(last.Create(kWidth, kHeight, tmb::PixelFormat::kColour32));
    ASSERT_EQ(DrawGifFrame(&dc, (dir / "ani.gif").string(), &last, frames[2]), kPictureRead);
    EXPECT_EQ(last.GetPixel(0, 0), FrameColour(2)) << "the last frame drawn, not one of a way back";
  }
}

// A movie that cannot be finished (the disk fills as it is put in place) makes the run a
// failed one: the earlier file of its name is not opened as if it were the new movie.
TEST_F(FrameOutputTest, AMovieThatCannotBeFinishedFailsTheRunAndOpensNothing) {
  PutEarlierGif();
  tmb::test::RecordedShell shell;
  tmb::test::RecordedProgress progress;
  ColourView view;
  params()[kAnimFrames] = 3;
  params()[kAnimGif] = 1;
  params()[kAnimOpenGif] = 1;
  int result = 0;
  {
    tmb::test::SmallDisk disk(200);
    result = Animate(view);
  }
  EXPECT_EQ(result, -1);
  EXPECT_EQ(messages.CountOf(61592), 1);
  EXPECT_TRUE(shell.opened.empty());
  ExpectEarlierGifKept();
}

// A folder the user may not write to (or a file system that takes no files) fails the
// run before its first frame with the message of a file that cannot be made, once.
TEST_F(FrameOutputTest, AFolderThatTakesNoFilesIsRefusedBeforeTheFirstFrame) {
  std::vector<fs::path> folders = {"/proc"};  // read-only even for the administrator
  const fs::path locked = dir / "locked";
  fs::create_directories(locked);
  const tmb::test::ReadOnlyFolder readOnly(locked);
  if (readOnly.refusing()) folders.push_back(locked);
  tmb::test::RecordedShell shell;
  for (const fs::path& folder : folders) {
    SCOPED_TRACE(folder.string());
    messages.ids.clear();
    FakeIndexPage page;
    ColourView view;
    record->m_text[kTextFolder] = folder.string();
    params()[kAnimFrames] = 3;
    params()[kAnimFrameFiles] = 1;
    params()[kAnimGif] = 1;
    params()[kAnimHtml] = 1;
    params()[kAnimOpenGif] = 1;
    EXPECT_EQ(Animate(view), -1);
    EXPECT_EQ(messages.ids, (std::vector<int>{62047}));
    EXPECT_EQ(view.painted, 0);
    EXPECT_EQ(page.writes, 0);
    EXPECT_FALSE(output.m_gif.IsOpen());
  }
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(fs::is_empty(locked));
  EXPECT_TRUE(fs::is_empty(dir / "tmp"));
}

// A stopped run still writes its index page when it is on, listing the pictures that were
// written before the stop.
TEST_F(FrameOutputTest, AStoppedRunWritesTheIndexPageOfThePicturesItWrote) {
  FakeIndexPage page;
  tmb::test::RecordedShell shell;
  ColourView view;
  tmb::test::ReleaseAt release(3);
  messages.Answer(tmb::kAnswerYes);
  params()[kAnimFrames] = 6;
  params()[kAnimFrameFiles] = 1;
  params()[kAnimFrameFormat] = 1;  // PNG
  params()[kAnimHtml] = 1;
  EXPECT_EQ(Animate(view), -1);
  EXPECT_EQ(gAnimAborted, 1);
  EXPECT_EQ(page.names, (std::vector<std::string>{"ani_01.png", "ani_02.png", "ani_03.png"}));
  for (const std::string& name : page.names) EXPECT_TRUE(fs::exists(dir / name)) << name;
  EXPECT_FALSE(fs::exists(dir / "ani_04.png"));
  EXPECT_EQ(page.writes, 1);
  EXPECT_TRUE(shell.opened.empty());
}

}  // namespace
