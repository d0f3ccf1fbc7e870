// Where a loaded character lands on the present paper (500 x 750).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/record/char_data_full.h"
#include "support/char_file_fixture.h"

namespace tmb::test {
namespace {

using Points = std::vector<WdfPoint>;

class Placement : public CharFileTest {
 protected:
  Points Load(const Points& points, tmb::Size paper, int anchor) {
    WdfBlock b;
    b.paper = paper;
    b.points = points;
    b.params[50] = 1;
    b.valueTable = {0};
    CCharDataFull r;
    EXPECT_EQ(ReadFile(r, WriteBytes("placed.wdf", BuildWdfBlock(b)), 0, anchor), 1);
    return RecordPoints(r);
  }
};

TEST_F(Placement, RightAnchoringKeepsTheDistanceFromTheTopRightCorner) {
  const Points written = {{300, 100, 1, -1}, {600, 700, 0, -1}};
  struct Case {
    tmb::Size paper;
    int anchor;
    Points expected;
  } cases[] = {
      {{700, 750}, 1, {{100, 100, 1, -1}, {400, 700, 0, -1}}},  // 200 pixels narrower
      {{700, 750}, 0, written},
      {{500, 900}, 1, written},                                  // same width: x stays
      {{400, 750}, 1, {{400, 100, 1, -1}, {700, 700, 0, -1}}},   // wider paper: moves right
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.paper.cx);
    EXPECT_EQ(Load(written, c.paper, c.anchor), c.expected);
  }
}

TEST_F(Placement, ACharacterOffThePaperIsMovedBackOntoIt) {
  // Left of the paper: a 200-pixel character moves to one margin ((500 - 200) / 2) inside
  // the right edge. Below it: a 100-pixel character to one margin ((750 - 100) / 2) below
  // the top. Both moves at once when both edges are out.
  struct Case {
    Points written, expected;
  } cases[] = {
      {{{-50, 100, 1, -1}, {150, 200, 0, -1}}, {{150, 100, 1, -1}, {350, 200, 0, -1}}},
      {{{10, 700, 1, -1}, {60, 800, 0, -1}}, {{10, 325, 1, -1}, {60, 425, 0, -1}}},
      {{{-10, 760, 1, -1}, {190, 770, 0, -1}}, {{150, 370, 1, -1}, {350, 380, 0, -1}}},
      // A wide character gets the smallest margin, 48 pixels, from the right edge.
      {{{-100, 10, 1, -1}, {380, 20, 0, -1}}, {{-28, 10, 1, -1}, {452, 20, 0, -1}}},
  };
  for (const Case& c : cases) EXPECT_EQ(Load(c.written, {500, 750}, 0), c.expected);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(Placement, AnOversizedCharacterLosesTheStrokesOffThePaper) {
  const Points written = {
      {10, 100, 1, -1},  {300, 100, 0, -1},  // starts within 48 pixels of the left edge
      {100, 200, 1, 20}, {400, 210, 0, 30},  // inside: kept
      {480, 300, 1, -1}, {520, 300, 0, -1},  // past the right edge
      {200, 400, 1, -1}, {220, 420, 0, -1},  // inside: kept
  };
  EXPECT_EQ(Load(written, {500, 750}, 0),
            (Points{{100, 200, 1, 20}, {400, 210, 0, 30}, {200, 400, 1, -1}, {220, 420, 0, -1}}));
  EXPECT_EQ(messages.ids, std::vector<int>{61520});
}

}  // namespace
}  // namespace tmb::test
