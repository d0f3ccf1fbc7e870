// The ink that pen input collects in each drawing window, as the conversion merges it
// into a character. The pen input installs the real ink of a window; the default holds no
// ink (there is no tablet ink on this platform yet).
#pragma once

#include <array>
#include <string>

#include "core/geometry/fpoint.h"

class CStrokeWork;

class CTabletInk {
 public:
  virtual ~CTabletInk() = default;
  // The number of ink points collected.
  virtual int InkPointCount() const { return 0; }
  // Moves every collected ink stroke by offset.
  virtual void OffsetInk(CFPoint offset, int value) {
    (void)offset;
    (void)value;
  }
  // Appends the collected ink to path as points of the screen's canvas coordinates.
  virtual void CopyInkToStrokes(CStrokeWork& path) { (void)path; }
  // Deletes the collected ink (while ink input is active). Returns 1.
  virtual int ClearInk() { return 1; }
  // The text the handwriting recogniser reads in the ink of overlay marks [first, end).
  virtual std::string RecognizeText(int first, int end) {
    (void)first;
    (void)end;
    return {};
  }
};

// What a conversion does with the collected ink of a window.
enum InkMode {
  kInkMerge = 0,    // merged into the character, then cleared: it has become strokes
  kInkDiscard = 1,  // cleared
  kInkLeave = 2,    // left alone
};

// The ink mode of each drawing window (0 = A, 1 = B); pen input sets kInkMerge.
extern std::array<int, 2> gInkModes;

// The ink of window 0 or 1 (any other index gets an empty one).
CTabletInk& TabletInkOf(int window);
// Installs the ink of a window (not owned); nullptr restores the empty one.
void SetTabletInk(int window, CTabletInk* ink);
