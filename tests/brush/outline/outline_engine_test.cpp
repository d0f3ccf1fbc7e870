#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "brush/outline/character_converter.h"
#include "brush/outline/ink_handler.h"
#include "brush/outline/outline_document.h"
#include "brush/outline/outline_state.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_work.h"
#include "core/state/animation_flags.h"
#include "platform/service/wait_cursor.h"
#include "support/brush_fixture.h"
#include "support/recorded_character.h"

namespace {

using tmb::Point;
using tmb::test::AddLine;
using tmb::test::LevelsOf;
using tmb::test::PointsOf;

constexpr Point kTampered{-999, -999};

// The working points and flags as bytes, to compare builds exactly.
std::vector<uint8_t> BytesOf(const CCharData& rec) {
  std::vector<uint8_t> bytes(size_t(rec.m_nPoints) * (sizeof(Point) + 1));
  std::memcpy(bytes.data(), rec.m_pPoints.get(), size_t(rec.m_nPoints) * sizeof(Point));
  std::memcpy(bytes.data() + size_t(rec.m_nPoints) * sizeof(Point), rec.m_pFlags.get(), size_t(rec.m_nPoints));
  return bytes;
}

class OutlineEngineTest : public tmb::test::BrushEngineTest {
 protected:
  void SetUp() override {
    BrushEngineTest::SetUp();
    tmb::test::AppendRecordedCharacter(*drawn);
  }
  // Builds, then marks the first working point so that a later build shows whether it
  // prepared the points again.
  void BuildAndTamper() {
    work->BuildOutline(*drawn);
    ASSERT_EQ(drawn->m_nOutlineDirty, 0);
    work->m_pPoints[0] = kTampered;
  }
  bool Rebuilt() const { return work->m_pPoints[0] != kTampered; }
};

TEST_F(OutlineEngineTest, LevelParametersLeaveTheWorkingPointsByteIdentical) {
  work->BuildOutline(*drawn);
  const std::vector<uint8_t> points = BytesOf(*work);
  const std::vector<int> levels = LevelsOf(*drawn, work->m_nPoints);
  ASSERT_GT(work->m_nPoints, 500);
  struct Change {
    int param;
    int value;
  };
  const Change changes[] = {{2, 30}, {3, 25}, {4, 30}, {13, 0}, {13, 1}, {14, 3},  {31, 9},
                            {39, 1}, {42, 1}, {43, 1}, {49, 4}, {113, 60}, {114, 0}};
  for (const Change& c : changes) {
    const int saved = drawn->m_param[c.param];
    drawn->m_param[c.param] = c.value;
    work->BuildOutline(*drawn);
    EXPECT_EQ(BytesOf(*work), points) << "parameter " << c.param;
    drawn->m_param[c.param] = saved;
  }
  drawn->m_param[3] = 25;
  work->BuildOutline(*drawn);
  EXPECT_NE(LevelsOf(*drawn, work->m_nPoints), levels);
}

TEST_F(OutlineEngineTest, WidthSliderRecomputesLevelsWithoutPreparingThePoints) {
  BuildAndTamper();
  const std::vector<int> before = LevelsOf(*drawn, work->m_nPoints);
  drawn->m_param[3] = 30;
  work->BuildOutline(*drawn);
  EXPECT_FALSE(Rebuilt());
  EXPECT_NE(LevelsOf(*drawn, work->m_nPoints), before);
  // New pen input prepares them again.
  drawn->m_nOutlineDirty = 1;
  work->BuildOutline(*drawn);
  EXPECT_TRUE(Rebuilt());
  EXPECT_EQ(drawn->m_nOutlineDirty, 0);
}

TEST_F(OutlineEngineTest, EveryParameterThePreparationReadsRebuildsWhenChangedAlone) {
  const int rebuildParams[] = {0,  6,  11, 12, 9,  1,   8,   17,  18,  215, 216, 27,  28,  29,  26,  22,  47, 111,
                               80, 84, 88, 90, 19, 20, 213, 214, 44,  45,  48,  37,  210, 211, 212, 230, 234};
  for (int p : rebuildParams) {
    SCOPED_TRACE(p);
    ResetOutlineEngine();
    drawn->m_nOutlineDirty = 1;
    BuildAndTamper();
    const int saved = drawn->m_param[p];
    drawn->m_param[p] = saved + 1;
    work->BuildOutline(*drawn);
    EXPECT_TRUE(Rebuilt());
    drawn->m_param[p] = saved;
  }
}

TEST_F(OutlineEngineTest, MoveIsAppliedOnceHoweverOftenTheOutlineIsBuilt) {
  work->BuildOutline(*drawn);
  const std::vector<Point> unmoved = PointsOf(*work);
  drawn->m_param[80] = 1;
  drawn->m_param[82] = 10;
  drawn->m_param[83] = -5;
  for (int call = 0; call < 3; ++call) {
    work->BuildOutline(*drawn);
    ASSERT_EQ(work->m_nPoints, int(unmoved.size()));
    for (size_t i = 0; i < unmoved.size(); ++i) {
      ASSERT_EQ(work->m_pPoints[i], (Point{unmoved[i].x + 10, unmoved[i].y - 5})) << "call " << call << " point " << i;
    }
  }
}

TEST_F(OutlineEngineTest, ShortRecordIsOnlyPrepared) {
  drawn->ClearPoints();
  AddLine(*drawn, {10, 10}, 3, 0, 2);
  drawn->m_pLevels[0] = 99;
  work->BuildOutline(*drawn);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{10, 10}, {12, 10}}));  // resampled at step 2
  EXPECT_EQ(drawn->m_pLevels[0], 99);
  EXPECT_EQ(drawn->m_nOutlineDirty, 1);
  drawn->m_param[200] = 1;
  work->BuildOutline(*drawn);
  EXPECT_NE(drawn->m_pLevels[0], 99);
  EXPECT_EQ(drawn->m_nOutlineDirty, 0);
}

