// A real character drawn in window A, its merged outline saved as an SVG picture and an
// SWF movie: the picture rsvg-convert renders and the movie's first frame, decoded and
// filled, ink what the brush rendering inked. Left as pictures for a person to compare.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "brush/render/brush_state.h"
#include "convert/driver/path_resampling.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "export/animation/animation_flags.h"
#include "export/picture/png_reader.h"
#include "export/svg/svg_writer.h"
#include "export/swf/swf_picture_save.h"
#include "support/checking_tool.h"
#include "support/converted_character.h"
#include "support/file_bytes.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"
#include "support/small_disk.h"
#include "support/swf_display_list.h"
#include "support/swf_reader.h"
#include "support/temp_dir.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF, kBlack = 0x000000;
constexpr int kTwips = 20;
constexpr int kCurveSteps = 8;
constexpr int kSmoothing = 4;

bool Inked(tmb::Colour c) {
  const int r = int(c & 0xFF), g = int((c >> 8) & 0xFF), b = int((c >> 16) & 0xFF);
  return r + g + b < 3 * 128;
}

struct InkComparison {
  int ink = 0;         // pixels the brush inked
  int otherInk = 0;    // pixels the other picture inked
  int differing = 0;   // pixels inked in one picture only
  int awayFromEdge = 0;  // of those, the ones with no change of ink next to them in either
};

// Whether ink changes between (x, y) and one of its eight neighbours.
bool AtEdge(const tmb::Surface& picture, int x, int y) {
  const bool inked = Inked(picture.GetPixel(x, y));
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const tmb::Colour c = picture.GetPixel(x + dx, y + dy);
      if (c != tmb::kInvalidColour && Inked(c) != inked) return true;
    }
  }
  return false;
}

InkComparison CompareInk(const tmb::Surface& brush, const tmb::Surface& other) {
  InkComparison c;
  for (int y = 0; y < brush.height(); ++y) {
    for (int x = 0; x < brush.width(); ++x) {
      const bool a = Inked(brush.GetPixel(x, y)), b = Inked(other.GetPixel(x, y));
      c.ink += a;
      c.otherInk += b;
      if (a == b) continue;
      ++c.differing;
      c.awayFromEdge += !AtEdge(brush, x, y) && !AtEdge(other, x, y);
    }
  }
  return c;
}

// The two pictures ink as much within 5 %, and differ only where one of them has an edge
// (the two anti-aliasings cross the half-tone threshold a pixel apart): a stroke left out,
// misplaced or filled where the brush left a gap would differ away from every edge.
void ExpectSameInk(const InkComparison& c) {
  ::testing::Test::RecordProperty("brush_ink", c.ink);
  ::testing::Test::RecordProperty("export_ink", c.otherInk);
  ::testing::Test::RecordProperty("differing", c.differing);
  ::testing::Test::RecordProperty("away_from_edge", c.awayFromEdge);
  ASSERT_GT(c.ink, 5000);
  EXPECT_LT(std::abs(c.otherInk - c.ink), c.ink / 20) << c.otherInk << " against " << c.ink;
  EXPECT_LE(c.awayFromEdge, c.ink / 1000) << c.awayFromEdge;
  EXPECT_LT(c.differing, c.ink / 8) << c.differing << " of " << c.ink;
}

