// The stepping of an animation frame: eased percentages, the blends between A and B, the
// frame's record set up in a copy, and values from damaged files held in range.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/path/path_sequence.h"
#include "core/record/char_data_full.h"
#include "core/state/animation_flags.h"
#include "export/animation/animation_params.h"
#include "export/animation/animation_step.h"
#include "export/animation/frame_interpolation.h"
#include "export/animation/frame_output.h"
#include "support/temp_dir.h"

namespace {

struct PercentCase {
  int frame, frames, acceleration, decelerate, percent;
};

TEST(FramePercent, EasesBetweenTheEndsOnly) {
  const PercentCase cases[] = {
      {0, 2, 0, 0, 0},    {1, 2, 0, 0, 100},  {0, 2, 30, 0, 0},   {1, 2, 30, 1, 100},  // two frames: the ends
      {5, 11, 0, 0, 50},  {5, 11, 10, 0, 25}, {5, 11, 10, 1, 75}, {5, 11, 30, 1, 93},
      {10, 11, 30, 0, 100}, {3, 7, 0, 0, 50},
  };
  for (const PercentCase& c : cases) {
    ParamBlock params{};
    params[kAnimAcceleration] = c.acceleration;
    params[kAnimDecelerate] = c.decelerate;
    EXPECT_EQ(FramePercent(c.frame, c.frames, EasingExponent(params)), c.percent)
        << c.frame << " of " << c.frames << ", " << c.acceleration << (c.decelerate ? " decelerating" : "");
  }
}

TEST(FramePercent, FrameCountsAndFramesFromDamagedFilesStayInRange) {
  for (int frames : {-5, 0, 1, 2, 1000, 5000}) {
    for (int frame : {-1, 0, 1, 150, 999, 100000}) {
      const int p = FramePercent(frame, frames, 1.5);
      EXPECT_GE(p, 0);
      EXPECT_LE(p, 100);
    }
  }
  EXPECT_EQ(FramePercent(150, 101, 0), 100);
}

TEST(Interpolate, HalvesGoAwayFromZeroAndColoursBlendPerChannel) {
  EXPECT_EQ(InterpolateInt(0, 3, 1, 2, 0.0, 0), 2);
  EXPECT_EQ(InterpolateInt(0, -3, 1, 2, 0.0, 0), -2);
  EXPECT_EQ(InterpolateInt(7, 100, 1, 0, 0.0, 0), 7);  // no span: the start
  EXPECT_EQ(InterpolateInt(0, 10, 0, 1, 0.25, 2.0), 3);  // eased: t rules
  EXPECT_EQ(InterpolateColour(0x0000FF, 0xFF0000, 0.25), 0x4000BFu);
  EXPECT_EQ(InterpolateColour(0x123456, 0x123456, 0.7), 0x123456u);
}

TEST(Interpolate, RecordsBlendBrushValuesAndReportColourChanges) {
  ParamBlock a{}, b{}, out{};
  a[0] = 10;
  b[0] = 20;
  a[241] = 0;
  b[241] = 100;
  a[151] = 0xFFFFFF;
  b[151] = 0x000000;
  EXPECT_EQ(InterpolateRecords(out, a, b, 1, 2, 0), 1);
  EXPECT_EQ(out[0], 15);
  EXPECT_EQ(out[241], 50);
  EXPECT_EQ(out[151], 0x808080);
  EXPECT_EQ(InterpolateRecords(out, a, b, 1, 2, 0), 0);  // the same colours again
}

TEST(Interpolate, SwitchedValuesFollowA) {
  ParamBlock a{}, b{}, out{};
  out[210] = 9;
  a[211] = 1;  // on in A, off in B: the value goes
  out[17] = 4;  // off in both: left alone
  EXPECT_EQ(MergeSwitchedValues(out, a, b), 1);
  EXPECT_EQ(out[210], 0);
  EXPECT_EQ(out[211], 1);
  EXPECT_EQ(out[17], 4);
}

// A view that keeps what each frame's record held.
class RecordingView final : public AnimationFrameView {
 public:
  RecordingView() { picture.Create(8, 8, tmb::PixelFormat::kColour32); }
  bool PaintFrame(tmb::DeviceContext&, CCharDataFull& frame) override {
    percents.push_back(frame.m_flags[kFlagMorphPercent]);
    params.push_back(frame.m_param);
    points.push_back(frame.m_nPoints);
    modes.push_back(gAnimationMode);
    derived.push_back(frame.m_bDerived);
    return true;
  }
  const tmb::Surface& Picture() const override { return picture; }

