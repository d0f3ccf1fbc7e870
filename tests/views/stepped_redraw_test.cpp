// The stepped redraw: the display values grow from their starts to the record's own values
// over up to five steps, the settings pane shows every step, and the record's values come
// back afterwards.
#include <QCoreApplication>
#include <QPaintEvent>
#include <QSplitter>

#include "core/document/tmb_doc.h"
#include "views/stepped_display.h"
#include "views/view_fixture.h"

namespace tmb::test {
namespace {

// The values of parameters 0 to 5 and 201, in that order.
using DisplayValues = std::array<int, 7>;

DisplayValues ValuesOf(const ParamBlock& p) { return {p[0], p[1], p[2], p[3], p[4], p[5], p[201]}; }

void SetValues(ParamBlock& p, const DisplayValues& v) {
  for (size_t k = 0; k < v.size(); ++k) p[size_t(CSteppedDisplay::kParams[k])] = v[k];
}

TEST(RoundHalfUp, TakesTheNearestIntegerWithHalvesGoingUp) {
  const std::pair<double, int> cases[] = {{0.0, 0}, {0.49, 0}, {0.5, 1}, {1.5, 2}, {2.4, 2}, {2.5, 3}, {2.6, 3}};
  for (const auto& [x, rounded] : cases) EXPECT_EQ(RoundHalfUp(x), rounded) << x;
}

TEST(SteppedDisplay, StepsEachValueFromItsStartAndNeverTheLinkingOrTheWidth) {
  ParamBlock p{};
  const DisplayValues targets{3, 5, 12, 15, 70, 0, 10};
  SetValues(p, targets);
  {
    CSteppedDisplay steps(p);
    ASSERT_EQ(steps.StepCount(), 5);
    // Starts: 0, 1 (parameter 1 above 1), half the linking at most 8, 0, a quarter of
    // parameter 4, 0, and 4 for parameter 201.
    EXPECT_EQ(steps.start(1), 1);
    EXPECT_EQ(steps.start(2), 6);
    EXPECT_EQ(steps.start(4), 17);
    EXPECT_EQ(steps.start(6), 4);
    const DisplayValues expected[] = {
        {0, 1, 12, 15, 17, 0, 4},  {1, 2, 12, 15, 28, 0, 5},  {1, 3, 12, 15, 38, 0, 6},
        {2, 3, 12, 15, 49, 0, 8},  {2, 4, 12, 15, 59, 0, 9},  {3, 5, 12, 15, 70, 0, 10},
    };
    for (int i = 0; i <= 5; ++i) {
      steps.Apply(i, 5);
      EXPECT_EQ(ValuesOf(p), expected[i]) << "step " << i;
    }
    steps.Apply(0, 5);
  }
  EXPECT_EQ(ValuesOf(p), targets);
}

TEST(SteppedDisplay, ValuesWhoseTargetDoesNotExceedTheirStartStayAtTheTarget) {
  ParamBlock p{};
  const DisplayValues targets{1, 2, 40, 15, 0, 0, 3};
  SetValues(p, targets);
  CSteppedDisplay steps(p);
  EXPECT_EQ(steps.StepCount(), 2);
  EXPECT_EQ(steps.start(2), 8);  // half of 40, at most 8
  steps.Apply(1, 2);
  // Parameter 0 goes half-way up from 0 to 1 and rounds up; 1 starts at 1 when above 1.
  EXPECT_EQ(ValuesOf(p), (DisplayValues{1, 2, 40, 15, 0, 0, 3}));
  steps.Apply(0, 2);
  EXPECT_EQ(ValuesOf(p), (DisplayValues{0, 1, 40, 15, 0, 0, 3}));
}

// A settings pane that notes the display values each time it is painted.
class SettingsProbe : public QWidget {
 public:
  explicit SettingsProbe(const ParamBlock& params) : params_(params) {}
  std::vector<DisplayValues> seen;

 protected:
  void paintEvent(QPaintEvent*) override { seen.push_back(ValuesOf(params_)); }

 private:
  const ParamBlock& params_;
};

class SteppedRedraw : public DrawingViewTest {
 protected:
  // Window A's view in the middle of a splitter, with the probe as its settings pane.
  void SetUp() override {
    DrawingViewTest::SetUp();
    AddThreeStrokes(a);
    SetValues(a.m_param, targets);
    gDrawState.m_nCreatingKind = 0;
    view = new CTmbView(nullptr, 1);
    probe = new SettingsProbe(a.m_param);
    splitter.addWidget(new QWidget);
    splitter.addWidget(view);
    splitter.addWidget(probe);
    splitter.resize(900, 850);
    splitter.show();
    QCoreApplication::processEvents();  // the panes are on the screen and can repaint
    view->OnInitialUpdate();
    CTmbView::ClientDC dc(*view);
    view->OnDraw(dc);
  }
  void TearDown() override {
    delete view;  // before the brush states go
    DrawingViewTest::TearDown();
  }

  const DisplayValues targets{3, 5, 12, 15, 70, 0, 10};
  QSplitter splitter;
  CTmbView* view = nullptr;
  SettingsProbe* probe = nullptr;
};

TEST_F(SteppedRedraw, EveryStepIsPaintedAndTheRecordGetsItsValuesBack) {
  gDrawState.m_nRedrawSteps = 2;
  probe->seen.clear();
  view->RedrawInSteps(1);
  ASSERT_EQ(probe->seen.size(), 6u);
  EXPECT_EQ(probe->seen.front(), (DisplayValues{0, 1, 12, 15, 17, 0, 4}));
  EXPECT_EQ(probe->seen[3], (DisplayValues{2, 3, 12, 15, 49, 0, 8}));
  EXPECT_EQ(probe->seen.back(), targets);
  EXPECT_EQ(ValuesOf(a.m_param), targets);
  EXPECT_EQ(windows.docA->m_nLastPainted, a.m_nPoints);
}

TEST_F(SteppedRedraw, AfterStrokesOnlyNewPointsAreStepped) {
  gDrawState.m_nRedrawSteps = 1;
  windows.docA->m_nLastPainted = a.m_nPoints;
  probe->seen.clear();
  view->RedrawInSteps(1);
  EXPECT_EQ(probe->seen, std::vector<DisplayValues>{targets});  // one plain pass
  AddStroke(a, {{50, 700}, {150, 700}});
  probe->seen.clear();
  view->RedrawInSteps(1);
  EXPECT_EQ(probe->seen.size(), 6u);
  EXPECT_EQ(ValuesOf(a.m_param), targets);
}

TEST_F(SteppedRedraw, WithoutStepsOrForceTheSettingsPaneIsLeftAlone) {
  gDrawState.m_nRedrawSteps = 0;
  view->m_nLastDisplayMode = a.m_param[200];
  probe->seen.clear();
  view->RedrawInSteps(0);
  EXPECT_TRUE(probe->seen.empty());
  // A change of the display mode forces the pane's repaint.
  a.m_param[200] = 1;
  view->RedrawInSteps(0);
  EXPECT_EQ(probe->seen.size(), 1u);
  EXPECT_EQ(view->m_nLastDisplayMode, 1);
}

}  // namespace
}  // namespace tmb::test
