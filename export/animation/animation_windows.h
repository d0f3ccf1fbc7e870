// What the animation stepping and its sheet ask of the windows: a drawing view that draws
// a frame's record into its picture, the windows around it refreshed after each frame,
// and the main frame showing the animation sheet. The views install theirs; until then no
// view is found and nothing is refreshed or shown.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

class CCharDataFull;

class AnimationFrameView {
 public:
  virtual ~AnimationFrameView() = default;
  // Draws frame (a copy of the window's record, set up for this frame) as a frame of an
  // animation into the window's picture and shows it there. false when the drawing failed.
  virtual bool PaintFrame(tmb::DeviceContext& dc, CCharDataFull& frame) = 0;
  // The window's picture, holding the frame last drawn.
  virtual const tmb::Surface& Picture() const = 0;
};

class AnimationWindows {
 public:
  virtual ~AnimationWindows() = default;
  // The drawing view of window kind (0 A, 2 B, -1 the current one); null when none.
  virtual AnimationFrameView* ViewOfKind(int /*kind*/) { return nullptr; }
  // After frame (the record window kind drew): the preview shows it, with cellPreview its
  // written cells in vertical order, and the window's settings pane is drawn again.
  virtual void RefreshAfterFrame(int /*kind*/, CCharDataFull& /*frame*/, int /*cellPreview*/) {}
  // The shape sheet shows the current drawing window's record again; its result.
  virtual int LoadShapeSheet() { return 0; }
  // Puts the canvas block of frame (the picture last drawn) on the clipboard and tells
  // the user; false when the user stops the animation there.
  virtual bool CopyFrameToClipboard(const tmb::Surface& /*frame*/, const tmb::Rect& /*canvas*/) { return true; }
  // The main frame shows the animation sheet at page (a tab number; -1 keeps the tab).
  virtual void ShowAnimationSheet(int /*page*/) {}
};

AnimationWindows& AnimWindows();
// Installs windows (not owned); nullptr restores the default.
void SetAnimationWindows(AnimationWindows* windows);

// Asks the main frame, through the installed windows, to show the sheet at page.
void OpenAnimationSheet(int page);
