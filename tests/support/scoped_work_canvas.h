// The work canvas at a paper size with its bitmaps for the length of a test, and back at
// its start afterwards.
#pragma once

#include <gtest/gtest.h>

#include "core/canvas/work_canvas.h"

namespace tmb::test {

class ScopedWorkCanvas {
 public:
  ScopedWorkCanvas(int width, int height, int maxPoints = 32000) {
    gWorkCanvas.Reset();
    gWorkCanvas.Init(width, height, "", maxPoints, 0, 0);
    EXPECT_EQ(gWorkCanvas.CreateBitmaps(&screen), 1);
  }
  ~ScopedWorkCanvas() { gWorkCanvas.Reset(); }
  ScopedWorkCanvas(const ScopedWorkCanvas&) = delete;
  ScopedWorkCanvas& operator=(const ScopedWorkCanvas&) = delete;

  DeviceContext screen;  // the display the bitmaps are made for
};

}  // namespace tmb::test
