// Animation state that the engines read while frames are stepped, recorded or played.
#pragma once

// The application-wide animation mode kept by the animation stepping.
extern int gAnimationMode;
// Frame recording and frame playback of the animation output are on.
extern int gFrameRecording;
extern int gFramePlayback;
