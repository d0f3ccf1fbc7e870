// The per-frame waits (1/100 s) the animation sheet edits: filled from the first, middle
// and last waits, spread evenly between two chosen frames, and given a usable wait when
// the frame count grows. Counts and frame numbers are kept inside the table given.
#pragma once

#include <array>
#include <cstdint>
#include <span>

// The wait a frame added by a larger frame count gets when it had none.
constexpr int kNewFrameWait = 30;

// The first, middle and last waits, in that order.
using SimpleWaits = std::array<int, 3>;

// Entry 0 := first, entries 1 .. count - 2 := middle, entry count - 1 := last, for count
// clamped to 0 .. waits.size() (0 writes nothing). Returns the count filled.
int FillWaitList(std::span<int32_t> waits, const SimpleWaits& simple, int count);
// The same from the three waits one by one.
int FillWaitList3(std::span<int32_t> waits, int first, int middle, int last, int count);

// With at least two frames selected, every frame strictly between the lowest and the
// highest selected gets the wait on the straight line between theirs (integer steps).
// Frames outside the table are ignored.
void SpreadWaits(std::span<int32_t> waits, std::span<const int> selected);

// Frames below count (clamped to the table) whose wait is 0 get kNewFrameWait.
void FillNewFrameWaits(std::span<int32_t> waits, int count);
