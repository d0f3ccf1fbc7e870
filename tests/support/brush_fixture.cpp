#include "support/brush_fixture.h"

#include "brush/outline/character_converter.h"
#include "brush/outline/ink_handler.h"
#include "brush/outline/outline_state.h"
#include "core/record/param_defaults.h"
#include "core/canvas/work_canvas.h"
#include "core/state/animation_flags.h"
#include "platform/service/wait_cursor.h"

namespace tmb::test {

void SetBrushDefaults(CCharData& rec) {
  rec.SetDefaultParams();
  GetSlotParamDefaults(rec.m_param, {}, 0);
  rec.m_param[37] = 0;
}

namespace {

// Appends one point of a stroke: no pressure, a step length of 1, width level 0.
void AppendPoint(CCharData& rec, tmb::Point p, bool first) {
  const int i = rec.m_nPoints++;
  rec.m_pPoints[i] = p;
  rec.m_pFlags[i] = first ? 1 : 0;
  rec.m_pPressure[i] = -1;
  rec.m_pSegLength[i] = 1;
  rec.m_pWidthLevel[i] = 0;
}

}  // namespace

void AddStroke(CCharData& rec, std::initializer_list<tmb::Point> points) {
  bool first = true;
  for (const tmb::Point& p : points) {
    AppendPoint(rec, p, first);
    first = false;
  }
}

void AddLine(CCharData& rec, tmb::Point from, int dx, int dy, int n) {
  for (int k = 0; k < n; ++k) AppendPoint(rec, {from.x + k * dx, from.y + k * dy}, k == 0);
}

std::vector<tmb::Point> PointsOf(const CCharData& rec) {
  return {rec.m_pPoints.get(), rec.m_pPoints.get() + rec.m_nPoints};
}

std::vector<int> FlagsOf(const CCharData& rec) {
  return {rec.m_pFlags.get(), rec.m_pFlags.get() + rec.m_nPoints};
}

std::vector<int> LevelsOf(const CCharDataFull& rec, int n) { return {rec.m_pLevels.get(), rec.m_pLevels.get() + n}; }

std::vector<int> StrokeStartsOf(const CCharData& rec) {
  std::vector<int> starts;
  for (int i = 0; i < rec.m_nPoints; ++i) {
    if (rec.m_pFlags[i] != 0) starts.push_back(i);
  }
  return starts;
}

void BrushEngineTest::SetUp() {
  CharGlobalsTest::SetUp();
  ResetOutlineEngine();
  gAnimationMode = 0;
  gWorkCanvas.m_bInkActive = 0;
  drawn = std::make_unique<CCharDataFull>();
  work = std::make_unique<CCharDataFull>();
  drawn->ClearPoints();
  work->ClearPoints();
  SetBrushDefaults(*drawn);
  SetBrushDefaults(*work);
}

void BrushEngineTest::TearDown() {
  SetCharacterConverter(nullptr);
  SetCurrentInkHandler(nullptr);
  tmb::SetCursorService(nullptr);
  gWorkCanvas.m_bInkActive = 0;
  ResetOutlineEngine();
  CharGlobalsTest::TearDown();
}

}  // namespace tmb::test