  tmb::Surface picture;
  std::vector<int> percents, points, modes, derived;
  std::vector<ParamBlock> params;
};

class StepFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto* r : {record.get(), b.get()}) r->ClearPoints();
    record->m_nPoints = 3;
    b->m_nPoints = 5;
    records = {record.get(), record.get(), b.get(), record.get(), b.get()};
    surface.Create(8, 8, tmb::PixelFormat::kColour32);
  }
  int Step(int frame, int frames, int single = 0) {
    int changed = 0;
    return StepReporting(frame, frames, changed, single);
  }
  int StepReporting(int frame, int frames, int& changed, int single = 0) {
    return StepAnimationFrame(view, dc, frame, frames, 0, 1, 7, records, 0, single, changed);
  }

  std::unique_ptr<CCharDataFull> record = std::make_unique<CCharDataFull>();
  std::unique_ptr<CCharDataFull> b = std::make_unique<CCharDataFull>();
  CAnimationRecords records;
  RecordingView view;
  tmb::Surface surface;
  tmb::DeviceContext dc{&surface};
};

TEST_F(StepFixture, MedianBarRunsUpToItsMedianAndBack) {
  record->m_param[64] = 1;
  record->m_param[65] = 40;
  record->m_param[0] = 77;
  for (int frame : {1, 2, 4}) ASSERT_EQ(Step(frame, 5), 1);  // 25, 50 and 100 %
  ASSERT_EQ(view.percents, (std::vector<int>{25, 50, 100}));
  EXPECT_EQ(view.params[0][0], 20);
  EXPECT_EQ(view.params[1][0], 40);
  EXPECT_EQ(view.params[2][0], 0);
}

TEST_F(StepFixture, TransitionStyleChoiceZeroLeavesTheStyle) {
  record->m_param[kAnimStyle] = 9;
  record->m_param[kAnimStyleChoice] = 0;
  for (int frame : {0, 2, 4}) ASSERT_EQ(Step(frame, 5), 1);
  for (const ParamBlock& p : view.params) EXPECT_EQ(p[kAnimStyle], 9);
  view.params.clear();
  record->m_param[kAnimStyleChoice] = 2;  // 草書
  for (int frame : {0, 2, 4}) ASSERT_EQ(Step(frame, 5), 1);
  EXPECT_EQ(view.params[0][kAnimStyle], 9);  // the first frame is the record as it is
  EXPECT_EQ(view.params[1][kAnimStyle], 0);
  EXPECT_EQ(view.params[2][kAnimStyle], 7);  // the last takes the window's own style
}

TEST_F(StepFixture, TheLastFrameTakesBsPointsInACopyOnly) {
  record->m_param[kAnimMorphSwitch] = 1;
  record->m_param[kAnimWarpSwitch] = 1;
  b->m_param[151] = 0x0000FF;
  ASSERT_EQ(Step(4, 5), 1);
  EXPECT_EQ(view.points.back(), 5);
  EXPECT_EQ(view.params.back()[151], 0x0000FF);
  // The window's record is as it was.
  EXPECT_EQ(record->m_nPoints, 3);
  EXPECT_EQ(record->m_param[151], 0);
  EXPECT_EQ(record->m_flags[kFlagMorphPercent], 0);
}

TEST_F(StepFixture, DamagedFrameCountsAndSplitPositionsStepCleanly) {
  for (int frames : {0, 1}) {
    for (int frame : {0, 1, 5}) EXPECT_EQ(Step(frame, frames), 1);
  }
  record->m_param[kAnimSplitPercent] = 150;
  record->m_param[kAnimAcceleration] = 30;
  EXPECT_EQ(Step(0, 0, 1), 1);
  EXPECT_EQ(view.percents.back(), 100);
  for (int p : view.percents) {
    EXPECT_GE(p, 0);
    EXPECT_LE(p, 100);
  }
}

