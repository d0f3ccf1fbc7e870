// The data of the region dialog: the region as corners and sizes, kept consistent as the
// user edits any of them, and the recorded regions. The dialog window binds to it.
#pragma once

#include <functional>

#include "imageedit/editor/point_array_pair.h"
#include "platform/gdi/geometry.h"

// Capacity of the recorded-region list (it holds one fewer).
constexpr int kAreaListCapacity = 50;

struct CAreaSettingState {
  // Which edit lost the focus: the dialog's control ids.
  enum Field { kWidth = 356, kHeight = 357, kLeft = 303, kRight = 358, kTop = 262, kBottom = 359 };

  int m_nTarget = 1;  // 1 the image editor, else the preview
  unsigned m_nWidth = 0, m_nHeight = 0;
  unsigned m_nLeft = 0, m_nRight = 0, m_nTop = 0, m_nBottom = 0;
  int m_bListFilled = 0;
  int m_bResult = 0;
  CPointArrayPair m_boxes;

  // The rules of an edit losing the focus: width and left set the right edge, height and
  // top the bottom; right and bottom first order both pairs, then give the sizes.
  void OnFieldChanged(int field);
  tmb::Rect Region() const { return {int(m_nLeft), int(m_nTop), int(m_nRight), int(m_nBottom)}; }
  // Takes a region into the six values (ordered, with its sizes).
  void SetRegion(tmb::Rect region);
  // Keeps the region on a paper of width x height: both pairs ordered, the edges within
  // the paper, the sizes following them.
  void KeepInside(int width, int height);
  // Records the region: false (after a beep, and 62059 for the image editor) when there
  // is no valid region or it is recorded already.
  bool Record(bool valid, const tmb::Rect& region);
};

// The dialog window: runs modally on the state and returns the button that ended it.
using AreaSettingRunner = std::function<int(CAreaSettingState&)>;
void SetAreaSettingRunner(AreaSettingRunner runner);

// The state the dialog works on, kept between runs.
CAreaSettingState& AreaSettingState();

// Runs the region dialog on the corners: they and the drawing state's recorded regions
// come back changed unless it was cancelled. Returns whether it was not.
bool RunAreaSettingDialog(tmb::Point& corner1, tmb::Point& corner2, int mode);
