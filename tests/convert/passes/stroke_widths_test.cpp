#include "convert/passes/stroke_widths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/marker_list.h"
#include "core/path/stroke_work.h"
#include "support/polyline_strokes.h"
#include "support/reference_copy.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::MakeReference;
using Bytes = std::vector<int>;

class AssignStrokeWidthsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gAnalysisOverlay.Clear();
    // Linking on, a full width of 10 thinning to 5, sharp ends on, no stroke's steps long
    // enough to be link steps.
    path.m_param[1] = 40;
    path.m_param[2] = 12;
    path.m_param[3] = 20;
    path.m_param[4] = 25;
    path.m_param[317] = 1;
    path.m_param[335] = 1;
  }
  void TearDown() override {
    gAnalysisOverlay.Clear();
    gMarkers.Clear();
  }

  // Appends a stroke from a to b, a point every 10 pixels; its first point's index.
  int Add(CFPoint a, CFPoint b) { return AddPolyline(path, {a, b}, 10); }
  // The vertical stroke of nine points 10 apart.
  void AddVertical() { Add({0, 0}, {0, 80}); }

  Bytes Widths(const std::vector<int>& oldStarts = {}, const std::vector<int>& strongStarts = {}) {
    MakeReference(path, ref, oldStarts, strongStarts);
    EXPECT_EQ(AssignStrokeWidths(path, ref), 1);
    EXPECT_FALSE(gMarkers.IsPosting());
    return Bytes(path.m_pWidths, path.m_pWidths + path.GetCount());
  }

  CStrokeWork path{64};
  CStrokeWork ref{64};
};

