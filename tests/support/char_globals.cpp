#include "support/char_globals.h"

#include "core/record/char_slots.h"
#include "core/state/draw_state.h"

namespace tmb::test {

void CharGlobalsTest::SetUp() {
  gDrawState.Reset();
  gCharSlots.Reset();
}

void CharGlobalsTest::TearDown() {
  gCharSlots.Reset();
  gDrawState.Reset();
}

}  // namespace tmb::test
