// Where straight lines are drawn with move-to and line-to, as guide grids draw them. The
// graphics layer adapts its device contexts to it.
#pragma once

class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void MoveTo(int x, int y) = 0;
  // Draws from the current position to (x, y), which becomes the current position.
  virtual void LineTo(int x, int y) = 0;
};
