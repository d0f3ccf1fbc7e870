// The drawing state as at start, with the canvas rectangle of a paper of a given size: the
// starting point of the views' tests.
#pragma once

#include "core/state/draw_state.h"

namespace tmb::test {

inline void ResetDrawStateForPaper(int width, int height) {
  gDrawState.Reset();
  const Point o = gDrawState.m_ptCanvasOrigin;
  gDrawState.m_rcCanvas = {o.x, o.y, o.x + width, o.y + height};
}

}  // namespace tmb::test
