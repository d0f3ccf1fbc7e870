// The scrolled area of a view that paints its window surface into the viewport: the
// area owns the routing of the viewport's paints, resizes and mouse events to the view,
// so each view says only what it does with them.
#pragma once

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMouseEvent>
#include <optional>

namespace tmb::ui {

// View must offer PaintViewport() and OnViewportResized().
template <class View>
class SurfaceScrollArea : public QAbstractScrollArea {
 public:
  explicit SurfaceScrollArea(View* view) : QAbstractScrollArea(view), view_(view) {
    setFrameShape(QFrame::NoFrame);
    // The view paints every pixel of the viewport from its window surface.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  }
  // The view is going: nothing more goes on to it.
  void Detach() { view_ = nullptr; }

 protected:
  bool viewportEvent(QEvent* event) override {
    if (!view_) return QAbstractScrollArea::viewportEvent(event);
    switch (event->type()) {
      case QEvent::Paint:
        view_->PaintViewport();
        return true;
      case QEvent::Resize:
        view_->OnViewportResized();
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseMove:
        if (ViewportMouse(*static_cast<QMouseEvent*>(event))) return true;
        break;
      default:
        if (const std::optional<bool> handled = OtherViewportEvent(*event)) return *handled;
        break;
    }
    return QAbstractScrollArea::viewportEvent(event);
  }

  // A button press, double click, release or move over the viewport; false leaves it to
  // the scroll area.
  virtual bool ViewportMouse(const QMouseEvent& event) = 0;
  // Any other viewport event; an answer ends it there, none leaves it to the scroll area.
  virtual std::optional<bool> OtherViewportEvent(QEvent&) { return std::nullopt; }

  View* view_;
};

}  // namespace tmb::ui
