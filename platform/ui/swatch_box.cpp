#include "platform/ui/swatch_box.h"

#include <QPainter>

#include "platform/ui/colour_chooser_dialog.h"

namespace tmb::ui {

SwatchBox::SwatchBox(std::function<Colour()> colour, QWidget* parent) : QWidget(parent), colour_(std::move(colour)) {
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(24, 16);
}

void SwatchBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(colour_ ? colour_() : 0));
}

void SwatchBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (onFocus_) onFocus_();
}

void SwatchBox::mousePressEvent(QMouseEvent*) { setFocus(Qt::MouseFocusReason); }

}  // namespace tmb::ui
