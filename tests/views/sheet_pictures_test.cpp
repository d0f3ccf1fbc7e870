// The comparison sheet of the conversion types saved through the presets' frame output:
// one PNG per preset and an animated GIF of the same pictures.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "convert/presets/preset_sheet_output.h"
#include "export/animation/animation_params.h"
#include "export/animation/frame_output.h"
#include "export/animation/sheet_frame_output.h"
#include "export/gif/gif_reader.h"
#include "export/picture/picture_read_result.h"
#include "export/picture/png_reader.h"
#include "support/checking_tool.h"
#include "support/recorded_character.h"
#include "support/temp_dir.h"
#include "views/view_fixture.h"

namespace tmb::test {
namespace {

class SheetPictures : public DrawingViewTest {
 protected:
  void SetUp() override {
    DrawingViewTest::SetUp();
    AppendRecordedCharacter(a);
    a.m_nLoadState = 2;
    view = &MakeView();
    FirstPaint(*view);
    SetPresetSheetOutput(&gSheetFrameOutput);
  }
  void TearDown() override {
    SetPresetSheetOutput(nullptr);
    gSaveOutput.Abandon();
    DrawingViewTest::TearDown();
  }
  CTmbView* view = nullptr;
};

TEST_F(SheetPictures, TheConversionTypesSheetWithGifOnWritesFivePngsAndAGifOfThem) {
  if (!ToolInstalled("gifsicle")) GTEST_SKIP() << "gifsicle is not installed";
  TempDir dir;
  a.m_text[kTextFolder] = dir.path().string();
  a.m_text[kTextAnimationName] = "sheet";
  a.m_param[kAnimGif] = 1;
  a.m_param[kAnimGifTransparent] = 0;
  EXPECT_TRUE(view->RunCommand(33136));
  EXPECT_TRUE(messages.ids.empty());

  const std::string gif = (dir / "sheet.gif").string();
  const ToolRun info = RunTool("gifsicle --info '" + gif + "' 2>&1");
  EXPECT_NE(info.output.find("5 images"), std::string::npos) << info.output;
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  DeviceContext dc = DeviceContext::CompatibleWith(nullptr);
  ASSERT_EQ(ReadGifFile(&dc, gif, nullptr, 1, file, frames), kPictureRead);
  ASSERT_EQ(frames.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    const std::filesystem::path png = dir / ("sheet_0" + std::to_string(i + 1) + ".png");
    ExpectPngcheckPasses(png);
    Surface picture, image;
    ASSERT_TRUE(picture.Create(kPaperWidth, kPaperHeight, PixelFormat::kColour32));
    ASSERT_TRUE(image.Create(kPaperWidth, kPaperHeight, PixelFormat::kColour32));
    Size size;
    ASSERT_EQ(ReadPngFile(&dc, png.string(), &size, &picture), kPictureRead);
    EXPECT_EQ(size.cx, kPaperWidth);
    EXPECT_EQ(size.cy, kPaperHeight);
    ASSERT_EQ(DrawGifFrame(&dc, gif, &image, frames[size_t(i)]), kPictureRead);
    int differing = 0, ink = 0;
    for (int y = 0; y < kPaperHeight; ++y) {
      for (int x = 0; x < kPaperWidth; ++x) {
        differing += picture.GetPixel(x, y) != image.GetPixel(x, y) ? 1 : 0;
        ink += picture.GetPixel(x, y) != kWhite ? 1 : 0;
      }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(ink, 1000);
  }
}

}  // namespace
}  // namespace tmb::test
