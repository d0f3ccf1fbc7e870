#include <gtest/gtest.h>

#include "brush/render/brush_state.h"
#include "core/path/stroke_work.h"

namespace {

TEST(BrushStateWork, TheValuesGoToTheStateInItsOrderAndComeBackWhereTheyWere) {
  for (CBrushState& s : gBrushStates) s.Reset();
  CStrokeWork work(4);
  work.m_param[10] = 3;
  work.m_param[41] = 2;
  work.m_brushWords = {11, 1, 33, 44, 55};
  CBrushState::SaveToWork(work, 1);
  const CBrushState& b = gBrushStates[1];
  EXPECT_EQ(b.m_param[10], 3);
  EXPECT_EQ(b.m_param[41], 2);
  // The render request from the second word, the saved values from the fifth, third,
  // fourth and first.
  EXPECT_EQ(b.m_bRenderRequest, 1);
  EXPECT_EQ(b.m_saved, (std::array<int, 4>{55, 33, 44, 11}));
  EXPECT_EQ(gBrushStates[0].m_bRenderRequest, 0);

  CStrokeWork back(4);
  back.m_param[10] = 7;
  CBrushState::RestoreToWork(back, 1);
  EXPECT_EQ(back.m_brushWords, work.m_brushWords);
  EXPECT_EQ(back.m_param[10], 7);  // the parameters go one way only
  // An index that names no state changes nothing.
  CStrokeWork untouched(4);
  CBrushState::RestoreToWork(untouched, 2);
  CBrushState::SaveToWork(work, -1);
  EXPECT_EQ(untouched.m_brushWords, (std::array<int32_t, 5>{}));
  for (CBrushState& s : gBrushStates) s.Reset();
}

}  // namespace
