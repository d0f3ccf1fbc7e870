#include "app/settings/check_tool_bar.h"

#include <QAction>

namespace {

// Where a button keeps its style bits.
constexpr const char* kStyleProperty = "tmbButtonStyle";

}  // namespace

CCheckToolBar::CCheckToolBar(QWidget* parent) : QToolBar(parent) {
  setContentsMargins(kBorder, kBorder, kBorder, kBorder);
}

bool CCheckToolBar::SetColumns(int n) {
  // A row of no buttons would divide by zero.
  if (n < 1) return false;
  m_nColumns = n;
  const QList<QAction*> buttons = actions();
  for (int i = 0; i < buttons.size(); ++i) {
    int style = buttons[i]->property(kStyleProperty).toInt();
    style = (i + 1) % n == 0 ? style | kStyleWrapped : style & ~kStyleWrapped;
    buttons[i]->setProperty(kStyleProperty, style);
  }
  update();
  if (parentWidget()) parentWidget()->updateGeometry();
  return true;
}

int CCheckToolBar::ButtonStyle(int i) const {
  const QList<QAction*> buttons = actions();
  return i >= 0 && i < buttons.size() ? buttons[i]->property(kStyleProperty).toInt() : 0;
}
