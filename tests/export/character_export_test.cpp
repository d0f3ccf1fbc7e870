// A real character drawn in window A, its merged outline saved as an SVG picture and an
// SWF movie: the picture rsvg-convert renders and the movie's first frame, decoded and
// filled, ink what the brush rendering inked. Left as pictures for a person to compare.
#include <gtest/gtest.h>

#include <string>

#include "brush/render/brush_state.h"
#include "convert/driver/path_resampling.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/state/animation_flags.h"
#include "export/svg/svg_writer.h"
#include "export/swf/swf_picture_save.h"
#include "support/converted_character.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"
#include "support/small_disk.h"
#include "support/swf_reader.h"
#include "support/temp_dir.h"
#include "support/vector_picture_ink.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF, kBlack = 0x000000;

// Drawn as a frame is recorded (true), the strokes' outlines merge into the character's
// one outline; drawn for the window, each stroke's outline opens a picture start.
class CharacterExport : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    gBrushStates[0].Reset();
    ASSERT_EQ(gBrushStates[0].Create(&canvas.screen, 1), 1);
    converted.m_nWindow = 0;
    converted.SelectBrushState(nullptr);
    converted.m_drawFlags[0] = 0;
    gFrameRecording = GetParam() ? 1 : 0;
    ASSERT_EQ(converted.DrawCharacter(&canvas.screen, 0, -1, *character.source), 1);
    gFrameRecording = 0;
    ASSERT_NE(gPathSequence.m_pPath, nullptr);
    ASSERT_GT(gPathSequence.m_pPath->GetCount(), 100);
    record.m_param = character.drawn->m_param;
    record.m_param[157] = int32_t(kWhite);  // the paper
    gPathSequence.m_frames[0] = {};
    gPathSequence.m_nFrameCounter = 0;
    ASSERT_EQ(gPathSequence.AddFrame(kBlack, record.m_param), 1);
  }
  void TearDown() override {
    gBrushStates[0].Reset();
    gPathSequence.FreePath();
    gFrameRecording = 0;
    gUnitPassActive = 0;
  }

  const tmb::Surface& Brush() const { return gBrushStates[0].m_bitmap; }

  tmb::test::ScopedWorkCanvas canvas{500, 750};
  tmb::test::ConvertedRecordedCharacter character;
  CStrokeWork& converted = *character.converted;
  CCharData record;
  tmb::test::TempDir dir;
};

TEST_P(CharacterExport, TheSvgPictureInksWhatTheBrushInked) {
  if (!tmb::test::ToolInstalled("rsvg-convert")) GTEST_SKIP() << "rsvg-convert is not installed";
  const auto svg = dir / "character.svg";
  ASSERT_TRUE(SaveSvgPicture(svg, record));
  tmb::Surface rendered;
  std::string why;
  ASSERT_TRUE(tmb::test::RenderSvgFile(svg, 500, 750, rendered, why)) << why;
  const std::string road = GetParam() ? "_merged" : "_strokes";
  tmb::test::SavePictureForViewing(Brush(), "character_export_brush" + road);
  tmb::test::SavePictureForViewing(rendered, "character_export_svg" + road);
  tmb::test::ExpectSameInk(tmb::test::CompareInk(Brush(), rendered));
}

TEST_P(CharacterExport, TheSwfMoviesFirstFrameInksWhatTheBrushInked) {
  const auto swf = dir / "character.swf";
  ASSERT_TRUE(SaveSwfPicture(swf, record));
  tmb::test::SwfFileInfo info;
  std::string why;
  ASSERT_TRUE(tmb::test::ParseSwfFile(tmb::test::FileBytes(swf), info, why)) << why;
  EXPECT_EQ(info.frameCount, 1);
  const tmb::Surface frame = tmb::test::SwfFirstFrame(info, 500, 750);
  tmb::test::SavePictureForViewing(frame, std::string("character_export_swf") + (GetParam() ? "_merged" : "_strokes"));
  tmb::test::ExpectSameInk(tmb::test::CompareInk(Brush(), frame));
}

TEST_P(CharacterExport, AFailedSaveKeepsThePreviousFiles) {
  for (const char* name : {"old.svg", "old.swf"}) {
    const auto file = dir / name;
    tmb::test::WriteFileBytes(file, {'o', 'l', 'd'});
    tmb::Status s = tmb::Status::Ok();
    {
      tmb::test::SmallDisk disk(1000);  // full long before the character is written
      s = std::string(name).ends_with(".svg") ? SaveSvgPicture(file, record) : SaveSwfPicture(file, record);
    }
    EXPECT_FALSE(s) << name;
    EXPECT_FALSE(s.message().empty());
    EXPECT_EQ(tmb::test::FileBytes(file), (std::vector<uint8_t>{'o', 'l', 'd'})) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Roads, CharacterExport, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "MergedOutline" : "StrokeOutlines"; });

}  // namespace
