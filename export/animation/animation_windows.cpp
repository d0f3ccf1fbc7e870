#include "export/animation/animation_windows.h"

namespace {

AnimationWindows gNone;
AnimationWindows* gWindows = &gNone;

}  // namespace

AnimationWindows& AnimWindows() { return *gWindows; }

void SetAnimationWindows(AnimationWindows* windows) { gWindows = windows ? windows : &gNone; }

void OpenAnimationSheet(int page) { gWindows->ShowAnimationSheet(page); }
