// What the image editing view asks of the window that shows it: the client area and its
// scrolling, the mouse capture, cursors, the main frame's commands, the popup menu, the
// pictures of the other windows and the zoom window. The default answers are those of a
// view with no window, so the editor's operations run headless; the Qt view installs the
// real ones and later windows (zoom, preview, printing) fill in their calls.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

class CCharData;

class CBmpViewHost {
 public:
  virtual ~CBmpViewHost() = default;

  // A context on the window's surface in logical coordinates (the scroll position taken
  // off); without a window it has no surface and draws nothing.
  virtual void PrepareClientDC(tmb::DeviceContext& dc) { dc.SelectSurface(nullptr); }
  // What was drawn on the client context is to reach the screen.
  virtual void ShowDrawn() {}
  // The client area in logical coordinates.
  virtual tmb::Rect ClientRectLogical() const { return {}; }
  // The scroll position (logical coordinates of the client's top-left).
  virtual tmb::Point ScrollPosition() const { return {}; }
  // Scrolls by dx, dy units as far as the range allows; whether anything moved.
  virtual bool ScrollBy(int /*dx*/, int /*dy*/) { return false; }
  // Horizontal scroll to the right end of the range (0 when the client is wider).
  virtual void ScrollToRightEnd() {}
  // The pointer in logical coordinates.
  virtual tmb::Point CursorPosition() const { return {}; }
  virtual void SetCapture(bool /*on*/) {}
  // The cursor follows the view's state again (wait, edge, inside, mode).
  virtual void UpdateCursor() {}
  // A command to the main frame.
  virtual void SendCommand(int /*id*/) {}
  // The editor's popup menu at the logical point.
  virtual void ShowPopupMenu(tmb::Point /*logical*/) {}
  // Brings the image editor's frame forward.
  virtual void ActivateEditor() {}

  // The picture of the window of kind (0, 2 the drawing windows, 3 the preview) and the
  // rectangle of it that the window's region names; null when that window has none.
  virtual tmb::Surface* WindowPicture(int /*kind*/) { return nullptr; }
  virtual tmb::Rect WindowRegion(int /*kind*/) { return {}; }
  // The character record of window kind: which 0 the drawn one, 1 the working one; null
  // for a window without characters.
  virtual CCharData* WindowRecord(int /*kind*/, int /*which*/) { return nullptr; }
  // The paper colour of window kind's character (fallback for a window without one).
  virtual tmb::Colour WindowBackground(int /*kind*/, tmb::Colour fallback) { return fallback; }

  // The zoom window: scroll to the pointer, redraw around the last painted point.
  virtual void FollowInZoomView() {}
  virtual void NotifyZoomPoint() {}
  // Printing: renders the page of the picture on dc.
  virtual void RenderPrintPage(tmb::DeviceContext& /*dc*/) {}
  // The image effects: refresh their sample after the picture was cleared.
  virtual void RefreshEffectSample() {}
};