TEST_F(StepFixture, FramesOfARunWithSwfOnAreRecordedInThePathSequence) {
  record->m_param[kAnimSwf] = 1;
  record->m_param[kAnimBackAndForth] = 1;
  record->m_param[kAnimWarpSwitch] = 1;
  record->m_param[157] = 0x00FF00;  // colour B
  b->m_param[157] = 0x0000FF;
  const tmb::test::TempDir dir;  // the run's movie goes here, not into the current folder
  record->m_text[kTextFolder] = dir.path().string();
  ASSERT_EQ(gPlaybackOutput.Begin(*record, 3), 1);
  EXPECT_EQ(gFrameRecording, 1);
  EXPECT_EQ(gPathSequence.m_bBackAndForth, 1);
  for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(Step(frame, 3), 1);
  EXPECT_EQ(gPathSequence.m_nFrameCounter, 3);
  // The colours of each frame: A's at the start, B's at the end.
  EXPECT_EQ(gPathSequence.m_frames[0].colourB, 0x00FF00u);
  EXPECT_EQ(gPathSequence.m_frames[2].colourB, 0x0000FFu);
  EXPECT_EQ(gPlaybackOutput.End(record->m_param, dc, 3, 3), 1);
  EXPECT_EQ(gFrameRecording, 0);
  gPathSequence.FreePath();
}

// While the record asks for the morph reset, every frame keeps its morph state and draws
// with parameters 1, 8 and 9 at 0; without it the state is cleared and they stay.
TEST_F(StepFixture, TheMorphResetKeepsTheStateAndClearsThreeBrushValues) {
  record->m_param[kAnimMorphSwitch] = 1;
  for (int p : {1, 8, 9}) record->m_param[size_t(p)] = 40 + p;
  record->m_param[kAnimWarpSwitch] = 0;  // B's values do not blend in
  for (int p : {270, 271, 272}) record->m_param[size_t(p)] = 0;  // nor do the median bars
  struct StateView final : AnimationFrameView {
    StateView() { picture.Create(8, 8, tmb::PixelFormat::kColour32); }
    bool PaintFrame(tmb::DeviceContext&, CCharDataFull& frame) override {
      states.push_back(frame.m_flags[kFlagMorphState]);
      values.push_back({frame.m_param[1], frame.m_param[8], frame.m_param[9]});
      return true;
    }
    const tmb::Surface& Picture() const override { return picture; }
    tmb::Surface picture;
    std::vector<int> states;
    std::vector<std::vector<int>> values;
  };
  for (int reset : {1, 0}) {
    SCOPED_TRACE(reset);
    record->m_bMorphReset = reset;
    StateView shown;
    int changed = 0;
    for (int frame : {0, 2, 4}) ASSERT_EQ(StepAnimationFrame(shown, dc, frame, 5, 0, 1, 7, records, 0, 0, changed), 1);
    const std::vector<int> kept = reset ? std::vector<int>{1, 2, 2} : std::vector<int>{0, 0, 0};
    EXPECT_EQ(shown.states, kept);
    const std::vector<int> values = reset ? std::vector<int>{0, 0, 0} : std::vector<int>{41, 48, 49};
    for (const std::vector<int>& v : shown.values) EXPECT_EQ(v, values);
  }
  EXPECT_EQ(record->m_param[8], 48) << "the window's record keeps its values";
}

// The path sequence takes each frame's picture colour: its frame value, the shape colour
// of the frame's record.
TEST_F(StepFixture, EachRecordedFrameCarriesItsFrameValue) {
  const tmb::test::TempDir dir;
  record->m_text[kTextFolder] = dir.path().string();
  record->m_param[kAnimSwf] = 1;
  record->m_param[kAnimWarpSwitch] = 1;
  for (auto* r : {record.get(), b.get()}) r->m_param[170] = 3;  // one colour: parameter 156
  record->m_param[156] = 0x000000;
  b->m_param[156] = 0x0000C8;
  record->UpdateRangeFromMode();
  ASSERT_EQ(gPlaybackOutput.Begin(*record, 3), 1);
  for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(Step(frame, 3), 1);
  ASSERT_EQ(gPathSequence.m_nFrameCounter, 3);
  EXPECT_EQ(gPathSequence.m_frames[0].colour, 0x000000u);
  EXPECT_EQ(gPathSequence.m_frames[1].colour, 0x000064u);
  EXPECT_EQ(gPathSequence.m_frames[2].colour, 0x0000C8u);
  EXPECT_EQ(gPlaybackOutput.End(record->m_param, dc, 3, 3), 1);
  gPathSequence.FreePath();
}

