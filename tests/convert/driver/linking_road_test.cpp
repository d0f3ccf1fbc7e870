// The linking as the whole conversion runs it: the link points in and out again around
// the smoothing, the link decision on the reference copy, from a drawn record through the
// brush engine's conversion road, and from an old file whose spacing is 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>
#include <string>

#include "convert/driver/conversion_chain.h"
#include "convert/driver/conversion_driver.h"
#include "convert/driver/conversion_stages.h"
#include "convert/driver/scratch_paths.h"
#include "core/record/param_defaults.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "support/brush_fixture.h"
#include "support/char_file_fixture.h"
#include "support/conversion_globals.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::ResetConversionGlobals;

using tmb::test::AddPolyline;

constexpr int kConversionStyle = 300;

int CountStarts(const CCharData& rec) {
  return static_cast<int>(std::count(rec.m_pFlags.get(), rec.m_pFlags.get() + rec.m_nPoints, 1));
}

// Runs work and fails the whole test program when it has not returned within the time: a
// conversion that never ends would otherwise hang the run.
template <class Work>
void WithinSeconds(int seconds, Work work) {
  auto done = std::async(std::launch::async, work);
  if (done.wait_for(std::chrono::seconds(seconds)) == std::future_status::timeout) {
    std::fprintf(stderr, "the conversion did not end within %d seconds\n", seconds);
    std::_Exit(EXIT_FAILURE);
  }
  done.get();
}

TEST(LinkPointSpacing, IsTheBrushVeinPlusOneTimesParameter44HeldToAnInt) {
  struct Case {
    int vein, p44, d;
  };
  const Case cases[] = {
      {5, 10, 60}, {0, 0, 0}, {5, 0, 0}, {-1, 10, 0}, {-3, 10, -20}, {1500, INT_MAX, INT_MAX}, {1, INT_MIN, INT_MIN}};
  for (const Case& c : cases) {
    ParamBlock p{};
    p[1] = c.vein;
    p[44] = c.p44;
    EXPECT_EQ(LinkPointSpacing(p), c.d) << c.vein << " " << c.p44;
  }
}

class LinkingChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitShapeSettings(source->m_param, 400);
    GetSlotParamDefaults(source->m_param, {}, 0);
    source->m_param[317] = 0;
  }
  void TearDown() override { ResetConversionGlobals(); }

  std::unique_ptr<CStrokeWork> source = std::make_unique<CStrokeWork>(2048);
  std::unique_ptr<CStrokeWork> dest = std::make_unique<CStrokeWork>(2048);
};

// A level stroke and, a little below its end, a falling stroke that the unit grouping
// finds to open a new mark: a strong link kind, which a reach of 40 links, and the
// reference copy is told so.
TEST_F(LinkingChainTest, TheDriverStagesLinkAndMarkTheReferenceCopy) {
  AddPolyline(*source, {{100, 100}, {300, 100}}, 5);
  AddPolyline(*source, {{320, 150}, {320, 350}}, 5);
  source->m_param[2] = 40;
  dest->m_param = source->m_param;
  RunConversionPasses(*dest, *source, 1);
  const int analysed = dest->GetCount();
  const int second = dest->GetStrokeStart(1);
  ASSERT_GT(second, 0);

  ScratchPath reference(dest->GetCapacity());
  ConversionRun run(*dest, &*reference);
  const auto stages = ConversionChain();
  const auto stage = [&](const char* name) {
    for (const ConversionStage& s : stages) {
      if (std::string(s.name) == name) s.run(run);
    }
  };
  stage("reference copy");
  stage("link points");
  EXPECT_EQ(dest->m_bLinkPoints, 1);
  EXPECT_GT(dest->GetCount(), analysed);
  stage("work-path smoothing");
  stage("link point removal");
  EXPECT_EQ(dest->m_bLinkPoints, 0);
  ASSERT_EQ(dest->GetCount(), analysed);
  EXPECT_EQ(dest->m_pFlags[second], '2');
  stage("link decision");
  EXPECT_EQ(dest->m_pFlags[second], 0);
  EXPECT_EQ(reference->m_pFlags[second], 4);
}

