#include "platform/ui/mini_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace tmb::ui {

MiniFrame::MiniFrame(const QString& title, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
}

void MiniFrame::SetContent(QWidget* content) {
  delete content_;
  content_ = content;
  layout()->addWidget(content);
}

void MiniFrame::keyPressEvent(QKeyEvent* event) {
  // Reaches the frame when no control of its content took the key.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void MiniFrame::CentreOnOwner() {
  QWidget* owner = parentWidget();
  if (!owner) return;
  // A page just chosen or a frame just shown has its size still to come: the pending
  // layouts run first, so the frame is centred at its final size.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  adjustSize();
  QRect area = owner->frameGeometry();
  // move() places the frame's outer corner: its outer size is the one centred.
  const QSize size = frameGeometry().size();
  move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
  KeepOnScreen();
}

void MiniFrame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A frame grows downwards and to the right from where it stands: a sheet turning to a
  // taller page would push its buttons off the bottom of a small screen.
  const QSize old = event->oldSize();
  if (old.isValid() && (event->size().width() > old.width() || event->size().height() > old.height())) KeepOnScreen();
}

void MiniFrame::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A hidden frame that grew (its sheet brought a taller page in front for its next
  // showing) learns of its new size only now, with no old size to compare.
  KeepOnScreen();
}

void MiniFrame::KeepOnScreen() {
  const QScreen* shown = screen();
  if (!shown) return;
  const QRect area = shown->availableGeometry();
  const QRect outer = frameGeometry();
  const int x = std::max(area.left(), std::min(outer.left(), area.right() - outer.width() + 1));
  const int y = std::max(area.top(), std::min(outer.top(), area.bottom() - outer.height() + 1));
  if (x != outer.left() || y != outer.top()) move(x, y);
}

}  // namespace tmb::ui
