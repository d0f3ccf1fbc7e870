#include "core/state/animation_flags.h"

int gAnimationMode = 0;
int gFrameRecording = 0;
int gFramePlayback = 0;
