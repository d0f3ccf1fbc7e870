// The handwritten-registration panel that drawing window A shows on its paper: the state
// the drawing state holds for it. The registration itself fills the rest; the painting of
// the drawing views reads whether it is shown and where the character is written.
#pragma once

#include <cstdint>

#include "platform/gdi/geometry.h"

struct CRegistrationPanel {
  int32_t m_bShown = 0;
  tmb::Rect m_rcWriting{};  // where the character is written, in paper coordinates
};
