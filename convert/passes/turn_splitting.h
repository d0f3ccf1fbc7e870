// Turn splitting, a step of the main linking: a stroke that turns back up and to the left,
// or rises into a link with the next stroke, is written by a fast brush as two movements.
// The step labels such turns in the flags for the width pass; no point moves.
#pragma once

#include <cstdint>

class CStrokeWork;

constexpr uint8_t kFlagTurnBefore = 'B';    // the last point before the turn
constexpr uint8_t kFlagTurnAfter = 'C';     // the first point after it
constexpr uint8_t kFlagRiseIntoLink = 'E';  // the start of the run a rise leads into

// Walks the coded points (flag 3 to 127) of every segment longer than the length scale
// (parameter 3), measured from the start of the point's stroke in reference (the driver's
// copy from before the linking). A turn up and to the left that is not nearly level, or a
// rise into the next run that bulges upwards by more than an eighth of its chord, gets
// 'B' before it and 'C' after it (no 'C' on the segment's last point), a rise also 'E' at
// the run it leads into; the codes inside the turn are cleared. A turn that starts with
// its segment keeps the segment's start flag in place of 'B', and a code on a segment's
// last point starts no turn. Returns 1.
int SplitTurns(CStrokeWork& path, const CStrokeWork& reference);