TEST_F(OutlineEngineTest, ShortRecordKeepsNoGapPoints) {
  drawn->ClearPoints();
  tmb::test::AddStroke(*drawn, {{10, 10}});
  tmb::test::AddStroke(*drawn, {{50, 10}});
  work->BuildOutline(*drawn);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{10, 10}, {50, 10}}));
}

TEST_F(OutlineEngineTest, NoGapPointOutlivesTheRebuild) {
  ASSERT_EQ(drawn->m_param[11], 4);
  work->BuildOutline(*drawn);
  ASSERT_GT(work->m_nPoints, 0);
  for (int i = 0; i < work->m_nPoints; ++i) ASSERT_NE(work->m_pFlags[i], 255) << i;
  EXPECT_EQ(tmb::test::StrokeStartsOf(*work).size(), size_t(tmb::test::kRecordedStrokeCount));
}

TEST_F(OutlineEngineTest, OneSegmentDipIsLevelled) {
  // Only the level formula: style 0, W 15, M 70 gives 5 for 2 px, 4 for 3 px, 0 for 7 px.
  for (int p : {0, 9, 11, 13, 14, 22, 42, 113}) drawn->m_param[p] = 0;
  drawn->m_param[13] = 1;
  drawn->m_param[39] = 0;
  struct Case {
    std::vector<int> xs;
    std::vector<int> levels;
  };
  const Case cases[] = {
      {{0, 2, 4, 7, 9, 11}, {5, 5, 5, 5, 5}},  // a one-level dip is levelled
      {{0, 2, 4, 11, 13, 15}, {5, 5, 0, 5, 5}},  // a deep one stays
  };
  for (const Case& c : cases) {
    drawn->ClearPoints();
    for (size_t k = 0; k < c.xs.size(); ++k) {
      tmb::test::AddStroke(*drawn, {{c.xs[k], 0}});
      if (k > 0) drawn->m_pFlags[k] = 0;
    }
    drawn->m_nOutlineDirty = 1;
    work->BuildOutline(*drawn);
    EXPECT_EQ(LevelsOf(*drawn, int(c.levels.size())), c.levels);
  }
}

class RecordingConverter : public CharacterConverter {
 public:
  int ConvertCharacter(CStrokeWork& dest, CStrokeWork& source) override {
    ++calls;
    dest.SetCount(0);
    for (int i = 0; i < points; ++i) dest.AppendPoint(i % 400, i / 400, i % 50 == 0 ? 1 : 0);
    params37 = dest.m_param[37];
    (void)source;
    return 1;
  }
  int calls = 0;
  int points = 30;
  int params37 = -1;
};

