#include "support/char_globals.h"

#include "core/char_slots.h"
#include "core/draw_state.h"

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
