// Each of the 512 parameters in turn at the ends of what a record can hold and just past
// the ranges the settings give them, for small awkward characters: the conversion and the
// drawing of the converted character must neither crash nor hang, and leave finite points.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "brush/render/brush_state.h"
#include "core/record/param_defaults.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "core/state/animation_flags.h"
#include "support/brush_fixture.h"
#include "support/conversion_globals.h"
#include "support/scoped_work_canvas.h"

namespace {

constexpr int32_t kValues[] = {INT32_MIN, -1, 0, 1, 101, 1001, 65536, INT32_MAX};

using tmb::test::AddStroke;

// A dot, a resting pen, a stroke that doubles back on itself, and a plain one.
void AddAwkwardStrokes(CCharDataFull& rec) {
  AddStroke(rec, {{40, 40}});
  AddStroke(rec, {{60, 60}, {60, 60}, {60, 60}, {60, 60}});
  AddStroke(rec, {{20, 100}, {60, 100}, {100, 100}, {60, 100}, {20, 100}, {60, 101}});
  AddStroke(rec, {{30, 150}, {50, 160}, {80, 170}, {110, 190}, {130, 200}});
}

void AddOnePoint(CCharDataFull& rec) { AddStroke(rec, {{100, 120}}); }

void AddEqualPoints(CCharDataFull& rec) {
  for (int k = 0; k < 3; ++k) AddStroke(rec, {{90, 90}, {90, 90}, {90, 90}, {90, 90}, {90, 90}});
}

struct Character {
  const char* name;
  void (*add)(CCharDataFull&);
};
const Character kCharacters[] = {{"empty", [](CCharDataFull&) {}},
                                 {"awkward", AddAwkwardStrokes},
                                 {"one point", AddOnePoint},
                                 {"equal points", AddEqualPoints}};

bool AllFinite(const CStrokeWork& path) {
  for (int i = 0; i < path.GetCount(); ++i) {
    if (!std::isfinite(path.m_pPoints[i].x) || !std::isfinite(path.m_pPoints[i].y)) return false;
  }
  return true;
}

class ParameterExtremes : public ::testing::Test {
 protected:
  void SetUp() override { tmb::test::ResetConversionGlobals(); }
  void TearDown() override {
    gBrushStates[0].Reset();
    gPathSequence.FreePath();
    gFrameRecording = 0;
    tmb::test::ResetConversionGlobals();
  }

  void ConvertAndDraw(const std::string& what) {
    SCOPED_TRACE(what);
    rec->ToStrokeWork(*source);
    rec->CopySettingsToWork(*converted);
    converted->ConvertCharacter(*source);
    ASSERT_LE(converted->GetCount(), converted->GetCapacity());
    EXPECT_TRUE(AllFinite(*converted));
    converted->m_nWindow = 0;
    converted->SelectBrushState(nullptr);
    converted->m_drawFlags[0] = 0;
    converted->DrawCharacter(&canvas.screen, 0, -1, *source);
  }

  tmb::test::ScopedWorkCanvas canvas{200, 240};
  std::unique_ptr<CCharDataFull> rec = std::make_unique<CCharDataFull>();
  std::unique_ptr<CStrokeWork> source = std::make_unique<CStrokeWork>();
  std::unique_ptr<CStrokeWork> converted = std::make_unique<CStrokeWork>();
};

TEST_F(ParameterExtremes, EveryParameterAtItsEndsConvertsAndDraws) {
  gBrushStates[0].Reset();
  ASSERT_EQ(gBrushStates[0].Create(&canvas.screen, 1), 1);
  for (const Character& c : kCharacters) {
    rec->ClearPoints();
    c.add(*rec);
    for (int p = 0; p < kParamCount; ++p) {
      for (int32_t v : kValues) {
        rec->SetDefaultParams();
        GetSlotParamDefaults(rec->m_param, {}, 0);
        rec->m_param[37] = 400;
        rec->m_param[size_t(p)] = v;
        ConvertAndDraw(std::string(c.name) + ", parameter " + std::to_string(p) + " = " + std::to_string(v));
        if (HasFatalFailure()) return;
      }
    }
  }
}

}  // namespace

namespace {

TEST(ParameterExtremesPaper, AwkwardStrokesDrawOnPapersOfEverySmallSize) {
  const tmb::Size papers[] = {{1, 1}, {1, 300}, {300, 1}, {2, 3}, {7, 5}, {33, 17}, {255, 257}};
  for (tmb::Size paper : papers) {
    SCOPED_TRACE(std::to_string(paper.cx) + " x " + std::to_string(paper.cy));
    tmb::test::ResetConversionGlobals();
    tmb::test::ScopedWorkCanvas canvas(paper.cx, paper.cy);
    gBrushStates[0].Reset();
    ASSERT_EQ(gBrushStates[0].Create(&canvas.screen, 1), 1);
    auto rec = std::make_unique<CCharDataFull>();
    auto source = std::make_unique<CStrokeWork>();
    auto converted = std::make_unique<CStrokeWork>();
    rec->ClearPoints();
    AddAwkwardStrokes(*rec);
    for (int style : {0, 240}) {
      rec->SetDefaultParams();
      GetSlotParamDefaults(rec->m_param, {}, 0);
      rec->m_param[37] = 400;
      rec->m_param[240] = style;
      rec->ToStrokeWork(*source);
      rec->CopySettingsToWork(*converted);
      converted->ConvertCharacter(*source);
      converted->m_nWindow = 0;
      converted->SelectBrushState(nullptr);
      converted->m_drawFlags[0] = 0;
      converted->DrawCharacter(&canvas.screen, 0, -1, *source);
    }
    gBrushStates[0].Reset();
    gPathSequence.FreePath();
  }
  tmb::test::ResetConversionGlobals();
}

}  // namespace
