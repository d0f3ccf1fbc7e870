// Loop marks: where a stroke crosses itself (a loop written in one movement), the points
// that enter and leave the loop get the kept-point flags, so the loop survives the
// conversion.
#pragma once

#include <cstdint>

class CStrokePath;

constexpr uint8_t kFlagLoopEntry = 62;  // '>'
constexpr uint8_t kFlagLoopExit = 63;   // '?'

// Marks the loops of every section of path (a section runs from a point flagged 1 to 126,
// but not 3, to the point before the next flag other than 0 and 3). Positions do not
// change, and stroke starts (flag 1) are never overwritten. Returns 1.
int FlagStrokeLoops(CStrokePath& path);
