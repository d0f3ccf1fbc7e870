// Keys as Windows virtual-key codes: the code the views hand on when they record a key
// and replay it (letters and digits are their upper-case characters).
#pragma once

namespace tmb::ui {

enum VirtualKey {
  kVkBack = 0x08,
  kVkTab = 0x09,
  kVkReturn = 0x0D,
  kVkEscape = 0x1B,
  kVkSpace = 0x20,
  kVkPageUp = 0x21,
  kVkPageDown = 0x22,
  kVkEnd = 0x23,
  kVkHome = 0x24,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
  kVkDelete = 0x2E,
};

// The virtual-key code of a Qt key (Qt::Key); 0 for a key without one.
int VirtualKeyOf(int qtKey);

}  // namespace tmb::ui
