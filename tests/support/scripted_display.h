// Display modes that tests choose, installed for the life of the object.
#pragma once

#include "platform/service/display_modes.h"

namespace tmb::test {

class ScriptedDisplay final : public DisplayModes {
 public:
  ScriptedDisplay() { SetDisplayModes(this); }
  ~ScriptedDisplay() override { SetDisplayModes(nullptr); }
  ScriptedDisplay(const ScriptedDisplay&) = delete;
  ScriptedDisplay& operator=(const ScriptedDisplay&) = delete;

  int CurrentBitsPerPixel() override { return bits; }
  int LargestBitsPerPixel() override { return largest; }
  bool IsPaletteDevice() override { return palette; }

  int bits = 32;
  int largest = 32;
  bool palette = false;
};

}  // namespace tmb::test
