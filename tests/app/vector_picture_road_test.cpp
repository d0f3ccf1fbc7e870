// The save-as of window A through the main window's export command as an SVG picture and
// an SWF movie: the picture rsvg-convert renders and the movie's first frame, decoded and
// filled, ink what window A's brush rendering inked; a failed save keeps the old file.
#include <filesystem>

#include "app/app_fixture.h"
#include "brush/render/brush_state.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/picture_files.h"
#include "support/recorded_character_file.h"
#include "support/small_disk.h"
#include "support/swf_reader.h"
#include "support/temp_dir.h"
#include "support/vector_picture_ink.h"

namespace tmb::test {
namespace {

constexpr int kCmdExportPicture = 32780;
constexpr int kMsgOpenFile = 62047;

class VectorPictureRoad : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    const std::string path = (dir / "recorded.wdf").string();
    ASSERT_TRUE(WriteRecordedCharacterFile(path));
    ASSERT_TRUE(Start(path));
    gDrawState.m_nSaveRange = 0;
  }
  // Window A's character saved under name by the export command.
  std::filesystem::path Export(const std::string& name) {
    const std::filesystem::path out = dir / name;
    chooser.Next(out.string());
    frame()->ExecuteCommand(kCmdExportPicture);
    return out;
  }
  const Surface& Brush() const { return gBrushStates[0].m_bitmap; }

  TempDir dir;
};

TEST_F(VectorPictureRoad, WindowASavedAsSvgInksWhatItsBrushInked) {
  const auto svg = Export("window a.svg");
  ASSERT_TRUE(std::filesystem::exists(svg));
  EXPECT_TRUE(messages.ids.empty());
  if (ToolInstalled("xmllint")) {
    const ToolRun lint = RunTool("xmllint --noout --nonet '" + svg.string() + "'");
    EXPECT_EQ(lint.exitCode, 0) << lint.output;
  }
  if (!ToolInstalled("rsvg-convert")) GTEST_SKIP() << "rsvg-convert is not installed";
  Surface rendered;
  std::string why;
  ASSERT_TRUE(RenderSvgFile(svg, Brush().width(), Brush().height(), rendered, why)) << why;
  SavePictureForViewing(rendered, "window_a_saved_svg");
  ExpectSameInk(CompareInk(Brush(), rendered));
}

TEST_F(VectorPictureRoad, WindowASavedAsSwfIsOneFrameInkingWhatItsBrushInked) {
  const auto swf = Export("window a.swf");
  ASSERT_TRUE(std::filesystem::exists(swf));
  EXPECT_TRUE(messages.ids.empty());
  SwfFileInfo info;
  std::string why;
  ASSERT_TRUE(ParseSwfFile(FileBytes(swf), info, why)) << why;
  EXPECT_EQ(info.frameCount, 1);
  EXPECT_EQ(info.rate, 12);
  const Surface frame = SwfFirstFrame(info, Brush().width(), Brush().height());
  SavePictureForViewing(frame, "window_a_saved_swf");
  ExpectSameInk(CompareInk(Brush(), frame));
}

TEST_F(VectorPictureRoad, AFailedSaveKeepsTheOldFileAndSaysSo) {
  for (const char* name : {"old.svg", "old.swf"}) {
    const auto file = dir / name;
    WriteFileBytes(file, {'o', 'l', 'd'});
    messages.ids.clear();
    {
      SmallDisk disk(1000);
      Export(name);
    }
    EXPECT_EQ(FileBytes(file), (std::vector<uint8_t>{'o', 'l', 'd'})) << name;
    EXPECT_EQ(messages.CountOf(kMsgOpenFile), 1) << name;
  }
}

}  // namespace
}  // namespace tmb::test