TEST_F(OutlineEngineTest, ConversionStylesTakeTheConvertedCharacter) {
  RecordingConverter converter;
  SetCharacterConverter(&converter);
  drawn->m_param[37] = 300;
  drawn->m_pLevels[0] = 99;
  work->BuildOutline(*drawn);
  EXPECT_EQ(converter.calls, 1);
  EXPECT_EQ(converter.params37, 300);
  EXPECT_EQ(work->m_nPoints, 30);
  EXPECT_EQ(work->m_pPoints[29], (Point{29, 0}));
  EXPECT_EQ(drawn->m_pLevels[0], 99);  // no levels for a converted character
  EXPECT_EQ(drawn->m_nOutlineDirty, 0);
  EXPECT_EQ(drawn->m_bConverted, 1);
  EXPECT_EQ(drawn->m_nPoints, 2000);  // without ink the drawn points stay
}

TEST_F(OutlineEngineTest, TheConversionRoadRunsTheConversionDriver) {
  drawn->ClearPoints();
  tmb::test::AddStroke(*drawn, {{10, 10}, {20, 15}, {30, 30}});
  tmb::test::AddStroke(*drawn, {{60, 10}, {60, 40}});
  drawn->m_param[37] = 400;
  work->BuildOutline(*drawn);

  CStrokeWork source;
  CStrokeWork converted;
  drawn->ToStrokeWork(source);
  drawn->CopySettingsToWork(converted);
  ASSERT_EQ(converted.ConvertCharacter(source), 1);
  auto expected = std::make_unique<CCharDataFull>();
  expected->FromStrokePathDedup(converted, nullptr);
  EXPECT_EQ(PointsOf(*work), PointsOf(*expected));
  EXPECT_EQ(tmb::test::FlagsOf(*work), tmb::test::FlagsOf(*expected));
  EXPECT_NE(work->m_nPoints, drawn->m_nPoints);  // resampled along the strokes
  EXPECT_EQ(drawn->m_bConverted, 1);
}

TEST_F(OutlineEngineTest, ConversionsAgainGiveTheSameWorkingRecord) {
  drawn->m_param[37] = 400;
  work->BuildOutline(*drawn);
  const auto first = BytesOf(*work);
  auto other = std::make_unique<CCharDataFull>();
  other->ClearPoints();
  tmb::test::SetBrushDefaults(*other);
  other->m_param[37] = 400;
  tmb::test::AddStroke(*other, {{5, 5}, {300, 300}});
  work->BuildOutline(*other);  // the kept work paths hold another character in between
  work->BuildOutline(*drawn);
  EXPECT_EQ(BytesOf(*work), first);
}

class RecordingInk : public CInkHandler {
 public:
  void SetCollectorFlag(int on) override { switches.push_back(on); }
  std::vector<int> switches;
};

TEST_F(OutlineEngineTest, ASwitchedOffConversionShowsTheCharacterAsDrawn) {
  RecordingInk ink;
  SetCurrentInkHandler(&ink);
  drawn->ClearPoints();
  tmb::test::AddStroke(*drawn, {{10, 10}, {20, 15}, {30, 30}});
  tmb::test::AddStroke(*drawn, {{60, 10}, {60, 10}, {60, 40}});  // a repeated pen sample
  for (int i = 0; i < 6; ++i) drawn->m_pPressure[i] = 10 * i;
  const std::vector<Point> asDrawn = PointsOf(*drawn);
  drawn->m_param[37] = 400;
  drawn->m_param[47] = 1;  // pen mode switches the conversion off
  gWorkCanvas.m_bInkActive = 1;
  work->BuildOutline(*drawn);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{10, 10}, {20, 15}, {30, 30}, {60, 10}, {60, 40}}));
  // The conversion road was taken, and the ink collector is off as after any conversion;
  // but the unchanged copy, without the repeated point, is not written over the drawn
  // record, whose pressures would then belong to other points.
  EXPECT_EQ(drawn->m_bConverted, 1);
  EXPECT_EQ(ink.switches, (std::vector<int>{0}));
  EXPECT_EQ(PointsOf(*drawn), asDrawn);
  EXPECT_EQ(drawn->m_pPressure[5], 50);
  SetCurrentInkHandler(nullptr);
}

