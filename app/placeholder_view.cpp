#include "app/placeholder_view.h"

#include <QPainter>

#include "app/view_classes.h"
#include "core/state/draw_state.h"

namespace {

QColor FromColour(tmb::Colour c) { return QColor(tmb::RedOf(c), tmb::GreenOf(c), tmb::BlueOf(c)); }

}  // namespace

PlaceholderView::PlaceholderView(tmb::ui::Document* document, int viewClass, int kind, QString label,
                                 QWidget* parent)
    : tmb::ui::View(document, viewClass, parent), kind_(kind), label_(std::move(label)) {
  setObjectName(QStringLiteral("pane%1").arg(viewClass));
  setFocusPolicy(Qt::StrongFocus);
}

void PlaceholderView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  switch (viewClass()) {
    case kViewTmb: {
      p.fillRect(rect(), FromColour(kind_ == kKindDrawB ? gDrawState.m_crBackB : gDrawState.m_crBackA));
      QRect paper(gDrawState.m_ptCanvasOrigin.x, gDrawState.m_ptCanvasOrigin.y, gDrawState.m_sizeCanvas.cx,
                  gDrawState.m_sizeCanvas.cy);
      p.fillRect(paper, Qt::white);
      p.setPen(QColor(0x40, 0x40, 0x40));
      p.drawRect(paper.adjusted(0, 0, -1, -1));
      break;
    }
    case kViewPre:
      p.fillRect(rect(), FromColour(gDrawState.m_crBackPreview));
      break;
    case kViewBmp:
    case kViewBmpl:
      p.fillRect(rect(), FromColour(gDrawState.m_crBackEdit));
      break;
    case kViewList:
      p.fillRect(rect(), palette().base());
      break;
    default:
      p.fillRect(rect(), palette().window());
      break;
  }
  p.setPen(palette().text().color());
  p.drawText(rect().adjusted(6, 6, -6, -6), Qt::AlignTop | Qt::AlignLeft, label_);
}
