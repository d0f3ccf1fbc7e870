// Converted characters drawn into window A's render state at every drawing mode and
// colour road, pinned to the bit by checksums of their pictures: the painting may be made
// faster, never different. Each case also pins what the painting was given (the converted
// points and the brush outlines), so that a change of the conversion or of the brush
// shapes is told apart from a change of the painting. The pictures are left for a person
// to look at as pixels_<case>.png.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "brush/render/brush_state.h"
#include "convert/driver/path_resampling.h"
#include "core/record/param_defaults.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "core/state/animation_flags.h"
#include "support/awkward_character.h"
#include "support/picture_files.h"
#include "support/sample_characters.h"
#include "support/scoped_work_canvas.h"
#include "support/surface_checksum.h"

namespace {

using tmb::test::ChecksumText;

using Sample = tmb::test::SampleCharacter;
// The made-up awkward strokes (awkward_character.h), which go into the work path itself.
constexpr Sample kAwkward = Sample(-1);

// A character converted at the default style of window A, as the drawing view converts it.
struct Converted {
  explicit Converted(Sample which) {
    drawn->ClearPoints();
    drawn->SetDefaultParams();
    GetSlotParamDefaults(drawn->m_param, {}, 0);
    drawn->m_param[37] = 400;
    if (which != kAwkward) tmb::test::AppendSampleCharacter(*drawn, which);
    drawn->ToStrokeWork(*source);
    if (which == kAwkward) tmb::test::AddAwkwardCharacter(*source, 24, 3);
    drawn->CopySettingsToWork(*converted);
    converted->ConvertCharacter(*source);
  }
  std::unique_ptr<CCharDataFull> drawn = std::make_unique<CCharDataFull>();
  std::unique_ptr<CStrokeWork> source = std::make_unique<CStrokeWork>();
  std::unique_ptr<CStrokeWork> converted = std::make_unique<CStrokeWork>();
};

constexpr int32_t kPaleYellow = 0x80FFFF, kBlue = 0xFF0000, kRed = 0x0000FF, kWhite = 0xFFFFFF;
constexpr int32_t kKeep = -1;  // the outline colour as the conversion left it
constexpr tmb::Size kPaper{500, 750};
constexpr Sample kRecorded = Sample::kRecorded, kTrees = Sample::kTrees, kScattered = Sample::kScattered,
                 kOffThePaper = Sample::kOffThePaper;

// What a case changes besides the parameters.
struct Options {
  int32_t outline = kKeep;  // the outline colour word
  int widths = 0;           // every point's brush width; 0 keeps the converted ones
  bool frame = false;       // a frame of an animation is being recorded: the outline merge runs too
  int start = 0, end = -1;  // the points drawn
};

struct DrawCase {
  const char* name;
  Sample character;
  tmb::Size paper;
  std::initializer_list<std::pair<int, int32_t>> params;  // set on the converted character
  Options options;
  uint64_t given;    // the converted points and widths, and the brush outlines made of them
  uint64_t picture;  // the state's picture
};

const DrawCase kCases[] = {
    {"scaled", kRecorded, kPaper, {}, {}, 0xf010ad669ab47aa0, 0xecb584fb55f8ff3f},
    {"scaled_coloured", kRecorded, kPaper, {{157, kPaleYellow}}, {.outline = kBlue},
     0xf010ad669ab47aa0, 0x9269d5d342374257},
    {"scaled_outline_unset", kRecorded, kPaper, {{157, kPaleYellow}}, {.outline = kWhite},
     0xf010ad669ab47aa0, 0x986233cf8330f062},
    {"scaled_curved_grown_edge", kRecorded, kPaper, {{241, 60}, {244, 2}}, {}, 0xf010ad669ab47aa0, 0x2ad0f7eb4e75a4e8},
    {"scaled_white_ink", kRecorded, kPaper, {{170, 3}, {156, kWhite}, {157, 0x403020}}, {},
     0xf010ad669ab47aa0, 0x02fac80090028209},
    {"scaled_white_ink_near_white_paper", kRecorded, kPaper, {{170, 3}, {156, kWhite}, {157, 0xFEFEFE}}, {},
     0xf010ad669ab47aa0, 0xf5ab9d19a330be6a},
    {"scaled_range", kRecorded, kPaper, {}, {.start = 120, .end = 400}, 0x5e0518e97230d0b8, 0xf5a81ecf2ffdd5f7},
    {"scaled_partial", kRecorded, kPaper, {{90, 1}, {91, 1}, {92, 20}, {93, 50}}, {},
     0xe1b95b45ed7e33bc, 0x316451f912535092},
    {"scaled_animation_frame", kRecorded, kPaper, {}, {.frame = true}, 0x785174a48f2abdfc, 0xecb584fb55f8ff3f},
    {"stroke_pictures", kRecorded, kPaper, {{240, 0}}, {}, 0xf010ad669ab47aa0, 0x6c21f32e0497fe95},
    {"stroke_pictures_unsmoothed", kRecorded, kPaper, {{240, 0}, {242, 0}}, {}, 0xf010ad669ab47aa0, 0xac494702b80263c2},
    {"stroke_pictures_coloured", kRecorded, kPaper, {{240, 0}, {157, kPaleYellow}}, {.outline = kRed},
     0xf010ad669ab47aa0, 0x6c2ed427635ff809},
    {"stroke_pictures_outline_unset", kRecorded, kPaper, {{240, 0}, {157, 0x604020}}, {.outline = kWhite},
     0xf010ad669ab47aa0, 0xbd3ab7390d577b0a},
    {"stroke_pictures_partial", kRecorded, kPaper, {{240, 0}, {90, 1}, {92, 30}, {93, 10}}, {},
     0xc99413b9362cd0d8, 0x552fcdafba759526},
    {"stroke_pictures_animation_frame", kRecorded, kPaper, {{240, 0}}, {.frame = true},
     0x785174a48f2abdfc, 0x6c21f32e0497fe95},
    {"flying_white", kRecorded, kPaper, {{3, 40}, {5, 20}}, {.widths = 20}, 0x774f99d09aeb9281, 0x1d7024a21e5eb5a8},
    {"no_stroke_pictures", kRecorded, kPaper, {{220, 0}, {240, 0}}, {}, 0x8e8f63a79356022a, 0xf5ab9d19a330be6a},
    {"no_linking", kRecorded, kPaper, {{2, 0}}, {}, 0x69ff00d94a3c39f5, 0xf5ab9d19a330be6a},
    {"dots", kRecorded, kPaper, {{291, 1}}, {}, 0x69ff00d94a3c39f5, 0xeaecb542f99ff2ba},
    {"dots_of_the_written_points", kRecorded, kPaper, {{291, 1}, {47, 1}}, {}, 0x69ff00d94a3c39f5, 0xa54435ed806cfa1f},
    // Papers smaller than the character, and one smaller than the colour work bitmap.
    {"small_paper_scaled", kRecorded, {300, 260}, {}, {}, 0xf010ad669ab47aa0, 0x4b55fe88be485dba},
    {"small_paper_stroke_pictures", kRecorded, {300, 260}, {{240, 0}}, {}, 0xf010ad669ab47aa0, 0xeb8ee3641ffcccd9},
    {"tiny_paper_scaled_coloured", kRecorded, {100, 200}, {{157, kPaleYellow}}, {.outline = kBlue},
     0xf010ad669ab47aa0, 0x2f236c9ebf9e5952},
    {"trees_scaled", kTrees, kPaper, {}, {}, 0x4207a296dab8252a, 0xf5d25864d01b3af7},
    {"trees_stroke_pictures", kTrees, kPaper, {{240, 0}}, {}, 0x4207a296dab8252a, 0x2a0d58f8bac510c2},
    {"scattered_scaled", kScattered, kPaper, {}, {}, 0x3aa5595f39493429, 0xaed6568f5caa0c9a},
    {"scattered_stroke_pictures", kScattered, kPaper, {{240, 0}}, {}, 0x3aa5595f39493429, 0x15a435a048db5a22},
    {"off_the_paper_scaled", kOffThePaper, kPaper, {}, {}, 0x9a6ec4d3f885a0e5, 0x4c95a3b14e847b82},
    {"off_the_paper_stroke_pictures", kOffThePaper, kPaper, {{240, 0}}, {}, 0x9a6ec4d3f885a0e5, 0xe07531929bb3a383},
    {"awkward_scaled", kAwkward, kPaper, {}, {}, 0x8d38c3d6b3aed47a, 0x79f5cff01180884f},
    {"awkward_stroke_pictures", kAwkward, kPaper, {{240, 0}}, {}, 0x8d38c3d6b3aed47a, 0x522d367a7d7743dd},
    {"awkward_dots", kAwkward, kPaper, {{291, 1}}, {}, 0xfdd76c654cd2663e, 0x7a938b4632ed74a2},
};

// What the painting was given: the converted points, their widths and the brush outlines
// of the path sequence.
uint64_t GivenChecksum(const CStrokeWork& converted) {
  uint64_t h = tmb::test::PathChecksum(converted);
  for (int i = 0; i < converted.GetCount(); ++i) h = (h ^ converted.m_pWidths[i]) * 0x100000001B3ull;
  if (gPathSequence.m_pPath) h ^= tmb::test::PathChecksum(*gPathSequence.m_pPath) * 3;
  return h;
}

void PrintTo(const DrawCase& c, std::ostream* os) { *os << c.name; }

class DrawingChecksums : public ::testing::TestWithParam<DrawCase> {
 protected:
  void TearDown() override {
    gBrushStates[0].Reset();
    gPathSequence.FreePath();
    gFrameRecording = 0;
    gUnitPassActive = 0;
  }
};

TEST_P(DrawingChecksums, ThePictureStaysBitForBit) {
  const DrawCase& c = GetParam();
  tmb::test::ScopedWorkCanvas canvas(c.paper.cx, c.paper.cy);
  gBrushStates[0].Reset();
  ASSERT_EQ(gBrushStates[0].Create(&canvas.screen, 1), 1);
  Converted character(c.character);
  CStrokeWork& converted = *character.converted;
  ASSERT_GT(converted.GetCount(), 0);
  for (const auto& [index, value] : c.params) converted.m_param[size_t(index)] = value;
  const Options& o = c.options;
  if (o.outline != kKeep) converted.m_rangeFrom = o.outline;
  for (int i = 0; o.widths != 0 && i < converted.GetCount(); ++i) converted.m_pWidths[i] = uint8_t(o.widths);
  gFrameRecording = o.frame ? 1 : 0;
  converted.m_nWindow = 0;
  converted.SelectBrushState(nullptr);
  converted.m_drawFlags[0] = 0;
  ASSERT_EQ(converted.DrawCharacter(&canvas.screen, o.start, o.end, *character.source), 1);
  const tmb::Surface& picture = gBrushStates[0].m_bitmap;
  EXPECT_FALSE(tmb::test::SavePictureForViewing(picture, std::string("pixels_") + c.name).empty());

  const uint64_t given = GivenChecksum(converted), drawn = tmb::test::SurfaceChecksum(picture);
  const std::string row =
      std::string("{\"") + c.name + "\", ..., " + ChecksumText(given) + ", " + ChecksumText(drawn) + "}";
  if (given != c.given) {
    ADD_FAILURE() << "the conversion or the brush outlines changed, not the painting; when that change is meant, "
                     "record the case anew: "
                  << row;
  } else {
    EXPECT_EQ(drawn, c.picture) << "the painting changed: " << row;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryModeAndCharacter, DrawingChecksums, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DrawCase>& info) { return std::string(info.param.name); });

}  // namespace
