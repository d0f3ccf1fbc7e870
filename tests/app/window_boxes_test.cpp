#include "app/window_boxes.h"

#include <gtest/gtest.h>

#include "core/state/draw_state.h"
#include "platform/service/profile.h"

namespace {

TEST(WindowBoxes, TextOfABox) {
  EXPECT_EQ(FormatBoxText({1, -2, 300, 4000}), "(   1,  -2)-( 300,4000)");
  EXPECT_EQ(FormatBoxText({-12345, 0, 0, 0}), "(-12345,   0)-(   0,   0)");
}

TEST(WindowBoxes, ParsingKeepsSignsAndNeedsFourNumbers) {
  struct Case {
    const char* text;
    std::optional<tmb::Rect> box;
  } cases[] = {
      {"(  10,  20)-(  30,  40)", tmb::Rect{10, 20, 30, 40}},
      {"( -5,  -6)-(   7,   8)", tmb::Rect{-5, -6, 7, 8}},
      {"a-b 1 2 3 4 5", tmb::Rect{1, 2, 3, 4}},
      {"1-2-3-4", tmb::Rect{1, -2, -3, -4}},
      {"(1,2)-(3)", std::nullopt},
      {"", std::nullopt},
      {"99999999999,1,2,3", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseBoxText(c.text), c.box) << c.text;
}

TEST(WindowBoxes, AnEmptyKeyEndsTheListAndDamagedKeysAreSkipped) {
  tmb::MemoryProfile profile;
  CDrawState state;
  profile.WriteInt("SubData", "Total", 4);
  profile.WriteString("SubData", "Box1", "(1,2)-(3,4)");
  profile.WriteString("SubData", "Box2", "damaged");
  profile.WriteString("SubData", "Box3", "(5,6)-(7,8)");
  profile.WriteString("SubData", "Box5", "(9,9)-(9,9)");
  LoadWindowBoxes(profile, state);
  EXPECT_EQ(state.m_boxes, (std::vector<tmb::Rect>{{1, 2, 3, 4}, {5, 6, 7, 8}}));

  tmb::MemoryProfile gap;
  gap.WriteInt("SubData", "Total", 3);
  gap.WriteString("SubData", "Box1", "(1,2)-(3,4)");
  gap.WriteString("SubData", "Box3", "(5,6)-(7,8)");
  LoadWindowBoxes(gap, state);
  EXPECT_EQ(state.m_boxes.size(), 1u);
}

TEST(WindowBoxes, ReadingStopsAtCapacityWhateverTheTotalSays) {
  tmb::MemoryProfile profile;
  profile.WriteInt("SubData", "Total", 1000);
  for (int i = 1; i <= 100; ++i) profile.WriteString("SubData", "Box" + std::to_string(i), "(0,0)-(1,1)");
  CDrawState state;
  LoadWindowBoxes(profile, state);
  EXPECT_EQ(state.m_boxes.size(), CDrawState::kMaxBoxes);

  profile.WriteInt("SubData", "Total", -3);
  LoadWindowBoxes(profile, state);
  EXPECT_TRUE(state.m_boxes.empty());
}

TEST(WindowBoxes, SavedBoxesReadBack) {
  CDrawState state;
  state.m_boxes = {{-10, 20, 30, 40}, {0, 0, 500, 750}};
  tmb::MemoryProfile profile;
  SaveWindowBoxes(profile, state);
  EXPECT_EQ(profile.GetInt("SubData", "Total", 0), 2);
  EXPECT_EQ(profile.GetString("SubData", "Box1", ""), "( -10,  20)-(  30,  40)");
  CDrawState back;
  LoadWindowBoxes(profile, back);
  EXPECT_EQ(back.m_boxes, state.m_boxes);
}

}  // namespace
