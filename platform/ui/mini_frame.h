// A mini frame: a small tool window that floats above the main window and holds one
// widget, such as a property sheet. It has a caption with a close button, and Escape
// closes it as that button does, so it can be closed where no window manager draws one.
// A frame that grows with its content (a sheet turning to a taller page), is shown again
// or is centred keeps itself on the screen's available area, moving up and left as far as
// it must.
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
  // Centres the frame over its owner, within the screen.
  void CentreOnOwner();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Moves the frame (its outer edges) into the available area of its screen; a frame
  // larger than the area keeps its top left corner in it.
  void KeepOnScreen();

 private:
  QWidget* content_ = nullptr;
};

}  // namespace tmb::ui
