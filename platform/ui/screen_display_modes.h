// The display modes of the screen the program runs on, as Qt reports its depth.
#pragma once

#include "platform/service/display_modes.h"

namespace tmb::ui {

class ScreenDisplayModes final : public DisplayModes {
 public:
  int CurrentBitsPerPixel() override;
  // Qt lists no modes; every display that shows 16 bits today can also show 24.
  int LargestBitsPerPixel() override;
  bool IsPaletteDevice() override;
};

}  // namespace tmb::ui
