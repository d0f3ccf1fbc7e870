// The scroll bar of one row of the settings panel: a horizontal bar whose position and
// range the panel sets without the bar reporting them back as user actions.
#pragma once

#include <QScrollBar>

class CSetScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit CSetScrollBar(QWidget* parent = nullptr);

  // The bar repaints itself when it changes, so redraw only says the caller wants to see it.
  void SetPos(int pos, bool redraw = true);
  void SetRange(int min, int max, bool redraw = true);
};
