#include "app/settings/check_tool_bar.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> WrappedButtons(const CCheckToolBar& bar) {
  std::vector<int> wrapped;
  for (int i = 0; i < bar.actions().size(); ++i) {
    if (bar.ButtonStyle(i) & CCheckToolBar::kStyleWrapped) wrapped.push_back(i);
  }
  return wrapped;
}

TEST(CheckToolBar, ColumnsWrapEveryNthButton) {
  CCheckToolBar bar;
  EXPECT_EQ(bar.m_nColumns, 2);
  for (int i = 0; i < 13; ++i) bar.addAction(QString::number(i));
  ASSERT_TRUE(bar.SetColumns(4));
  EXPECT_EQ(WrappedButtons(bar), (std::vector<int>{3, 7, 11}));
  ASSERT_TRUE(bar.SetColumns(1));
  EXPECT_EQ(WrappedButtons(bar).size(), 13u);
  // Wrapping is taken off again where a wider row no longer ends.
  ASSERT_TRUE(bar.SetColumns(6));
  EXPECT_EQ(WrappedButtons(bar), (std::vector<int>{5, 11}));
  EXPECT_EQ(bar.m_nColumns, 6);
}

TEST(CheckToolBar, NoColumnsAreRefused) {
  CPaletteBar bar;
  for (int i = 0; i < 3; ++i) bar.addAction(QString::number(i));
  ASSERT_TRUE(bar.SetColumns(2));
  for (int n : {0, -3}) {
    EXPECT_FALSE(bar.SetColumns(n)) << n;
    EXPECT_EQ(bar.m_nColumns, 2);
    EXPECT_EQ(WrappedButtons(bar), (std::vector<int>{1}));
  }
}

}  // namespace
