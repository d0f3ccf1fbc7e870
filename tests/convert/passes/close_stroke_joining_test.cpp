#include "convert/passes/close_stroke_joining.h"

#include <gtest/gtest.h>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

TEST(CloseStrokeJoining, StartsNearerThanTheDistanceContinueTheStrokeBefore) {
  CStrokePath path(16);
  // Gaps of 5 (3, 4), exactly 6 and 7 to starts flagged 1, 3 and 1.
  Fill(path, {{0, 0, 1}, {10, 0, 0}, {13, 4, 1}, {20, 4, 0}, {26, 4, 3}, {30, 4, 0}, {37, 4, 1}});
  EXPECT_EQ(JoinCloseStrokes(path, 6), 1);
  const int flags[] = {1, 0, 0, 0, 3, 0, 1};
  for (int i = 0; i < path.GetCount(); ++i) EXPECT_EQ(path.m_pFlags[i], flags[i]) << i;
  JoinCloseStrokes(path, 8);
  for (int i = 1; i < path.GetCount(); ++i) EXPECT_EQ(path.m_pFlags[i], 0) << i;
  EXPECT_EQ(path.m_pFlags[0], 1);
}

}  // namespace
