// A mini frame: a small tool window that floats above the main window and holds one
// widget, such as a property sheet. It has a caption with a close button, and Escape
// closes it as that button does, so it can be closed where no window manager draws one.
#pragma once

#include <QWidget>

namespace tmb::ui {

class MiniFrame : public QWidget {
  Q_OBJECT

 public:
  MiniFrame(const QString& title, QWidget* owner);
  // Puts content (taken as a child) into the frame.
  void SetContent(QWidget* content);
  QWidget* content() const { return content_; }
  // Centres the frame over its owner.
  void CentreOnOwner();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* content_ = nullptr;
};

}  // namespace tmb::ui
