// A colour swatch: a field painted all over in one colour, read from its source at each
// paint, so that painting never asks for another paint. It takes the focus like an edit.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/gdi/geometry.h"

namespace tmb::ui {

class SwatchBox final : public QWidget {
 public:
  SwatchBox(std::function<Colour()> colour, QWidget* parent = nullptr);

  // Called when the swatch takes the focus.
  void SetFocusHandler(std::function<void()> handler) { onFocus_ = std::move(handler); }
  QSize sizeHint() const override { return {48, 20}; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  std::function<Colour()> colour_;
  std::function<void()> onFocus_;
};

}  // namespace tmb::ui
