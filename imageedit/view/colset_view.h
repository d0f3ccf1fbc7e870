// A view of the image editor's module that shows nothing: its drawing only looks up its
// document. It keeps no state and handles no message.
#pragma once

#include "platform/ui/view.h"

class QPaintEvent;

class CColset : public tmb::ui::View {
  Q_OBJECT

 public:
  CColset(tmb::ui::Document* document, int viewClass, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
