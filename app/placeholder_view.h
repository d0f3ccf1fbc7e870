// A pane that stands where a view of later work will go: it paints the window's
// background, so the windows have their real shape before their views exist.
#pragma once

#include <QString>

#include "platform/ui/view.h"

class PlaceholderView : public tmb::ui::View {
  Q_OBJECT

 public:
  // kind is the window kind the pane belongs to (taken from the frame being created).
  PlaceholderView(tmb::ui::Document* document, int viewClass, int kind, QString label, QWidget* parent);

  int kind() const { return kind_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int kind_;
  QString label_;
};
