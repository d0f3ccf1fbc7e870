#include "convert/driver/conversion_driver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/conversion_chain.h"
#include "convert/driver/conversion_stages.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/part_store.h"
#include "convert/driver/path_resampling.h"
#include "convert/driver/scratch_paths.h"
#include "convert/driver/tablet_ink.h"
#include "core/record/param_defaults.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_work.h"
#include "support/awkward_character.h"
#include "support/conversion_globals.h"
#include "support/path_points.h"

namespace {

using tmb::test::AddAwkwardCharacter;
using tmb::test::AllPointsFinite;
using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

// The parameters of a new character of a slot, in the converting style.
ParamBlock SlotDefaults(int slot) {
  ParamBlock params{};
  InitShapeSettings(params, 400);
  GetSlotParamDefaults(params, {}, slot);
  return params;
}

// Everything a conversion leaves behind, to compare runs exactly.
struct Result {
  int returned = 0;
  std::vector<uint8_t> bytes;  // points, flags, widths
  std::vector<int> markerCodes;
  int overlayMarks = 0;
  bool operator==(const Result&) const = default;
};

class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override { tmb::test::ResetConversionGlobals(); }
  void TearDown() override { tmb::test::ResetConversionGlobals(); }

  // Converts source (with params) into dest and records the outcome.
  Result Convert(const ParamBlock& params) {
    source->m_param = params;
    dest->SetCount(0);
    Result r;
    r.returned = dest->ConvertCharacter(*source);
    const int n = dest->GetCount();
    const auto* points = reinterpret_cast<const uint8_t*>(dest->m_pPoints);
    r.bytes.assign(points, points + sizeof(CFPoint) * n);
    r.bytes.insert(r.bytes.end(), dest->m_pFlags, dest->m_pFlags + n);
    r.bytes.insert(r.bytes.end(), dest->m_pWidths, dest->m_pWidths + n);
    for (int k = 0; k < gMarkers.m_nCount; ++k) r.markerCodes.push_back(gMarkers.m_codes[k]);
    r.overlayMarks = gAnalysisOverlay.m_nCount;
    return r;
  }

  std::unique_ptr<CStrokeWork> source = std::make_unique<CStrokeWork>(4000);
  std::unique_ptr<CStrokeWork> dest = std::make_unique<CStrokeWork>(4000);
};

// Appends a straight stroke from a to b with n + 1 points.
void AddLine(CStrokeWork& path, CFPoint a, CFPoint b, int n) {
  for (int k = 0; k <= n; ++k) {
    const float t = n == 0 ? 0.0f : float(k) / float(n);
    path.AddSample(0, 0, 50, k == 0 ? 1 : 0);
    path.m_pPoints[path.m_nCount - 1] = CFPoint(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t);
  }
}

TEST_F(ConversionTest, AnEmptyCharacterConvertsToNothing) {
  const Result r = Convert(SlotDefaults(0));
  EXPECT_EQ(r.returned, 1);
  EXPECT_TRUE(r.bytes.empty());
  EXPECT_EQ(r.overlayMarks, 0);
  EXPECT_TRUE(r.markerCodes.empty());
}

TEST_F(ConversionTest, AOnePointCharacterSurvivesWithAWidth) {
  source->AddSample(120, 80, -1, 1);
  ParamBlock params = SlotDefaults(0);
  params[317] = 0;  // no slant of the stroke form: the point stays where it is
  for (int width : {0, 1, 3, 30}) {
    params[3] = width;
    ASSERT_EQ(Convert(params).returned, 1);
    ASSERT_EQ(dest->GetCount(), 1) << width;
    EXPECT_EQ(dest->m_pPoints[0], CFPoint(120, 80));
    EXPECT_GE(dest->m_pWidths[0], 1) << width;
    EXPECT_EQ(dest->m_pWidths[0], std::max(1, width / 2));
  }
}

