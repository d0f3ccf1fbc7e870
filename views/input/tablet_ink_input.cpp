#include "views/input/tablet_ink_input.h"

int gInkAvailable = 0;
tmb::Colour gInkPenColour = 0;

int AttachTabletInk(CTmbView& /*view*/, int /*index*/) {
  gInkAvailable = 0;
  return 0;
}

void DetachTabletInk(int /*index*/) {}

void SetTabletPenAttributes(int /*index*/, int /*width*/, tmb::Colour /*colour*/) {}
