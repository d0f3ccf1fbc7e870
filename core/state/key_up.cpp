#include "core/state/key_up.h"

#include "core/state/draw_state.h"

void RecordKeyUp(int character, int repeat, int flags) {
  gDrawState.m_nLastKeyChar = character;
  gDrawState.m_nLastKeyRepeat = repeat;
  gDrawState.m_nLastKeyFlags = flags;
}
