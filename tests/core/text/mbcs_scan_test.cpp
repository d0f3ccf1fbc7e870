#include "core/text/mbcs_scan.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "core/state/draw_state.h"

namespace {

TEST(MbcsScan, TheCharacterAtAPosition) {
  gDrawState.Reset();
  const std::string text = "A \x8A\xBF\x81\x40\xB1\x01\x8A";  // A, blank, 漢, 　, ｱ, control, a cut lead byte
  struct Case {
    size_t pos;
    int kind;
    std::string ch;
    int length;
  } cases[] = {
      {0, 1, "A", 1}, {1, -1, "", 1}, {2, 2, "\x8A\xBF", 2}, {4, -1, "", 2},
      {6, 1, "\xB1", 1}, {7, -1, "", 1}, {8, -1, "", 1}, {9, -1, "", 0},
  };
  for (const Case& c : cases) {
    std::string ch = "x";
    int length = -5;
    EXPECT_EQ(GetMbcsCharAt(text, c.pos, ch, length), c.kind) << c.pos;
    EXPECT_EQ(ch, c.ch) << c.pos;
    EXPECT_EQ(length, c.length) << c.pos;
  }
  // Blanks count as characters when the option says so; the full-width one stays whole.
  gDrawState.m_bBlankIsChar = 1;
  std::string ch;
  int length = 0;
  EXPECT_EQ(GetMbcsCharAt(text, 1, ch, length), 1);
  EXPECT_EQ(ch, " ");
  EXPECT_EQ(GetMbcsCharAt(text, 4, ch, length), 1);
  EXPECT_EQ(ch, "\x81\x40");
  EXPECT_EQ(length, 2);
  gDrawState.Reset();
}

TEST(MbcsScan, DigitBoundariesStepOverTwoByteCharacters) {
  // 漢 whose trail byte 0x5C is no digit, then ０ (0x82 0x4F), then 12.
  const std::string text = "\x8A\x5C\x82\x4Fx12y";
  EXPECT_EQ(FindDigitBoundary(text, 0, 1, -1), 5);
  EXPECT_EQ(FindDigitBoundary(text, 5, 0, -1), 7);
  EXPECT_EQ(FindDigitBoundary(text, 0, 0, -1), 0);
  EXPECT_EQ(FindDigitBoundary(text, 0, 1, 5), -1);  // the limit comes first
  EXPECT_EQ(FindDigitBoundary(text, 7, 1, -1), -1);
  EXPECT_EQ(FindDigitBoundary(text, 20, 1, -1), -1);
}

TEST(MbcsScan, NumberListsIgnoreSignsAndSeparators) {
  std::array<int32_t, 5> out{};
  EXPECT_EQ(ParseIntList("a12,-3 b45", out, -1), 3);
  EXPECT_EQ((std::vector<int32_t>(out.begin(), out.begin() + 3)), (std::vector<int32_t>{12, 3, 45}));
  std::array<int32_t, 2> two{};
  EXPECT_EQ(ParseIntList("1 2 3", two, -1), 2);
  EXPECT_EQ(ParseIntList("7 99999999999", out, -1), 2);
  EXPECT_EQ(out[1], 2147483647);
  EXPECT_EQ(ParseIntList("12 34", out, 4), 2);
  EXPECT_EQ(out[1], 3);
  EXPECT_EQ(ParseIntList("none", out, -1), 0);
  // A number that ends at the terminator ends there.
  EXPECT_EQ(ParseIntList(std::string_view("12\0 34", 6), out, -1), 1);
  EXPECT_EQ(out[0], 12);
}

}  // namespace
