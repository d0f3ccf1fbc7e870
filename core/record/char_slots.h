// The six global character slots: full records that hold the defaults from which new
// documents, file reads and the settings commands take their parameters. Slot i holds
// the defaults of slot index i; slots 4 and 5 are overwritten by the start-up settings
// file.
#pragma once

#include <array>
#include <memory>

#include "core/record/char_data_full.h"

constexpr int kCharSlotCount = 6;

class CCharSlots {
 public:
  // Slot i (kept within 0 to 5); built on first use, after the drawing state exists.
  CCharDataFull& operator[](int i);
  // Drops every slot; the next use builds fresh records (tests start from here).
  void Reset();

 private:
  std::array<std::unique_ptr<CCharDataFull>, kCharSlotCount> m_slots;
};

extern CCharSlots gCharSlots;

// The start-up defaults: every slot reset, then given the defaults of its index.
void InitCharacterSlots();