TEST_F(StepFixture, FramesAreDrawnAsAnimationFramesAndTheModeEndsWithThem) {
  gAnimationMode = 0;
  for (int frame : {0, 2, 4}) ASSERT_EQ(Step(frame, 5), 1);
  EXPECT_EQ(view.modes, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(gAnimationMode, 0);
}

TEST_F(StepFixture, DerivedColoursAreReportedAtTheEndAndByEachWarpedColourChange) {
  struct Case {
    int derived, morph, warp, frame;
    int changed, frameDerived;
  } cases[] = {
      {1, 1, 0, 4, 1, 1},  // derived settings report at B
      {0, 1, 0, 4, 0, 0},
      {1, 0, 0, 4, 0, 1},  // no morph: nothing taken from B
      {1, 1, 0, 2, 0, 1},  // not yet at B
      {0, 0, 1, 2, 1, 1},  // a blended colour changed: the frame's settings are derived
  };
  b->m_param[151] = 0x0000FF;
  for (const Case& c : cases) {
    record->m_bDerived = c.derived;
    record->m_param[kAnimMorphSwitch] = c.morph;
    record->m_param[kAnimWarpSwitch] = c.warp;
    int changed = 0;
    ASSERT_EQ(StepReporting(c.frame, 5, changed), 1);
    EXPECT_EQ(changed, c.changed) << c.derived << c.morph << c.warp << c.frame;
    EXPECT_EQ(view.derived.back(), c.frameDerived) << c.derived << c.morph << c.warp << c.frame;
    // The animated record keeps the derivation for the frames after.
    EXPECT_EQ(record->m_bDerived, c.frameDerived) << c.derived << c.morph << c.warp << c.frame;
    EXPECT_EQ(record->m_param[151], 0) << "the colours change in the frame only";
  }
}

// Window B's own character animated from A: the last frame has B's colours, which its
// own blend no longer changes; that the frames before blended them is still reported.
TEST_F(StepFixture, TheLastFrameReportsTheColoursTheFramesBeforeIt) {
  auto a = std::make_unique<CCharDataFull>();
  a->ClearPoints();
  a->m_param[151] = 0x0000FF;
  records = {b.get(), a.get(), b.get(), b.get(), b.get()};
  b->m_param[kAnimMorphSwitch] = 1;
  b->m_param[kAnimWarpSwitch] = 1;
  int last = 0;
  ASSERT_EQ(StepReporting(4, 5, last), 1);
  EXPECT_EQ(last, 0) << "a run that starts at its last frame has nothing derived";
  int middle = 0;
  ASSERT_EQ(StepReporting(2, 5, middle), 1);
  EXPECT_EQ(middle, 1);
  last = 0;
  ASSERT_EQ(StepReporting(4, 5, last), 1);
  EXPECT_EQ(last, 1);
  EXPECT_EQ(b->m_param[151], 0);
}

// What the windows are told after each frame: the preview takes the frame whole, or only
// its written cells when the cell preview is on.
class RecordingWindows final : public AnimationWindows {
 public:
  RecordingWindows() { SetAnimationWindows(this); }
  ~RecordingWindows() override { SetAnimationWindows(nullptr); }
  void RefreshAfterFrame(int kind, CCharDataFull& frame, int cellPreview) override {
    kinds.push_back(kind);
    cellPreviews.push_back(cellPreview);
    points.push_back(frame.m_nPoints);
  }
  std::vector<int> kinds, cellPreviews, points;
};

TEST_F(StepFixture, ThePreviewIsToldOfEachFrameAndWhetherItTakesTheWrittenCells) {
  RecordingWindows windows;
  record->m_param[kAnimMorphSwitch] = 1;
  for (int cells : {0, 1}) {
    record->m_param[kAnimCellPreview] = cells;
    ASSERT_EQ(Step(2, 3), 1);
  }
  EXPECT_EQ(windows.cellPreviews, (std::vector<int>{0, 1}));
  EXPECT_EQ(windows.kinds, (std::vector<int>{0, 0}));
  EXPECT_EQ(windows.points, (std::vector<int>{5, 5})) << "the frame as it was drawn";
}

}  // namespace