TEST_F(ConversionTest, ASwitchedOffConversionGivesTheCharacterUnchanged) {
  AddLine(*source, {10, 10}, {60, 10}, 5);
  AddLine(*source, {20, 30}, {20, 80}, 3);
  gMarkers.PostMarker(1, 1, 1, 1033);
  ParamBlock params = SlotDefaults(0);
  params[47] = 1;
  params[4] = 500;
  const Result r = Convert(params);
  EXPECT_EQ(r.returned, 0);
  EXPECT_EQ(PointsOf(*dest), PointsOf(*source));
  EXPECT_EQ(gMarkers.m_nCount, 1);  // untouched
  EXPECT_TRUE(gMarkers.IsPosting());
  EXPECT_EQ(dest->m_param[400], 1);
  EXPECT_EQ(dest->m_param[4], 500);
}

TEST_F(ConversionTest, ParametersAreHeldToTheirRangesOnlyWhileTheConversionRuns) {
  ParamBlock params = SlotDefaults(0);
  params[0] = 100000;
  params[1] = 5000;
  params[3] = 1000;
  params[4] = -20;
  params[201] = 1 << 30;
  {
    ScopedParamRanges ranges(params);
    EXPECT_EQ(params[0], 1000);
    EXPECT_EQ(params[4], -20);  // only its top is held
    // The others are seen as given.
    EXPECT_EQ(params[1], 5000);
    EXPECT_EQ(params[3], 1000);
    EXPECT_EQ(params[201], 1 << 30);
    params[4] = 150;
  }
  EXPECT_EQ(params[0], 100000);
  EXPECT_EQ(params[4], -20);

  struct Case {
    int modulation, seenAs;
  } cases[] = {{150, 100}, {100, 100}, {60, 60}};
  AddLine(*source, {10, 10}, {60, 10}, 5);
  for (const Case& c : cases) {
    params = SlotDefaults(0);
    params[3] = 40;
    params[4] = c.modulation;
    const ParamBlock given = params;
    Convert(params);
    std::vector<uint8_t> widths(dest->m_pWidths, dest->m_pWidths + dest->GetCount());
    params[4] = c.seenAs;
    Convert(params);
    EXPECT_EQ(widths, std::vector<uint8_t>(dest->m_pWidths, dest->m_pWidths + dest->GetCount())) << c.modulation;
    params[4] = c.modulation;
    Convert(params);
    EXPECT_EQ(dest->m_param[4], c.modulation) << "the settings as given, after";
    EXPECT_EQ(source->m_param, given);
  }
  // A width past the settings bar is the brush width asked for, up to what a point holds.
  params = SlotDefaults(0);
  params[3] = 300;
  Convert(params);
  EXPECT_EQ(dest->m_pWidths[0], 150);
}

// The cursive degree is the number of passes of the work-path smoothing: a damaged file's
// 2^31 - 1 is held to the settings bar's 1000, or the conversion would run for hours.
TEST_F(ConversionTest, ACursiveDegreeFromADamagedFileConvertsAsTheHighestSetting) {
  AddAwkwardCharacter(*source, 6, 11);
  ParamBlock params = SlotDefaults(0);
  params[0] = 1000;
  const Result highest = Convert(params);
  params[0] = INT32_MAX;
  EXPECT_EQ(Convert(params), highest);
}

// A damaged record may hold a first point that does not start a stroke: it is copied as it
// is, and the passes take the point as the first of a stroke all the same.
TEST_F(ConversionTest, AFirstPointThatStartsNoStrokeConverts) {
  std::vector<ParamBlock> settings{SlotDefaults(0), SlotDefaults(2)};
  settings.push_back(SlotDefaults(0));
  settings.back()[356] = 1;  // the alternative linking
  settings.back()[7] = 3;
  for (int strokes : {1, 4, 13}) {
    for (size_t k = 0; k < settings.size(); ++k) {
      SCOPED_TRACE(testing::Message() << strokes << " strokes, settings " << k);
      source->SetCount(0);
      AddAwkwardCharacter(*source, strokes, uint32_t(strokes + 5 * k));
      source->m_pFlags[0] = 0;
      dest->m_param = settings[k];
      RunConversionPasses(*dest, *source, 1);
      EXPECT_EQ(dest->m_pFlags[0], 0) << "copied as it is";
      const Result r = Convert(settings[k]);
      EXPECT_EQ(r.returned, 1);
      EXPECT_TRUE(AllPointsFinite(*dest));
      EXPECT_GT(dest->GetCount(), 0);
      for (int i = 0; i < dest->GetCount(); ++i) ASSERT_GE(dest->m_pWidths[i], 1) << i;
    }
  }
}

