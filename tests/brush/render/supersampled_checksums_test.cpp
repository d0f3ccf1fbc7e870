// The supersampled rendering of fixed outlines (a made-up 20-stroke character that no
// engine shapes) pinned to the bit by checksums, at every mode the drawing uses and with
// every colour and edge option of the reduction: the rendering may be made faster, never
// different. The pictures are left for a person to look at as supersampled_<case>.png.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "brush/render/supersampled_render.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_path.h"
#include "support/character_outlines.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"
#include "support/surface_checksum.h"

namespace {

using tmb::test::ChecksumText;

// How the outlines are rendered.
enum class Road {
  kWhole,      // mode 0 (or the case's mode) in one call
  kByStrokes,  // mode 2 per stroke into the scaled work bitmap, then mode 3 into the target
  kUnreduced,  // mode 5 into a monochrome target of the scaled size
};

struct RenderCase {
  const char* name;
  int width, height;  // the paper
  Road road;
  int mode;
  bool monoTarget;
  tmb::Colour ink, paper;
  int curve, grow;
  uint64_t picture;
};

constexpr tmb::Colour kBlack = 0x000000, kWhite = 0xFFFFFF, kPaleYellow = 0x80FFFF, kRed = 0x0000FF;

const RenderCase kCases[] = {
    {"whole", 500, 750, Road::kWhole, 0, false, kBlack, kWhite, 100, 0, 0x87ef7501c1520c02},
    {"whole_coloured", 500, 750, Road::kWhole, 0, false, kRed, kPaleYellow, 100, 0, 0x4fe8db3fdc323b86},
    {"whole_ink_lighter_than_paper", 500, 750, Road::kWhole, 0, false, kWhite, 0x203040, 100, 0, 0x1a2ed223ef436d32},
    {"whole_curved", 500, 750, Road::kWhole, 0, false, kBlack, kWhite, 60, 0, 0x182151e8f88100a4},
    {"whole_grown", 500, 750, Road::kWhole, 0, false, kBlack, kPaleYellow, 100, 3, 0x0b984b4816b8795a},
    {"whole_into_mono", 500, 750, Road::kWhole, 0, true, kBlack, kWhite, 100, 0, 0x6ba2ec54a49c5be9},
    {"by_strokes", 500, 750, Road::kByStrokes, 2, false, kBlack, kWhite, 100, 0, 0x5a22502a2e62a56a},
    {"by_strokes_coloured_grown", 500, 750, Road::kByStrokes, 2, false, kRed, kPaleYellow, 130, 1, 0xb67fff693745affa},
    {"unreduced", 500, 750, Road::kUnreduced, 5, true, kBlack, kWhite, 100, 0, 0x5baeaa685396627a},
    // The outlines reach past the right and bottom edges of these papers.
    {"small_paper_whole", 300, 260, Road::kWhole, 0, false, kBlack, kWhite, 100, 0, 0xb272ebd6fb04a4cf},
    {"small_paper_by_strokes_grown", 300, 260, Road::kByStrokes, 2, false, kBlack, kWhite, 100, 2, 0xaf6bcb01dce1c8df},
    {"odd_paper_whole_into_mono", 333, 517, Road::kWhole, 0, true, kBlack, kWhite, 100, 1, 0xfc860108ad042887},
    {"odd_paper_unreduced", 333, 517, Road::kUnreduced, 5, true, kBlack, kWhite, 100, 0, 0x117f27532900330a},
};

void PrintTo(const RenderCase& c, std::ostream* os) { *os << c.name; }

// Stroke s of the outlines at the paper's scale (the renderer scales by 4 again).
void AppendStroke(CStrokePath& path, const std::vector<tmb::Point>& outline) {
  for (size_t k = 0; k < outline.size(); ++k) {
    path.AppendPoint(0, 0, k == 0 ? 1 : 0);
    path.m_pPoints[path.m_nCount - 1] = CFPoint(outline[k].x / 4.0f, outline[k].y / 4.0f);
  }
}

class SupersampledChecksums : public ::testing::TestWithParam<RenderCase> {};

TEST_P(SupersampledChecksums, ThePictureStaysBitForBit) {
  const RenderCase& c = GetParam();
  tmb::test::ScopedWorkCanvas canvas(c.width, c.height);
  ParamBlock params{};
  params[157] = int32_t(c.paper);
  params[241] = c.curve;
  params[244] = c.grow;
  const auto outlines = tmb::test::CharacterOutlines();
  CStrokePath whole(8000);
  for (const auto& outline : outlines) AppendStroke(whole, outline);

  tmb::Surface target;
  const bool scaledTarget = c.road == Road::kUnreduced;
  ASSERT_TRUE(target.Create(scaledTarget ? gWorkCanvas.m_scaledWidth : c.width,
                            scaledTarget ? gWorkCanvas.m_scaledHeight : c.height,
                            c.monoTarget ? tmb::PixelFormat::kMono1 : tmb::PixelFormat::kColour32));
  // Blocks without ink keep what the target held.
  target.Fill(0xC0C0C0);
  if (c.road == Road::kByStrokes) {
    CWorkBitmap& large = gWorkCanvas.m_scaledMaskBitmap;
    large.Fill(kWhite);
    for (const auto& outline : outlines) {
      CStrokePath stroke(int(outline.size()) + 1);
      AppendStroke(stroke, outline);
      ASSERT_EQ(RenderPathToBitmap(stroke, &canvas.screen, &large, c.mode, params, c.ink), 1);
    }
    ASSERT_EQ(RenderPathToBitmap(whole, &canvas.screen, &target, 3, params, c.ink), 1);
  } else {
    ASSERT_EQ(RenderPathToBitmap(whole, &canvas.screen, &target, c.mode, params, c.ink), 1);
  }
  EXPECT_FALSE(tmb::test::SavePictureForViewing(target, std::string("supersampled_") + c.name).empty());
  const uint64_t drawn = tmb::test::SurfaceChecksum(target);
  EXPECT_EQ(drawn, c.picture) << "the rendering changed: {\"" << c.name << "\", ..., " << ChecksumText(drawn) << "}";
}

INSTANTIATE_TEST_SUITE_P(EveryRoadAndOption, SupersampledChecksums, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RenderCase>& info) { return std::string(info.param.name); });

}  // namespace
