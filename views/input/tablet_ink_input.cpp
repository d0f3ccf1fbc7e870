#include "views/input/tablet_ink_input.h"

#include "convert/driver/tablet_ink.h"

int AttachTabletInk(CTmbView& view, int index) {
  if (index != 0 && index != 1) return 0;
  return gInkSamples[size_t(index)].Attach(&view, index);
}

void DetachTabletInk(int index) {
  if (index == 0 || index == 1) gInkSamples[size_t(index)].Detach();
}

void SetTabletPenColour(tmb::Colour colour) {
  if (!gInkActive) return;
  for (CTabletInk& ink : gInkSamples) ink.SetPenAttributes(1, colour);
}