// A tree radical and a stroke up to its right (the form the rewrite takes).
void AddTree(CStrokeWork& path) {
  Fill(path, {{50, 0, 1}, {51, 50, 0}, {52, 100, 0},  //
              {48, 40, 1}, {30, 65, 0}, {10, 90, 0},  //
              {54, 40, 1}, {72, 65, 0}, {90, 90, 0},  //
              {70, 20, 1}, {80, 20, 0}});
}

TEST_F(ConversionTest, TheThreeSegmentRewriteStartsAtACursiveSumOfTen) {
  struct Case {
    int sum;
    int count;
    PathPoint seventh;
  };
  const Case cases[] = {
      {9, 11, {72, 65, 0}}, {10, 11, {50, 65, 0}}, {19, 11, {50, 65, 0}}, {20, 8, {80, 20, 0}}};
  AddTree(*source);
  for (const Case& c : cases) {
    dest->m_param = SlotDefaults(0);
    dest->m_param[0] = c.sum;
    dest->m_param[1] = 0;  // no resampling
    dest->m_param[317] = 0;  // no slant of the stroke form
    RunConversionPasses(*dest, *source, 1);
    ASSERT_EQ(dest->GetCount(), c.count) << c.sum;
    EXPECT_EQ(PointsOf(*dest)[7], c.seventh) << c.sum;
  }
}

TEST_F(ConversionTest, TheBrushVeinSetsTheResamplingSpacing) {
  struct Case {
    int vein;
    float spacing;
    int count;
  };
  const Case cases[] = {{0, 0, 13}, {1, 0.5f, 97}, {2, 0.5f, 97}, {3, 0.75f, 65}, {8, 2, 25}};
  AddLine(*source, {0, 0}, {48, 0}, 12);
  for (const Case& c : cases) {
    ParamBlock params = SlotDefaults(0);
    params[1] = c.vein;
    EXPECT_EQ(ResamplingSpacing(params), c.spacing) << c.vein;
    dest->m_param = params;
    RunConversionPasses(*dest, *source, 1);
    ASSERT_EQ(dest->GetCount(), c.count) << c.vein;
    if (c.spacing > 0) {
      EXPECT_NEAR(dest->m_pPoints[1].x - dest->m_pPoints[0].x, c.spacing, 1e-5) << c.vein;
    }
  }
}

TEST_F(ConversionTest, EachUnitOfStrokesGetsAnOverlayMark) {
  AddLine(*source, {10, 10}, {60, 60}, 20);
  AddLine(*source, {60, 10}, {10, 60}, 20);  // crossing the first: one unit
  AddLine(*source, {300, 10}, {350, 60}, 20);
  Convert(SlotDefaults(0));
  ASSERT_EQ(gAnalysisOverlay.m_nCount, 2);
  EXPECT_EQ(gAnalysisOverlay.m_marks[0].parts[0].first, 0);
  EXPECT_EQ(gAnalysisOverlay.m_marks[1].parts[0].last, dest->GetCount() - 1);
  EXPECT_EQ(gAnalysisOverlay.m_runStarts, (std::vector<int>{2}));
}

TEST_F(ConversionTest, FeatureMarkersAreShownOnlyWhenAskedFor) {
  AddLine(*source, {10, 10}, {60, 60}, 20);
  AddLine(*source, {300, 10}, {350, 60}, 20);
  ParamBlock params = SlotDefaults(0);
  EXPECT_TRUE(Convert(params).markerCodes.empty());
  params[361] = 1;
  EXPECT_EQ(Convert(params).markerCodes, (std::vector<int>{1033, 1033}));
  EXPECT_FALSE(gMarkers.IsPosting());
  EXPECT_EQ(gMarkers.m_points[1], dest->m_pPoints[dest->GetCount() / 2]);
}