TEST_F(LinkingChainTest, AConvertedCharacterHoldsNoLinkPoint) {
  AddPolyline(*source, {{100, 100}, {300, 100}}, 5);
  AddPolyline(*source, {{200, 40}, {200, 300}}, 5);
  AddPolyline(*source, {{120, 330}, {280, 330}}, 5);
  ASSERT_EQ(dest->ConvertCharacter(*source), 1);
  EXPECT_EQ(dest->m_bLinkPoints, 0);
  for (int i = 0; i < dest->GetCount(); ++i) {
    EXPECT_NE(dest->m_pFlags[i], CStrokePath::kFlagLink) << i;
    EXPECT_FALSE(dest->m_pFlags[i] >= 50 && dest->m_pFlags[i] <= 61) << i;
  }
}

class LinkingRoadTest : public tmb::test::BrushEngineTest {
 protected:
  void TearDown() override {
    ResetConversionGlobals();
    BrushEngineTest::TearDown();
  }
};

// Two level strokes of 100 pixels, the second 6 pixels right of the first's end: a weak
// link, which needs a reach above 12.
TEST_F(LinkingRoadTest, TwoCloseLevelStrokesBecomeOneFromAReachOf13) {
  struct Case {
    int reach, strokes;
  };
  for (const Case c : {Case{15, 1}, Case{12, 2}}) {
    drawn->ClearPoints();
    drawn->SetDefaultParams();
    GetSlotParamDefaults(drawn->m_param, {}, 0);
    drawn->m_param[37] = kConversionStyle;
    drawn->m_param[2] = c.reach;
    tmb::test::AddLine(*drawn, {100, 200}, 1, 0, 101);
    tmb::test::AddLine(*drawn, {206, 200}, 1, 0, 101);
    ASSERT_EQ(work->BuildOutline(*drawn), 1);
    EXPECT_GT(work->m_nPoints, 20);
    EXPECT_EQ(CountStarts(*work), c.strokes) << "reach " << c.reach;
  }
}

class OldFileLinkingTest : public tmb::test::CharFileTest {
 protected:
  void TearDown() override {
    ResetConversionGlobals();
    CharFileTest::TearDown();
  }
};

// Before data version 2.14 parameter 44 is three times parameter 26, and 26 is raised to 1
// only after: a block with 26 at 0 loads a spacing of 0 for the link points.
TEST_F(OldFileLinkingTest, ABlockOfVersion205WithSoftness0OpensAndConverts) {
  tmb::test::WdfBlock b;
  b.magic = "TAMBERI DATA FILE 2.0";
  b.major = 2;
  b.minor = 5;
  b.r1 = b.r2 = 0;
  b.params = {{0, 3}, {2, 12}, {3, 15}, {26, 0}};
  for (int k = 0; k < 3; ++k) {
    for (int x = 0; x <= 100; x += 4) b.points.push_back({100 + x, 100 + 60 * k, x == 0 ? 1 : 0, -1});
  }
  auto record = std::make_unique<CCharDataFull>();
  ASSERT_EQ(ReadFile(*record, WriteBytes("soft.wdf", tmb::test::BuildWdfBlock(b))), 1);
  ASSERT_EQ(record->m_param[44], 0);
  ASSERT_EQ(record->m_param[26], 1);
  ASSERT_GE(record->m_param[37], kConversionStyle);
  ASSERT_EQ(LinkPointSpacing(record->m_param), 0);

  auto source = std::make_unique<CStrokeWork>();
  auto converted = std::make_unique<CStrokeWork>();
  record->ToStrokeWork(*source);
  record->CopySettingsToWork(*converted);
  int result = -1;
  WithinSeconds(30, [&] { result = converted->ConvertCharacter(*source); });
  EXPECT_EQ(result, 1);
  EXPECT_GT(converted->GetCount(), 0);
  for (int i = 0; i < converted->GetCount(); ++i) ASSERT_NE(converted->m_pFlags[i], CStrokePath::kFlagLink) << i;
}

}  // namespace
