#include "convert/analysis/step_notch_marks.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/path/stroke_path.h"
#include "platform/gdi/device_context.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PointsOf;

// The pixels of a black surface that are not black.
std::set<std::pair<int, int>> LitPixels(const tmb::Surface& s) {
  std::set<std::pair<int, int>> lit;
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      if (s.GetPixel(x, y) != 0) lit.insert({x, y});
    }
  }
  return lit;
}

TEST(PaintStepNotches, TheTwoPointsOfEveryNotchArePaintedWhiteWherePassRoundsThem) {
  CStrokePath path(50);
  // A closed outline whose top edge steps down one pixel on its way right (off whole
  // coordinates by less than half a pixel), then a square, which has no notch.
  Fill(path, {{0.3f, 0, 1}, {1, 0.4f, 0}, {2.2f, 0, 0}, {1.6f, 1, 0}, {3, 1, 0}, {4, 1.1f, 0}, {4, 5, 0}, {0, 5, 0},
              {7, 7, 1}, {10, 7, 0}, {10, 10, 0}, {7, 10, 0}});
  const auto before = PointsOf(path);
  tmb::Surface s;
  ASSERT_TRUE(s.Create(12, 12, tmb::PixelFormat::kColour32));
  s.Fill(0);
  tmb::DeviceContext dc(&s);
  EXPECT_EQ(PaintStepNotches(path, dc), 1);
  EXPECT_EQ(LitPixels(s), (std::set<std::pair<int, int>>{{2, 0}, {2, 1}}));
  EXPECT_EQ(s.GetPixel(2, 0), 0xFFFFFFu);
  EXPECT_EQ(PointsOf(path), before) << "a diagnostic changes nothing";
}

TEST(PaintStepNotches, AStaircaseShowsANotchAtEveryStepAndAShortStrokeNone) {
  CStrokePath path(50);
  Fill(path, {{0, 0, 1}, {3, 0, 0}, {3, 1, 0}, {6, 1, 0}, {6, 2, 0}, {9, 2, 0}, {9, 9, 0}, {0, 9, 0},
              {1, 11, 1}, {2, 11, 0}, {2, 10, 0}});
  tmb::Surface s;
  ASSERT_TRUE(s.Create(12, 12, tmb::PixelFormat::kColour32));
  s.Fill(0);
  tmb::DeviceContext dc(&s);
  EXPECT_EQ(PaintStepNotches(path, dc), 2);
  EXPECT_EQ(LitPixels(s), (std::set<std::pair<int, int>>{{3, 0}, {3, 1}, {6, 1}, {6, 2}}));
}

}  // namespace
