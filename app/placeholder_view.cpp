#include "app/placeholder_view.h"

#include <QPainter>

#include "app/view_classes.h"
#include "core/state/draw_state.h"
#include "platform/ui/colour_chooser_dialog.h"

PlaceholderView::PlaceholderView(tmb::ui::Document* document, int viewClass, int kind, QString label,
                                 QWidget* parent)
    : tmb::ui::View(document, viewClass, parent), kind_(kind), label_(std::move(label)) {
  setObjectName(QStringLiteral("pane%1").arg(viewClass));
  setFocusPolicy(Qt::StrongFocus);
}

void PlaceholderView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  switch (viewClass()) {
    case kViewBmp:
    case kViewBmpl:
      p.fillRect(rect(), tmb::ui::ToQColor(gDrawState.m_crBackEdit));
      break;
    default:
      p.fillRect(rect(), palette().window());
      break;
  }
  p.setPen(palette().text().color());
  p.drawText(rect().adjusted(6, 6, -6, -6), Qt::AlignTop | Qt::AlignLeft, label_);
}