TEST_F(AssignStrokeWidthsTest, AStrokeStartsFullAndThinsTowardsItsEnd) {
  struct Case {
    const char* what;
    int index, value;
    Bytes bytes;
  };
  const Case cases[] = {
      {"held between keys", 348, 0, {10, 10, 8, 8, 8, 8, 7, 7, 5}},
      {"run straight to the end width", 348, 1, {10, 9, 8, 6, 5, 5, 5, 5, 5}},
      {"no thinning", 4, 0, {10, 10, 10, 10, 10, 10, 10, 10, 10}},
      {"a thinning below 0 taken as 0", 4, -5, {10, 10, 10, 10, 10, 10, 10, 10, 10}},
      {"full thinning: plain ends of 1", 4, 100, {10, 10, 6, 6, 5, 5, 4, 4, 1}},
      {"a thinning above 100 taken as 100", 4, 150, {10, 10, 6, 6, 5, 5, 4, 4, 1}},
      {"no width", 3, 0, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"a width below 0 taken as 0", 3, -40, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"widths above 255 held there", 3, 1000, {255, 255, 255, 255, 255, 255, 255, 255, 250}},
      {"a width of 100,000", 3, 100000, {255, 255, 255, 255, 255, 255, 255, 255, 255}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    path.SetCount(0);
    AddVertical();
    const int32_t saved = path.m_param[c.index];
    path.m_param[c.index] = c.value;
    EXPECT_EQ(Widths(), c.bytes);
    path.m_param[c.index] = saved;
  }
}

TEST_F(AssignStrokeWidthsTest, WithoutLinkingTheBytesStayAsTheyWere) {
  AddVertical();
  std::fill_n(path.m_pWidths, path.GetCount(), uint8_t(77));
  path.m_param[2] = 0;
  MakeReference(path, ref);
  EXPECT_EQ(AssignStrokeWidths(path, ref), 0);
  EXPECT_EQ(Bytes(path.m_pWidths, path.m_pWidths + path.GetCount()), Bytes(9, 77));
}

TEST_F(AssignStrokeWidthsTest, ALongHorizontalStrokeThinsEarlierAndCanEndSharp) {
  struct Case {
    const char* what;
    CFPoint end;
    int sharpEnds;
    int slantRatio;  // parameter 317: level within 1 in 1.5 when set, else within 1 in 3
    bool inWideMark;
    Bytes bytes;
  };
  const Case cases[] = {
      {"80 long: sharp", {80, 0}, 1, 1, false, {10, 9, 7, 7, 6, 7, 7, 1, 1}},
      {"80 long, rising 2 in 5: sharp", {74.27f, -29.7f}, 1, 1, false, {10, 9, 7, 7, 6, 7, 7, 1, 1}},
      {"80 long, sharp ends off", {80, 0}, 0, 1, false, {10, 10, 7, 7, 6, 6, 6, 6, 5}},
      {"80 long in a mark 400 wide", {80, 0}, 1, 1, true, {10, 10, 7, 7, 6, 6, 6, 6, 5}},
      {"rising 2 in 5 counts as level only with parameter 317", {74.27f, -29.7f}, 1, 0, false,
       {10, 10, 8, 8, 8, 8, 7, 7, 5}},
      {"under four full widths: never sharp", {30, 0}, 1, 1, false, {8, 8, 7, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    gAnalysisOverlay.Clear();
    path.SetCount(0);
    path.m_param[335] = c.sharpEnds;
    path.m_param[317] = c.slantRatio;
    Add({0, 0}, c.end);
    if (c.inWideMark) {
      Add({400, 0}, {400, 10});
      gAnalysisOverlay.AddMark(0, path.GetCount() - 1, path);
    }
    Bytes bytes = Widths();
    bytes.resize(c.bytes.size());
    EXPECT_EQ(bytes, c.bytes);
  }
}

// A run of five points and, from the point after it, one of nine, the second opened by
// flag: the codes set how the first run ends and the second begins.
TEST_F(AssignStrokeWidthsTest, CodesSetTheEndsOfTheirRuns) {
  struct Case {
    int flag;
    int firstStart, firstEnd, secondStart;
    int flagAfter;
  };
  const Case cases[] = {
      {3, 10, 6, 10, 3},       {5, 10, 6, 10, 5},      {'B', 10, 6, 10, 'B'}, {'C', 10, 5, 8, 'C'},
      {'E', 10, 5, 9, 'E'},    {21, 10, 5, 8, 3},      {22, 10, 5, 9, 3},     {25, 8, 5, 10, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flag);
    path.SetCount(0);
    Add({0, 0}, {0, 130});
    path.m_pFlags[5] = uint8_t(c.flag);
    const Bytes bytes = Widths();
    EXPECT_EQ(bytes[0], c.firstStart);
    EXPECT_EQ(bytes[4], c.firstEnd);
    EXPECT_EQ(bytes[5], c.secondStart);
    EXPECT_EQ(path.m_pFlags[5], c.flagAfter);
  }
}

// Two old strokes of nine points joined into one run: the join is thin, the point before
// it at the width of a corner's end; with steps as long as link steps, the way back to the
// stroke's start takes the mean of its ends (a plain link) or the width before the join (a
// strong one).
TEST_F(AssignStrokeWidthsTest, JoinsOfOldStrokesAreThin) {
  struct Case {
    const char* what;
    int vein;
    bool strong;
    Bytes bytes;
  };
  const Case cases[] = {
      {"short steps", 40, false, {10, 10, 10, 10, 8, 8, 8, 8, 6, 5, 8, 8, 7, 7, 7, 7, 7, 5}},
      {"link steps, plain link", 0, false, {10, 8, 8, 8, 8, 8, 8, 8, 8, 5, 8, 8, 7, 7, 7, 7, 7, 5}},
      {"link steps, strong link", 0, true, {10, 6, 6, 6, 6, 6, 6, 6, 6, 5, 8, 8, 7, 7, 7, 7, 7, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    path.SetCount(0);
    path.m_param[1] = c.vein;
    Add({0, 0}, {0, 80});
    const int join = Add({0, 90}, {0, 170});
    path.m_pFlags[join] = 0;
    EXPECT_EQ(c.strong ? Widths({}, {join}) : Widths({join}), c.bytes);
  }
}

TEST_F(AssignStrokeWidthsTest, AOnePointStrokeTakesTheStartWidth) {
  Add({0, 0}, {0, 80});
  path.AddPointUnique(50, 50, 1, 1);
  EXPECT_EQ(Widths().back(), 10);
}

// The slot after the last point reads as a stroke start: a code left there by an earlier
// path does not end the last stroke as a corner would.
TEST_F(AssignStrokeWidthsTest, NothingPastTheCountIsRead) {
  AddVertical();
  const Bytes clean = Widths();
  for (uint8_t poison : {3, 5, 25, int('B')}) {
    path.SetCount(0);
    AddVertical();
    for (int i = path.GetCount(); i < path.GetCapacity(); ++i) path.m_pFlags[i] = poison;
    MakeReference(path, ref);
    for (int i = ref.GetCount(); i < ref.GetCapacity(); ++i) ref.m_pFlags[i] = 1;
    AssignStrokeWidths(path, ref);
    EXPECT_EQ(Bytes(path.m_pWidths, path.m_pWidths + path.GetCount()), clean) << int(poison);
    EXPECT_EQ(path.m_pFlags[path.GetCount()], poison);
  }
}

}  // namespace