TEST_F(OutlineEngineTest, AnimationFramesInProgressAreConverted) {
  struct Case {
    int state, percent, mode;
    bool converted;
  };
  const Case cases[] = {
      {0, 50, 0, false}, {1, 50, 0, true}, {1, 0, 0, false}, {1, 0, -1, true}, {1, 100, 0, false}, {1, 100, 1, true},
  };
  for (const Case& c : cases) {
    RecordingConverter converter;
    SetCharacterConverter(&converter);
    drawn->m_flags[kFlagMorphState] = c.state;
    drawn->m_flags[kFlagMorphPercent] = c.percent;
    gAnimationMode = c.mode;
    work->BuildOutline(*drawn);
    EXPECT_EQ(converter.calls, c.converted ? 1 : 0) << c.state << " " << c.percent << " " << c.mode;
  }
}

TEST_F(OutlineEngineTest, OversizedConversionIsCutAtTheRecordsCapacity) {
  RecordingConverter converter;
  converter.points = 20000;
  SetCharacterConverter(&converter);
  drawn->m_param[37] = 400;
  work->BuildOutline(*drawn);
  EXPECT_EQ(work->m_nPoints, kMaxCharPoints);
  EXPECT_EQ(messages.CountOf(62045), 1);
}

TEST_F(OutlineEngineTest, ConversionWithInkSwitchesTheCollectorOffAndKeepsTheResult) {
  RecordingConverter converter;
  SetCharacterConverter(&converter);
  RecordingInk ink;
  SetCurrentInkHandler(&ink);
  gWorkCanvas.m_bInkActive = 1;
  drawn->m_param[37] = 300;
  work->BuildOutline(*drawn);
  EXPECT_EQ(ink.switches, (std::vector<int>{0}));
  EXPECT_EQ(drawn->m_nPoints, 30);
  EXPECT_EQ(PointsOf(*drawn), PointsOf(*work));
}

class CountingCursor : public tmb::CursorService {
 public:
  void BeginWait() override { ++begun; }
  void EndWait() override { ++ended; }
  int begun = 0;
  int ended = 0;
};

TEST_F(OutlineEngineTest, WaitCursorOnlyForHighCursiveDegrees) {
  CountingCursor cursor;
  tmb::SetCursorService(&cursor);
  drawn->m_param[0] = 100;
  work->BuildOutline(*drawn);
  EXPECT_EQ(cursor.begun, 0);
  drawn->m_param[0] = 101;
  work->BuildOutline(*drawn);
  EXPECT_EQ(cursor.begun, 1);
  EXPECT_EQ(cursor.ended, 1);
  work->BuildOutline(*drawn);  // nothing to prepare
  EXPECT_EQ(cursor.begun, 1);
}

TEST_F(OutlineEngineTest, ShapingRunsInTheDocumentsFloatBuffer) {
  drawn->m_param[11] = 0;  // no gap points, so the buffer matches the points one to one
  std::vector<CFPoint> buffer(kMaxCharPoints, CFPoint{-1, -1});
  COutlineDocument doc{buffer.data(), nullptr};
  work->BuildOutline(*drawn, &doc);
  EXPECT_EQ(doc.m_pSourceRecord, drawn.get());
  ASSERT_GT(work->m_nPoints, 0);
  for (int i = 0; i < work->m_nPoints; ++i) ASSERT_EQ(buffer[size_t(i)].RoundToPoint(), work->m_pPoints[i]) << i;
}

TEST_F(OutlineEngineTest, PenModeFollowsTheRawInput) {
  drawn->m_param[47] = 1;
  drawn->m_pLinks[5] = 7;
  work->BuildOutline(*drawn);
  EXPECT_EQ(PointsOf(*work), PointsOf(*drawn));
  EXPECT_EQ(drawn->m_pLinks[5], 7);  // no link flagging
  for (int i = 0; i + 1 < work->m_nPoints; ++i) ASSERT_GE(drawn->m_pLevels[i], 1) << i;
}

}  // namespace
