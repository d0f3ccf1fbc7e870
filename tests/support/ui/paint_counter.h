// Counts the paint events of the widgets it watches, from Watch until it goes.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <vector>

namespace tmb::test {

class PaintCounter final : public QObject {
 public:
  PaintCounter() = default;
  ~PaintCounter() override {
    for (const QPointer<QObject>& w : watched_) {
      if (w) w->removeEventFilter(this);
    }
  }
  PaintCounter(const PaintCounter&) = delete;
  PaintCounter& operator=(const PaintCounter&) = delete;

  void Watch(QObject* widget) {
    widget->installEventFilter(this);
    watched_.emplace_back(widget);
  }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }

  int paints = 0;

 private:
  std::vector<QPointer<QObject>> watched_;
};

}  // namespace tmb::test
