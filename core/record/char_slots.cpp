#include "core/record/char_slots.h"

#include <algorithm>

CCharSlots gCharSlots;

CCharDataFull& CCharSlots::operator[](int i) {
  std::unique_ptr<CCharDataFull>& slot = m_slots[std::clamp(i, 0, kCharSlotCount - 1)];
  if (!slot) slot = std::make_unique<CCharDataFull>();
  return *slot;
}

void CCharSlots::Reset() {
  for (auto& slot : m_slots) slot.reset();
}

void InitCharacterSlots() {
  for (int i = 0; i < kCharSlotCount; ++i) {
    gCharSlots[i].ResetSettings();
    gCharSlots[i].SetDefaultsBySlot(i);
  }
}
