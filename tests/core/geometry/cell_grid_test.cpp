#include "core/geometry/cell_grid.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/geometry/line_sink.h"
#include "core/path/stroke_work.h"
#include "core/state/draw_state.h"

namespace {

// Records the lines drawn.
class LineRecorder : public LineSink {
 public:
  void MoveTo(int x, int y) override { at = {x, y}; }
  void LineTo(int x, int y) override {
    lines.push_back({at, {x, y}});
    at = {x, y};
  }
  struct Line {
    tmb::Point from, to;
    friend bool operator==(const Line&, const Line&) = default;
  };
  tmb::Point at;
  std::vector<Line> lines;
};

TEST(CellGrid, LayoutAnchoredLeftOrRight) {
  CCellGrid grid;
  grid.SetLayout(500, 300, 100, 120, 10, 20, 1);
  EXPECT_EQ(grid.m_nColumns, 5);
  EXPECT_EQ(grid.m_nRows, 2);
  EXPECT_EQ(grid.m_fLeft, 10);
  EXPECT_EQ(grid.m_fRight, 510);
  EXPECT_EQ(grid.m_fTop, 20);
  EXPECT_EQ(grid.m_fBottom, 260);
  grid.SetLayout(500, 300, 100, 120, 10, 20, 0);
  EXPECT_EQ(grid.m_fRight, 490);
  EXPECT_EQ(grid.m_fLeft, -10);
}

TEST(CellGrid, CellsRunDownEachColumnFromTheRight) {
  CCellGrid grid;
  grid.SetLayout(300, 200, 100, 100, 0, 0, 1);  // 3 columns, 2 rows, right edge 300
  EXPECT_EQ(grid.CellOrigin(0), (tmb::Point{200, 0}));
  EXPECT_EQ(grid.CellOrigin(1), (tmb::Point{200, 100}));
  EXPECT_EQ(grid.CellOrigin(2), (tmb::Point{100, 0}));
  EXPECT_EQ(grid.CellRect(5), (tmb::Rect{0, 100, 100, 200}));
  EXPECT_EQ(grid.CellCentreAt(150.5f, 199), CFPoint(150, 150));
  EXPECT_EQ(grid.SnapToCellCentre(20, 20), (tmb::Point{50, 50}));
}

TEST(CellGrid, DrawsColumnAndRowLinesShiftedByTheCanvasOrigin) {
  gDrawState.m_ptCanvasOrigin = {32, 32};
  CCellGrid grid;
  grid.SetLayout(200, 100, 100, 100, 0, 0, 1);
  LineRecorder dc;
  grid.DrawLines(dc);
  using L = LineRecorder::Line;
  EXPECT_EQ(dc.lines, (std::vector<L>{{{32, 32}, {32, 132}},
                                      {{132, 32}, {132, 132}},
                                      {{232, 32}, {232, 132}},
                                      {{32, 32}, {232, 32}},
                                      {{32, 132}, {232, 132}}}));
  gDrawState.Reset();
}

// An origin from a damaged file at the edge of the int range: the lines and rectangles
// that would lie beyond it are drawn at its edge, the others where they belong.
TEST(CellGrid, OriginsAtTheEdgeOfTheIntRangeStayInRange) {
  gDrawState.m_ptCanvasOrigin = {-32, -32};
  CCellGrid grid;
  grid.SetLayout(200, 100, 100, 100, INT32_MIN, INT32_MIN, 1);
  LineRecorder dc;
  grid.DrawLines(dc);
  ASSERT_EQ(dc.lines.size(), 5u);
  EXPECT_EQ(dc.lines[0].from, (tmb::Point{INT32_MIN, INT32_MIN}));
  EXPECT_EQ(dc.lines[1].from, (tmb::Point{INT32_MIN + 68, INT32_MIN}));
  EXPECT_EQ(dc.lines[4].from, (tmb::Point{INT32_MIN, INT32_MIN + 68}));

  gDrawState.m_ptCanvasOrigin = {32, 32};
  grid.SetLayout(200, 100, 100, 100, INT32_MAX, INT32_MAX, 1);
  dc.lines.clear();
  grid.DrawLines(dc);
  for (const LineRecorder::Line& line : dc.lines) {
    EXPECT_EQ(line.from.y, INT32_MAX);
    EXPECT_EQ(line.to.x, INT32_MAX);
  }
  EXPECT_EQ(grid.CellRect(0).right, INT32_MAX);
  EXPECT_EQ(grid.CellRect(0).bottom, INT32_MAX);
  gDrawState.Reset();
}

TEST(CellGrid, ZeroOrNegativeSizesLayOutAnEmptyGrid) {
  struct Case {
    int canvasWidth, canvasHeight, cellWidth, cellHeight;
  } cases[] = {{500, 500, 0, 100}, {500, 500, 100, 0}, {500, 500, -50, 100},
               {500, 50, 100, 100},  // no whole row
               {-500, 500, 100, 100}};
  for (const Case& c : cases) {
    CCellGrid grid;
    grid.SetLayout(c.canvasWidth, c.canvasHeight, c.cellWidth, c.cellHeight, 7, 9, 1);
    EXPECT_TRUE(grid.IsEmpty());
    EXPECT_EQ(grid.CellOrigin(3), (tmb::Point{7, 9}));
    EXPECT_EQ(grid.CellRect(3).Width(), 0);
    LineRecorder dc;
    grid.DrawLines(dc);
    EXPECT_TRUE(dc.lines.empty());
    if (c.cellWidth <= 0 || c.cellHeight <= 0) {
      EXPECT_EQ(grid.CellCentreAt(33, 44), CFPoint(33, 44));
      EXPECT_EQ(grid.SnapToCellCentre(33, 44), (tmb::Point{33, 44}));
    }
  }
}

TEST(CellGrid, WorkPathLaysItsGridOutFromItsStoredValues) {
  CStrokeWork work(4);
  work.m_gridLayout = {400, 400, 0, 0, 0, 0, 1};
  work.SetGridLayout();
  EXPECT_TRUE(work.m_grid.IsEmpty());
  work.m_gridLayout.cellWidth = 200;
  work.m_gridLayout.cellHeight = 100;
  work.SetGridLayout();
  EXPECT_EQ(work.m_grid.m_nColumns, 2);
  EXPECT_EQ(work.m_grid.m_nRows, 4);
}

}  // namespace
