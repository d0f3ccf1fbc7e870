// The scrolled area of the drawing view: its viewport shows the view's window surface,
// and what reaches the area (paints, resizes, scrolling, focus, keys) goes on to the view.
#pragma once

#include "platform/ui/surface_scroll_area.h"

class CTmbView;

class CTmbViewArea final : public tmb::ui::SurfaceScrollArea<CTmbView> {
  Q_OBJECT

 public:
  explicit CTmbViewArea(CTmbView* view);

 protected:
  // Button presses, releases and moves go to the view's handlers in device pixels.
  bool ViewportMouse(const QMouseEvent& event) override;
  std::optional<bool> OtherViewportEvent(QEvent& event) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};
