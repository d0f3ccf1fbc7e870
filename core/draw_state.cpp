#include "core/draw_state.h"

CDrawState gDrawState;

CDrawState::CDrawState() = default;

void CDrawState::Reset() { *this = CDrawState(); }
