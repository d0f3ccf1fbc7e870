// A row of character cells: centred in its row, cell size from the drawing state, inner
// rectangles inset by a tenth and a fourteenth of the cell height.
#include "core/geometry/text_row.h"

#include <gtest/gtest.h>

#include "core/state/draw_state.h"

namespace {

class TextRow : public ::testing::Test {
 protected:
  void SetUp() override { gDrawState.Reset(); }
  void TearDown() override { gDrawState.Reset(); }
};

TEST_F(TextRow, CellsAreCentredInTheRowWithTheirInnerRectangles) {
  gDrawState.m_textCell = {40, 70};
  CTextRow row;
  SetupTextRow(row, {10, 20}, 300, 5, 12, 14);
  EXPECT_EQ(row.startX, 10 + (300 - 200) / 2);
  EXPECT_EQ(row.count, 5);
  EXPECT_EQ(row.first, 12);
  EXPECT_EQ(row.current, 14);
  ASSERT_EQ(row.cells.size(), 5u);
  EXPECT_EQ(row.cells[0], (tmb::Rect{60, 20, 100, 90}));
  EXPECT_EQ(row.cells[4], (tmb::Rect{220, 20, 260, 90}));
  EXPECT_EQ(row.inner[0], (tmb::Rect{60 + 7, 20 + 5, 100 - 7, 90 - 5})) << "70 / 10 at the sides, 70 / 14 above and below";
}

TEST_F(TextRow, ARowTooNarrowStartsAtItsLeftAndDamagedSizesStayUsable) {
  struct Case {
    const char* what;
    tmb::Size cell;
    int width, count;
    int startX;
    size_t cells;
  } cases[] = {
      {"too narrow", {40, 70}, 100, 5, 0, 5},
      {"no cells", {40, 70}, 100, 0, 50, 0},
      {"negative count", {40, 70}, 100, -3, 50, 0},
      {"zero cell size", {0, 0}, 10, 4, 3, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    gDrawState.m_textCell = c.cell;
    CTextRow row;
    SetupTextRow(row, {0, 0}, c.width, c.count, 0, -1);
    EXPECT_EQ(row.startX, c.startX);
    EXPECT_EQ(row.cells.size(), c.cells);
    for (const tmb::Rect& r : row.inner) EXPECT_LE(r.left, r.right);
  }
}

}  // namespace
