// Application-wide state of the brush-outline engine, shared by the documents of both
// drawing windows.
#pragma once

#include <array>

#include "core/record/char_data.h"
#include "core/record/param_block.h"

// The brush parameters of the last outline build; zero at start, so the first build with
// any listed parameter set rebuilds the points.
extern ParamBlock gOutlineParamCache;
// Set by the point preparation when the gap filling added temporary points (flag 255)
// that the engine removes after the cursive shaping.
extern int gDropFlaggedPoints;
// The exact position of every working point as the resampling filters computed it,
// before rounding; the gap filling keeps them in step with the points it inserts.
extern std::array<float, kMaxCharPoints> gResampleX;
extern std::array<float, kMaxCharPoints> gResampleY;

// Back to the state at start (tests begin here).
void ResetOutlineEngine();
