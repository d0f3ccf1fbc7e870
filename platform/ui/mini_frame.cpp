#include "platform/ui/mini_frame.h"

#include <QKeyEvent>
#include <QVBoxLayout>

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
  adjustSize();
  QRect area = owner->frameGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace tmb::ui
