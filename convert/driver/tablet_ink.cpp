#include "convert/driver/tablet_ink.h"

std::array<int, 2> gInkModes{kInkMerge, kInkMerge};

namespace {

CTabletInk gNoInk;
std::array<CTabletInk*, 2> gInks{&gNoInk, &gNoInk};

}  // namespace

CTabletInk& TabletInkOf(int window) {
  if (window < 0 || window >= static_cast<int>(gInks.size())) return gNoInk;
  return *gInks[window];
}

void SetTabletInk(int window, CTabletInk* ink) {
  if (window < 0 || window >= static_cast<int>(gInks.size())) return;
  gInks[window] = ink ? ink : &gNoInk;
}
