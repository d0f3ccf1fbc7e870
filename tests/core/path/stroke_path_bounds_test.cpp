#include <gtest/gtest.h>

#include <cstdint>

#include "core/path/region_members.h"
#include "core/path/stroke_path.h"
#include "core/record/edit_regions.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

TEST(StrokePathBounds, RangeBoundsStartFromTheFirstPoint) {
  struct Case {
    std::initializer_list<tmb::test::PathPoint> points;
    CFRect rect;
  } cases[] = {
      {{{-5, -7, 1}, {-2, -3, 0}}, {-5, -7, -2, -3}},                       // all negative
      {{{150000, 200000, 1}, {120000, 250000, 0}}, {120000, 200000, 150000, 250000}},  // beyond 100,000
      {{{3, 4, 1}}, {3, 4, 3, 4}},
  };
  for (const Case& c : cases) {
    CStrokePath path(8);
    Fill(path, c.points);
    CFRect r;
    CFPoint centre = path.GetBounds(r);
    EXPECT_EQ(r.left, c.rect.left);
    EXPECT_EQ(r.top, c.rect.top);
    EXPECT_EQ(r.right, c.rect.right);
    EXPECT_EQ(r.bottom, c.rect.bottom);
    EXPECT_EQ(centre, CFPoint((c.rect.left + c.rect.right) / 2, (c.rect.top + c.rect.bottom) / 2));
  }
}

TEST(StrokePathBounds, ExtremesTakeTheLastMinimumAndTheFirstMaximum) {
  CStrokePath path(8);
  Fill(path, {{1, 5, 1}, {0, 9, 0}, {4, 1, 0}, {0, 9, 0}, {4, 1, 0}, {2, 2, 0}});
  CFRect r;
  int ext[4];
  CFPoint centre = path.GetBoundsWithExtremes(r, ext);
  EXPECT_EQ(ext[0], 4);  // minimum y, last of the equal ones
  EXPECT_EQ(ext[1], 3);  // minimum x
  EXPECT_EQ(ext[2], 1);  // maximum y, first of the equal ones
  EXPECT_EQ(ext[3], 2);  // maximum x
  EXPECT_EQ(centre, CFPoint(2, 5));
  path.GetBoundsOfRange(r, 4, 6, ext);
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.bottom, 2);
  EXPECT_EQ(ext[2], 5);

  CStrokePath empty(4);
  EXPECT_EQ(empty.GetBoundsWithExtremes(r, ext), CFPoint(0, 0));
  EXPECT_EQ(r.Width(), 0);
  EXPECT_EQ(ext[0], 0);
}

TEST(StrokePathBounds, IntegerBoundsRoundOrTruncate) {
  CStrokePath path(8);
  Fill(path, {{-2.5f, 1.5f, 1}, {3.5f, -0.6f, 0}, {1, 7.7f, 0}});
  tmb::Rect r;
  path.GetIntBoundingRect(r);
  EXPECT_EQ(r, (tmb::Rect{-3, -1, 4, 8}));
  path.GetRangeBoundsAndCentre(r, 0, 3);
  EXPECT_EQ(r, (tmb::Rect{-2, 0, 3, 7}));
  path.GetRangeBoundsAndCentre(r, 1, 2);
  EXPECT_EQ(r, (tmb::Rect{3, 0, 3, 0}));
}

// The centre of a range's truncated bounds is half their integer size in from the left
// and top, also across negative coordinates and the whole int range.
TEST(StrokePathBounds, TheRangeBoundsGiveTheirIntegerCentre) {
  struct Case {
    std::initializer_list<tmb::test::PathPoint> points;
    tmb::Rect rect;
    tmb::Point centre;
  } cases[] = {
      {{{10, 20, 1}, {15.9f, 31.5f, 0}}, {10, 20, 15, 31}, {12, 25}},
      {{{-7.5f, -3, 1}, {0, 4, 0}}, {-7, -3, 0, 4}, {-4, 0}},
      {{{-3e9f, -3e9f, 1}, {3e9f, 3e9f, 0}}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {-1, -1}},
  };
  for (const Case& c : cases) {
    CStrokePath path(8);
    Fill(path, c.points);
    tmb::Rect r;
    EXPECT_EQ(path.GetRangeBoundsAndCentre(r, 0, 2), c.centre) << c.rect.left;
    EXPECT_EQ(r, c.rect);
  }
  CStrokePath empty(8);
  tmb::Rect r;
  EXPECT_EQ(empty.GetRangeBoundsAndCentre(r, 0, 0), (tmb::Point{0, 0}));
}

TEST(StrokePathBounds, GroupBoundsCollectsTheRangesOfEachFrame) {
  CStrokePath path(16);
  Fill(path, {{10, 10, 1}, {20, 15, 0}, {-5, 40, 1}, {0, 44, 0}, {70, 70, 1}});
  CEditRegions regions;
  regions.m_nCount = 3;
  regions.m_rects[2] = {1, 2, 3, 4};
  CRegionMembers members;
  members.m_nCount = 4;
  members.m_entries[0] = {0, 2, 0};
  members.m_entries[1] = {2, 4, 0};
  members.m_entries[2] = {4, 5, 1};
  members.m_entries[3] = {40, 90, 1};  // out of the path: ignored
  path.GroupBounds(regions, members);
  EXPECT_EQ(regions.m_rects2[0], (tmb::Rect{-5, 10, 20, 44}));
  EXPECT_EQ(regions.m_rects2[1], (tmb::Rect{70, 70, 70, 70}));
  EXPECT_EQ(regions.m_rects2[2], (tmb::Rect{1, 2, 3, 4}));  // no points: the frame itself

  regions.m_nCount = 100000;  // damaged counts stay within the tables
  members.m_nCount = -3;
  path.GroupBounds(regions, members);
  EXPECT_EQ(regions.m_rects2[255], regions.m_rects[255]);
}

}  // namespace
