#include "platform/ui/mini_frame.h"

#include <QVBoxLayout>

namespace tmb::ui {

MiniFrame::MiniFrame(const QString& title, QWidget* owner) : QWidget(owner, Qt::Tool) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
}

void MiniFrame::SetContent(QWidget* content) {
  delete content_;
  content_ = content;
  layout()->addWidget(content);
}

void MiniFrame::CentreOnOwner() {
  QWidget* owner = parentWidget();
  if (!owner) return;
  adjustSize();
  QRect area = owner->frameGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace tmb::ui
