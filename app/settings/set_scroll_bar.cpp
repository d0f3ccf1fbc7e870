#include "app/settings/set_scroll_bar.h"

#include <QSignalBlocker>

namespace {

// The steps the panel's value arithmetic expects of its scale of 100.
constexpr int kLineStep = 1;
constexpr int kPageStep = 10;

}  // namespace

CSetScrollBar::CSetScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  setSingleStep(kLineStep);
  setPageStep(kPageStep);
  setFocusPolicy(Qt::NoFocus);
}

void CSetScrollBar::SetPos(int pos, bool redraw) {
  const QSignalBlocker quiet(this);
  setValue(pos);
  if (redraw) update();
}

void CSetScrollBar::SetRange(int min, int max, bool redraw) {
  const QSignalBlocker quiet(this);
  setRange(min, max);
  if (redraw) update();
}
