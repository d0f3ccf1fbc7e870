// The scrolled area of the drawing view: its viewport shows the view's window surface,
// and what reaches the area (paints, resizes, scrolling, focus, keys) goes on to the view.
#pragma once

#include <QAbstractScrollArea>

class CTmbView;
class QMouseEvent;

class CTmbViewArea final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit CTmbViewArea(CTmbView* view);
  // The view is going: nothing more goes on to it.
  void Detach() { view_ = nullptr; }

 protected:
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  // Button presses, releases and moves go to the view's handlers in device pixels.
  void MouseEvent(const QMouseEvent& event);

  CTmbView* view_;
};
