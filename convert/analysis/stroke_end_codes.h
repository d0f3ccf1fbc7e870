// The codes the main linking writes at corners and turning points inside strokes (beside
// the corner flag 3 it keeps), which the trimming and width passes act on.
#pragma once

#include <cstdint>

constexpr uint8_t kFlagFold = 5;        // a corner written as a fold
constexpr uint8_t kFlagEndTurn = 21;    // a turning point near the end, going on sideways
constexpr uint8_t kFlagTurnInto = 22;   // a turning point into a rising, falling or linked run
constexpr uint8_t kFlagStartTurn = 25;  // a corner close after a segment start
constexpr uint8_t kFlagShortTail = 26;  // a turning point with a short tail near the end