TEST_F(ConversionTest, FeatureFlagsHaveTheirMarkerCodes) {
  const std::pair<int, int> cases[] = {{0, 0},     {1, 1033},  {3, 1034},  {22, 1035}, {'B', 1037}, {'C', 1037},
                                       {'E', 1037}, {5, 1041}, {21, 1041}, {25, 1041}, {26, 1041}, {2, 1039},
                                       {62, 1039}, {255, 1039}};
  for (auto [flag, code] : cases) EXPECT_EQ(FeatureMarkerCode(uint8_t(flag)), code) << flag;
}

// A loop written right to left through its own first leg (see the loop marks' tests).
void AddLoop(CStrokeWork& path) {
  auto add = [&](float x, float y) { path.AddPointUnique(x, y, path.GetCount() == 0 ? 1 : 0, 1); };
  for (int x = 80; x >= 20; x -= 5) add(float(x), 50);
  for (int y = 45; y >= 10; y -= 5) add(20, float(y));
  for (int x = 25; x <= 50; x += 5) add(float(x), 10);
  add(52, 10);
  for (int y = 12; y <= 87; y += 5) add(52, float(y));
}

TEST_F(ConversionTest, LoopsKeepTheirKeptPointsThroughTheConversion) {
  AddLoop(*source);
  Convert(SlotDefaults(0));
  std::vector<int> kept;
  for (int i = 0; i < dest->GetCount(); ++i) {
    if (dest->m_pFlags[i] != 0 && dest->m_pFlags[i] != 1) kept.push_back(dest->m_pFlags[i]);
  }
  // Between its entry and exit the loop turns from leftwards to upwards and from
  // rightwards to downwards, across the diagonal; its turn from upwards to rightwards
  // stays on one side of it. The main linking writes the turn up and to the left as two
  // movements ('B' before it, 'C' after it) and the second turn as the start of the run
  // the climb leads into ('E').
  EXPECT_EQ(kept, (std::vector<int>{62, 'B', 'C', 'E', 63}));
}

TEST_F(ConversionTest, GeneratedCharactersConvertSafely) {
  std::vector<ParamBlock> settings;
  for (int slot : {0, 2}) settings.push_back(SlotDefaults(slot));
  ParamBlock strong = SlotDefaults(0);
  strong[0] = 12;
  strong[1] = 30;
  strong[7] = 6;
  strong[11] = 4;
  strong[361] = 1;
  strong[84] = 2;
  strong[86] = 80;
  strong[87] = 120;
  strong[88] = 1;
  strong[89] = 30;
  strong[32] = strong[33] = 150;
  settings.push_back(strong);
  ParamBlock extreme = SlotDefaults(0);
  extreme[0] = 1 << 30;
  extreme[1] = -7;
  extreme[3] = -5;
  extreme[4] = -100;
  extreme[7] = 1 << 30;
  extreme[80] = 1;
  extreme[81] = 1;
  extreme[82] = 1 << 30;
  settings.push_back(extreme);

  for (int strokes = 1; strokes <= 40; strokes += 3) {
    for (size_t s = 0; s < settings.size(); ++s) {
      source->SetCount(0);
      AddAwkwardCharacter(*source, strokes, uint32_t(strokes * 31 + s));
      const auto before = PointsOf(*source);
      const Result r = Convert(settings[s]);
      SCOPED_TRACE(testing::Message() << strokes << " strokes, settings " << s);
      EXPECT_EQ(r.returned, 1);
      EXPECT_TRUE(AllPointsFinite(*dest));
      EXPECT_GT(dest->GetCount(), 0);
      EXPECT_LE(dest->GetCount(), dest->GetCapacity());
      EXPECT_EQ(source->m_param, settings[s]);
      EXPECT_EQ(PointsOf(*source), before);
      ParamBlock converted = settings[s];
      converted[400] = 1;
      EXPECT_EQ(dest->m_param, converted);
      for (int i = 0; i < dest->GetCount(); ++i) ASSERT_GE(dest->m_pWidths[i], 1) << i;
      EXPECT_EQ(gUnitPassActive, 0);
      EXPECT_FALSE(gMarkers.IsPosting());
    }
  }
}