// The shapes on stage at the movie's first frame, filled with their fill colours by the
// alternate rule on white, as the brush renderer fills outlines: at four times the size,
// each polygon with a one-pixel edge, reduced by averaging. The shapes' one-pixel lines
// (half a paper pixel either side of every edge) are left out: the comparison is of the
// filled outline.
tmb::Surface FirstFrame(const tmb::test::SwfFileInfo& info, int width, int height) {
  tmb::Surface picture, large;
  EXPECT_TRUE(picture.Create(width, height, tmb::PixelFormat::kColour32));
  EXPECT_TRUE(large.Create(width * kSmoothing, height * kSmoothing, tmb::PixelFormat::kColour32));
  picture.Fill(kWhite);
  large.Fill(kWhite);
  const auto play = tmb::test::PlaySwfTags(info.tags);
  EXPECT_TRUE(play.faults.empty());
  if (play.frames.empty()) return picture;
  const auto shapes = tmb::test::SwfShapesById(info.tags);
  tmb::DeviceContext dc(&large);
  dc.SetPolyFillMode(tmb::kAlternate);
  for (const auto& [depth, id] : play.frames[0]) {
    const auto& shape = shapes.at(id).shape;
    std::vector<tmb::Point> points;
    std::vector<int> counts;
    for (const auto& contour : tmb::test::SwfContours(shape.records)) {
      const size_t before = points.size();
      auto add = [&points](double x, double y) {
        points.push_back({int(std::lround(x * kSmoothing / kTwips)), int(std::lround(y * kSmoothing / kTwips))});
      };
      for (size_t k = 0; k < contour.size(); ++k) {
        if (!contour[k].control) {
          add(contour[k].x, contour[k].y);
          continue;
        }
        const auto& a = contour[k - 1];
        const auto& c = contour[k];
        const auto& b = contour[k + 1];
        for (int s = 1; s < kCurveSteps; ++s) {
          const double t = double(s) / kCurveSteps, u = 1 - t;
          add(u * u * a.x + 2 * u * t * c.x + t * t * b.x, u * u * a.y + 2 * u * t * c.y + t * t * b.y);
        }
      }
      counts.push_back(int(points.size() - before));
    }
    const auto colour = [](const tmb::test::SwfRgba& c) { return tmb::MakeRgb(c.r, c.g, c.b); };
    if (shape.fills.empty()) continue;
    dc.SelectPen(tmb::Pen::Solid(1, colour(shape.fills[0].colour)));
    dc.SelectBrush(tmb::Brush::Solid(colour(shape.fills[0].colour)));
    dc.PolyPolygon(points, counts);
  }
  tmb::DeviceContext out(&picture);
  out.SetStretchMode(tmb::kHalftone);
  out.StretchBlt(0, 0, width, height, &dc, 0, 0, large.width(), large.height(), tmb::kSrcCopy);
  return picture;
}

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
  const auto png = dir / "character.png";
  ASSERT_TRUE(SaveSvgPicture(svg, record));
  const auto run = tmb::test::RunTool("rsvg-convert -b white -o '" + png.string() + "' '" + svg.string() + "'");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  tmb::Surface rendered;
  ASSERT_TRUE(rendered.Create(500, 750, tmb::PixelFormat::kColour32));
  tmb::Size size;
  tmb::DeviceContext dc(&rendered);
  ASSERT_EQ(ReadPngFile(&dc, png.string(), &size, &rendered), 1);
  EXPECT_EQ(size.cx, 500);
  EXPECT_EQ(size.cy, 750);
  const std::string road = GetParam() ? "_merged" : "_strokes";
  tmb::test::SavePictureForViewing(Brush(), "character_export_brush" + road);
  tmb::test::SavePictureForViewing(rendered, "character_export_svg" + road);
  ExpectSameInk(CompareInk(Brush(), rendered));
}

TEST_P(CharacterExport, TheSwfMoviesFirstFrameInksWhatTheBrushInked) {
  const auto swf = dir / "character.swf";
  ASSERT_TRUE(SaveSwfPicture(swf, record));
  tmb::test::SwfFileInfo info;
  std::string why;
  ASSERT_TRUE(tmb::test::ParseSwfFile(tmb::test::FileBytes(swf), info, why)) << why;
  EXPECT_EQ(info.frameCount, 1);
  const tmb::Surface frame = FirstFrame(info, 500, 750);
  tmb::test::SavePictureForViewing(frame, std::string("character_export_swf") + (GetParam() ? "_merged" : "_strokes"));
  ExpectSameInk(CompareInk(Brush(), frame));
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
