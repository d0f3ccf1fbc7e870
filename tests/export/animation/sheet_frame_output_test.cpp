// The picture series of a comparison sheet: a sheet cut short ends its movies with the
// pictures it wrote and opens nothing; a movie that cannot be finished leaves the earlier
// one of its name as it was and is not opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/record/char_data_full.h"
#include "export/animation/animation_params.h"
#include "export/animation/frame_output.h"
#include "export/animation/sheet_frame_output.h"
#include "platform/gdi/device_context.h"
#include "platform/file/big_endian.h"
#include "platform/gdi/surface.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/gif_encoding_checks.h"
#include "support/recorded_services.h"
#include "support/scripted_messages.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 12;
constexpr int kCount = 4;
const std::string kOld = "an older sheet";

class SheetFrameOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    record->m_text[kTextFolder] = dir.path().string();
    record->m_text[kTextAnimationName] = "sheet";
    params()[kAnimGif] = 1;
    params()[kAnimOpenGif] = 1;
    params()[kAnimMng] = 1;
    params()[kAnimOpenMng] = 1;
    surface.Create(kWidth, kHeight, tmb::PixelFormat::kColour32);
    output.m_rcCanvas = {0, 0, kWidth, kHeight};
    for (const char* name : {"sheet.gif", "sheet.mng"}) std::ofstream(dir / name, std::ios::binary) << kOld;
  }
  void TearDown() override {
    output.Abandon();
    gAnimAborted = 0;
  }
  ParamBlock& params() { return record->m_param; }
  // Begins a sheet of kCount pictures and saves the first written of them.
  void SavePictures(int written) {
    ASSERT_EQ(sheet.Begin(*record, kCount), 1);
    for (int i = 0; i < written; ++i) {
      surface.Fill(tmb::Colour(0x203040 * uint32_t(i + 1)));
      ASSERT_EQ(sheet.SaveFrameImage(params(), i, kCount, dc, surface), 1);
    }
  }
  void ExpectEarlierMoviesKept() {
    for (const char* name : {"sheet.gif", "sheet.mng"}) {
      const std::vector<uint8_t> kept = tmb::test::FileBytes(dir / name);
      EXPECT_EQ(std::string(kept.begin(), kept.end()), kOld) << name;
    }
  }

  tmb::test::TempDir dir;
  tmb::test::ScriptedMessages messages;
  tmb::test::RecordedShell shell;
  std::unique_ptr<CCharDataFull> record = std::make_unique<CCharDataFull>();
  CFrameOutput output;
  CSheetFrameOutput sheet{output};
  tmb::Surface surface;
  tmb::DeviceContext dc{&surface};
};

// A sheet cut short ends its movies with the pictures it wrote, the MNG header counting
// them, and opens none of them; one cut before its first picture leaves the earlier movies.
TEST_F(SheetFrameOutputTest, ASheetCutShortEndsItsMoviesWithThePicturesWrittenAndOpensNothing) {
  SavePictures(2);
  sheet.End(params(), dc, 2);
  sheet.OpenResults(params());
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(messages.ids.empty());
  const std::vector<uint8_t> mng = tmb::test::FileBytes(dir / "sheet.mng");
  ASSERT_GT(mng.size(), 40u);
  EXPECT_EQ(tmb::LoadBigU32(&mng[32]), 2u);  // the header's frame count
  tmb::test::ExpectPngcheckPasses(dir / "sheet.mng");
  if (tmb::test::ToolInstalled("gifsicle")) {
    const tmb::test::GifInfo gif = tmb::test::GifsicleInfo(dir / "sheet.gif");
    EXPECT_EQ(gif.exitCode, 0) << gif.output;
    EXPECT_EQ(gif.images, 2) << gif.output;
  }
}

TEST_F(SheetFrameOutputTest, ASheetCutBeforeItsFirstPictureLeavesTheEarlierMovies) {
  SavePictures(0);
  sheet.End(params(), dc, 0);
  ExpectEarlierMoviesKept();
  sheet.OpenResults(params());
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(SheetFrameOutputTest, AMovieThatCannotBeFinishedIsNotOpened) {
  SavePictures(kCount);
  {
    tmb::test::SmallDisk disk(200);
    sheet.End(params(), dc, kCount);
  }
  ExpectEarlierMoviesKept();
  EXPECT_GE(messages.CountOf(61592), 1);
  sheet.OpenResults(params());
  EXPECT_TRUE(shell.opened.empty());
}

TEST_F(SheetFrameOutputTest, AWholeSheetWritesAndOpensItsMovies) {
  SavePictures(kCount);
  sheet.End(params(), dc, kCount);
  sheet.OpenResults(params());
  EXPECT_EQ(shell.opened, (std::vector<std::string>{(dir / "sheet.gif").string(), (dir / "sheet.mng").string()}));
  EXPECT_NE(tmb::test::FileBytes(dir / "sheet.gif").size(), kOld.size());
}

}  // namespace
