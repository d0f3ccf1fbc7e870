// The passes after the linking (the main linking, the trimming of stroke ends and the
// stroke widths) as the conversion runs them, over a corpus of awkward characters and
// settings at and past the ends of their ranges.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "convert/driver/conversion_chain.h"
#include "convert/driver/conversion_driver.h"
#include "convert/driver/path_resampling.h"
#include "convert/driver/scratch_paths.h"
#include "core/record/param_defaults.h"
#include "core/path/stroke_work.h"
#include "support/awkward_character.h"
#include "support/conversion_globals.h"

namespace {

using tmb::test::AddAwkwardCharacter;
using tmb::test::AllPointsFinite;

// One setting of the corpus: a slot's defaults, with one parameter changed (none at -1).
struct Setting {
  const char* what;
  int slot;
  int index;
  int32_t value;
};

constexpr Setting kSettings[] = {
    {"window A", 0, -1, 0},          {"window B", 2, -1, 0},
    {"standard linking", 0, 356, 0}, {"alternative linking", 0, 356, 1},
    {"plain trimming", 0, 315, 0},   {"strong trimming", 0, 315, 1},
    {"stepped widths", 0, 348, 0},   {"linear widths", 0, 348, 1},
    {"width 0", 0, 3, 0},            {"width 1", 0, 3, 1},
    {"width 255", 0, 3, 255},        {"width 100,000", 0, 3, 100000},
    {"modulation -5", 0, 4, -5},     {"modulation 150", 0, 4, 150},
};

ParamBlock ParamsOf(const Setting& s) {
  ParamBlock params{};
  InitShapeSettings(params, 400);
  GetSlotParamDefaults(params, {}, s.slot);
  if (s.index >= 0) params[s.index] = s.value;
  return params;
}

bool IsPassAfterLinking(const char* stage) {
  for (const char* name : {"main linking", "end trimming", "stroke widths"}) {
    if (std::strcmp(stage, name) == 0) return true;
  }
  return false;
}

// Where flags 1 and 2 stand.
std::vector<int> SectionStarts(const CStrokePath& path) {
  std::vector<int> starts;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] == CStrokePath::kFlagStart || path.m_pFlags[i] == 2) starts.push_back(i);
  }
  return starts;
}

// The points, flags and widths of a converted path, byte for byte.
std::vector<uint8_t> BytesOf(const CStrokeWork& path) {
  const int n = path.GetCount();
  const auto* points = reinterpret_cast<const uint8_t*>(path.m_pPoints);
  std::vector<uint8_t> bytes(points, points + sizeof(CFPoint) * size_t(n));
  bytes.insert(bytes.end(), path.m_pFlags, path.m_pFlags + n);
  bytes.insert(bytes.end(), path.m_pWidths, path.m_pWidths + n);
  return bytes;
}

// Fills every slot of path past its count with values no pass should read.
void Poison(CStrokeWork& path) {
  for (int i = path.GetCount(); i < path.GetCapacity(); ++i) {
    path.m_pPoints[i] = CFPoint(-1e30f, 1e30f);
    path.m_pFlags[i] = static_cast<uint8_t>(i % 3 == 0 ? 25 : i % 3 == 1 ? 1 : 3);
    path.m_pWidths[i] = 0;
  }
}

class MainLinkingCorpusTest : public ::testing::Test {
 protected:
  void SetUp() override { tmb::test::ResetConversionGlobals(); }
  void TearDown() override { tmb::test::ResetConversionGlobals(); }

  void Load(int strokes, uint32_t seed, const ParamBlock& params) {
    source->SetCount(0);
    AddAwkwardCharacter(*source, strokes, seed);
    source->m_param = params;
  }

  // The conversion as the driver runs it, stage by stage: each pass after the linking
  // must keep the count and where the strokes and sections start.
  std::vector<uint8_t> ConvertCheckingPasses() {
    dest->SetCount(0);
    dest->CopySettingsFrom(*source);
    ScopedParamRanges ranges(dest->m_param);
    dest->m_param[400] = 1;
    gUnitPassActive = 1;
    RunConversionPasses(*dest, *source, 1);
    ScratchPath reference(dest->GetCapacity());
    ConversionRun run(*dest, &*reference, source->m_nWindow);
    for (const ConversionStage& stage : ConversionChain()) {
      if (stage.part != ChainPart::kDriver) continue;
      const int count = dest->GetCount();
      const std::vector<int> starts = SectionStarts(*dest);
      stage.run(run);
      if (!IsPassAfterLinking(stage.name)) continue;
      SCOPED_TRACE(stage.name);
      EXPECT_EQ(dest->GetCount(), count);
      EXPECT_EQ(SectionStarts(*dest), starts);
      EXPECT_TRUE(AllPointsFinite(*dest));
    }
    return BytesOf(*dest);
  }

  std::vector<uint8_t> Convert() {
    dest->SetCount(0);
    EXPECT_EQ(dest->ConvertCharacter(*source), 1);
    return BytesOf(*dest);
  }

  std::unique_ptr<CStrokeWork> source = std::make_unique<CStrokeWork>(4000);
  std::unique_ptr<CStrokeWork> dest = std::make_unique<CStrokeWork>(4000);
};

TEST_F(MainLinkingCorpusTest, AwkwardCharactersConvertSafelyAndRepeatably) {
  constexpr size_t kCount = std::size(kSettings);
  for (int strokes = 1; strokes <= 40; strokes += 3) {
    for (size_t s = 0; s < kCount; ++s) {
      SCOPED_TRACE(testing::Message() << strokes << " strokes, " << kSettings[s].what);
      const uint32_t seed = uint32_t(strokes * 37 + int(s));
      const ParamBlock params = ParamsOf(kSettings[s]);
      Load(strokes, seed, params);
      const std::vector<uint8_t> staged = ConvertCheckingPasses();
      const std::vector<uint8_t> x = Convert();
      EXPECT_EQ(x, staged);
      EXPECT_TRUE(AllPointsFinite(*dest));
      ASSERT_GT(dest->GetCount(), 0);
      EXPECT_LE(dest->GetCount(), dest->GetCapacity());
      for (int i = 0; i < dest->GetCount(); ++i) ASSERT_GE(dest->m_pWidths[i], 1) << i;

      // Another character with other settings in between, and poison past every count,
      // change nothing of the next conversion.
      Load(strokes + 2, seed * 7 + 1, ParamsOf(kSettings[(s + 1) % kCount]));
      Convert();
      Load(strokes, seed, params);
      Poison(*source);
      Poison(*dest);
      EXPECT_EQ(Convert(), x);
    }
  }
}

}  // namespace