// A damaged file can put strokes at both ends of the coordinate range: a large stroke, a
// small one beside it and one at the far corner, whose centres lie 2^32 apart.
TEST_F(ConversionTest, StrokesAtBothEndsOfTheCoordinateRangeConvert) {
  AddLine(*source, {-2.1e9f, -2.1e9f}, {-2.0e9f, -2.0e9f}, 4);
  AddLine(*source, {-2.0e9f, -2.0e9f}, {-2.0e9f + 2, -2.0e9f + 2}, 2);
  AddLine(*source, {2.1e9f, 2.1e9f}, {2.1e9f + 2, 2.1e9f + 2}, 2);
  ParamBlock params = SlotDefaults(0);
  params[1] = 0;  // no resampling: the strokes keep their few points
  EXPECT_EQ(Convert(params).returned, 1);
  EXPECT_TRUE(AllPointsFinite(*dest));
}

TEST_F(ConversionTest, NoStateLeaksFromOneConversionToTheNext) {
  ParamBlock params = SlotDefaults(0);
  params[361] = 1;
  params[7] = 3;
  AddAwkwardCharacter(*source, 12, 7);
  const Result x = Convert(params);
  source->SetCount(0);
  AddAwkwardCharacter(*source, 30, 99);
  const Result y = Convert(SlotDefaults(2));
  source->SetCount(0);
  AddAwkwardCharacter(*source, 12, 7);
  EXPECT_EQ(Convert(params), x);
  EXPECT_NE(y, x);
}

// Fills every slot of path past its count with values no conversion should ever read.
void Poison(CStrokeWork& path) {
  for (int i = path.GetCount(); i < path.GetCapacity(); ++i) {
    path.m_pPoints[i] = CFPoint(NAN, -1e30f);
    path.m_pFlags[i] = static_cast<uint8_t>(i % 2 ? 1 : 62);
    path.m_pAttrs[i] = 3;
    path.m_pWidths[i] = 0xEE;
    path.m_pRecords[i].v[0] = NAN;
  }
}

TEST_F(ConversionTest, PoisonPastTheCountChangesNoResult) {
  ParamBlock params = SlotDefaults(0);
  params[7] = 2;
  params[0] = 11;
  AddAwkwardCharacter(*source, 9, 5);
  const Result clean = Convert(params);
  {
    // The pooled scratch paths too.
    ScratchPath a(dest->GetCapacity());
    ScratchPath b(dest->GetCapacity());
    ScratchPath c(dest->GetCapacity());
    for (const ScratchPath* s : {&a, &b, &c}) Poison(**s);
  }
  Poison(*source);
  dest->SetCount(0);
  Poison(*dest);
  EXPECT_EQ(Convert(params), clean);
}

class FakeInk : public CTabletInk {
 public:
  explicit FakeInk(std::vector<CFPoint> points) : ink(std::move(points)) {}
  int InkPointCount() const override { return int(ink.size()); }
  void OffsetInk(CFPoint, int value) override { offsets.push_back(value); }
  void CopyInkToStrokes(CStrokeWork& path) override {
    path.SetCount(0);
    for (size_t k = 0; k < ink.size(); ++k) {
      path.AddSample(0, 0, 50, k == 0 ? 1 : 0);
      path.m_pPoints[path.m_nCount - 1] = ink[k];
    }
  }
  int ClearInk() override {
    ink.clear();
    ++clears;
    return 1;
  }
  std::vector<CFPoint> ink;
  std::vector<int> offsets;
  int clears = 0;
};

TEST_F(ConversionTest, MergedInkMovesOnPaperOnceAndComesOnlyOnce) {
  const tmb::Point origin = gWorkCanvas.m_ptOrigin;
  FakeInk ink({{100, 100}, {150, 100}});
  SetTabletInk(1, &ink);
  source->m_nWindow = 1;
  AddLine(*source, {10, 10}, {60, 10}, 5);
  ParamBlock params = SlotDefaults(0);
  params[47] = 1;  // no conversion: the merged source shows as it is
  Convert(params);
  // Only the ink comes from the screen: the character's own strokes are on paper already,
  // and moved by the origin too they would shift by (-32, -32) with every merge.
  ASSERT_NE(origin, (tmb::Point{0, 0}));
  const std::vector<PathPoint> merged{{10, 10, 1}, {20, 10, 0}, {30, 10, 0}, {40, 10, 0}, {50, 10, 0}, {60, 10, 0},
                                      {100.0f - origin.x, 100.0f - origin.y, 1},
                                      {150.0f - origin.x, 100.0f - origin.y, 0}};
  EXPECT_EQ(PointsOf(*source), merged);
  EXPECT_EQ(PointsOf(*dest), merged);
  EXPECT_EQ(ink.offsets, (std::vector<int>{-1}));
  EXPECT_EQ(ink.clears, 1);
  Convert(params);  // again: nothing moves and nothing doubles
  EXPECT_EQ(PointsOf(*source), merged);
}

