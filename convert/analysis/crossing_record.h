// One crossing of two segments of a path, as the crossing searches record it.
#pragma once

#include "core/geometry/fpoint.h"

struct CCrossingRecord {
  int first = 0;   // index i of the first segment (points i, i + 1)
  int second = 0;  // index j of the second segment (points j, j + 1)
  int middle = 0;  // (i + j) / 2
  CFPoint crossing{0, 0};

  void Set(int i, int j, int mid, float x, float y) {
    first = i;
    second = j;
    middle = mid;
    crossing = CFPoint(x, y);
  }
};
