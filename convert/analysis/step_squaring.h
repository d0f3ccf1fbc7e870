// Step squaring: the slanted runs of a stroke between the points where its direction
// reverses, and how each run becomes an L-shaped step of one level and one upright leg.
#pragma once

#include <cstdint>
#include <span>

#include "core/geometry/fpoint.h"

class CStrokePath;

// One slanted run found by CStrokeWork::SquareStrokeSteps.
struct CStepRecord {
  CFPoint corner{0, 0};     // where the run starts (moved by the widening)
  int32_t index = 0;        // the point index where the run starts
  int32_t side = 0;         // -1 when more of its points lie below its chord than above, else 1
  int32_t verticalFirst = 0;  // 1: the step goes upright first, then level; 0 level first
  int32_t strokeBreak = 0;  // 1 on the first record after a stroke start
};

// The second half of the squaring over records [0, n): with amount other than 1 every
// record that has one of its stroke before and after it moves its corner by amount - 1
// along its second leg's axis, away from the corner before it (snap keeps the move short
// of the other runs, LimitStepShift); then every run with a record of its stroke after it
// and a slanted chord has its points moved onto the nearer leg of its step.
void SquareStepRuns(CStrokePath& path, std::span<CStepRecord> records, int n, int amount, int snap);

// shift, cut back to where the line through any other pair of consecutive corners
// (records r and r + 1, neither a neighbour of record i) meets the line through corner i
// along axis (0 x, 1 y), when that lies on the shift's side and nearer. Computed in
// double: nearly parallel lines meet far away and never shorten the shift.
int LimitStepShift(std::span<const CStepRecord> records, int n, int i, int shift, int axis);