TEST_F(ConversionTest, TheInkModeDecidesWhatBecomesOfTheInk) {
  FakeInk own({{1, 1}});
  FakeInk other({{5, 5}, {6, 6}});
  SetTabletInk(0, &own);
  SetTabletInk(1, &other);
  AddLine(*source, {10, 10}, {60, 10}, 5);
  ParamBlock params = SlotDefaults(0);
  params[47] = 1;
  gInkModes[0] = kInkLeave;
  Convert(params);
  EXPECT_EQ(source->GetCount(), 6);
  EXPECT_EQ(own.clears, 0);
  gInkModes[0] = kInkDiscard;
  Convert(params);
  EXPECT_EQ(source->GetCount(), 6);
  EXPECT_EQ(own.clears, 1);
  // A frame at its end takes the other window's ink.
  own.ink = {{1, 1}};
  gInkModes[0] = kInkMerge;
  source->m_nMorphState = 1;
  source->m_nMorphPercent = 100;
  Convert(params);
  EXPECT_EQ(source->GetCount(), 8);
  EXPECT_EQ(other.clears, 1);
  EXPECT_EQ(own.clears, 1);
}

class RecordingPartStore : public CharacterPartStore {
 public:
  int RegisterCharacterParts(int window, int mode) override {
    calls.push_back({window, mode});
    return 1;
  }
  std::vector<std::pair<int, int>> calls;
};

TEST_F(ConversionTest, TheCharacterPartsGoToTheStoreWhenAskedFor) {
  RecordingPartStore store;
  SetCharacterPartStore(&store);
  FakeInk ink({{1, 1}, {2, 2}, {3, 3}});
  SetTabletInk(1, &ink);
  gInkModes[1] = kInkLeave;
  source->m_nWindow = 1;
  AddLine(*source, {10, 10}, {60, 10}, 5);
  ParamBlock params = SlotDefaults(0);
  Convert(params);
  EXPECT_TRUE(store.calls.empty());
  params[334] = 1;
  Convert(params);
  EXPECT_EQ(store.calls, (std::vector<std::pair<int, int>>{{1, 3}}));
}

TEST_F(ConversionTest, TheChainIsOneOrderedTableOfNamedStages) {
  std::set<std::string> names;
  bool driverSeen = false;
  for (const ConversionStage& stage : ConversionChain()) {
    ASSERT_NE(stage.name, nullptr);
    EXPECT_TRUE(names.insert(stage.name).second) << stage.name;
    ASSERT_NE(stage.run, nullptr) << stage.name;
    if (stage.part == ChainPart::kDriver) driverSeen = true;
    EXPECT_FALSE(stage.part == ChainPart::kPassManager && driverSeen) << stage.name;
  }
  for (const char* later : {"stroke features", "stroke bow", "box sides", "stroke extension", "stroke form",
                            "link points", "link point removal", "link decision", "direction changes",
                            "main linking", "end trimming", "stroke widths"}) {
    EXPECT_EQ(names.count(later), 1u) << later;
  }
}

TEST_F(ConversionTest, ScratchPathsAreKeptForTheNextConversion) {
  AddAwkwardCharacter(*source, 10, 3);
  ParamBlock params = SlotDefaults(0);
  params[7] = 2;
  params[0] = 10;
  Convert(params);
  const int pooled = PooledScratchPathCount();
  EXPECT_GT(pooled, 0);
  Convert(params);
  EXPECT_EQ(PooledScratchPathCount(), pooled);
}

}  // namespace
