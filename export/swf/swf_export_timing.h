// The timing of an SWF animation: the frame rate and how many frames each picture is shown
// for, from the character's timing mode and its per-picture durations.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Timing modes of the animation parameters (entry 251).
constexpr int kSwfTimingFixedRate = 0;    // the rate from the first duration
constexpr int kSwfTimingDurations = 1;    // each picture for its own duration at 12 fps
constexpr int kSwfTimingOnePerFrame = -1; // one frame per picture at 12 fps
// An SWF file counts its frames in 16 bits.
constexpr int64_t kSwfMaxMovieFrames = 0xFFFF;

struct SwfTiming {
  int rate = 12;                // whole frames per second
  std::vector<int> repeats;     // frames per picture, each at least 1
  std::vector<int> backRepeats; // frames of the backwards run, pictures P - 2 down to 1
};

// The timing of pictures pictures. durations are hundredths of a second, one per picture;
// a picture without an entry takes the last one (none at all: 0). Mode 0: rate 100 / t
// from the first duration t (raised to 4, so at most 25); above 100 the rate is 1 and every
// picture repeats t / 100 times. Mode 1: duration x 12 / 100 frames, rounded, at least 1.
// Other modes: one frame each. When the whole movie (with the backwards run when
// backAndForth) would exceed 65,535 frames, the repeats are cut down in proportion.
SwfTiming ComputeSwfTiming(int mode, std::span<const int32_t> durations, int pictures, bool backAndForth);
