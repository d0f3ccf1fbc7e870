#include "imageedit/view/zoom_cursor.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kSide = 32;
// Half the side of the square around the hot spot, and where the cross's arms end.
constexpr int kSquare = 3;
constexpr int kArmGap = 6;
constexpr int kArmEnd = 14;

void Arms(QPainter& p) {
  constexpr int c = kZoomCursorHotSpot;
  p.drawLine(c - kArmEnd, c, c - kArmGap, c);
  p.drawLine(c + kArmGap, c, c + kArmEnd, c);
  p.drawLine(c, c - kArmEnd, c, c - kArmGap);
  p.drawLine(c, c + kArmGap, c, c + kArmEnd);
  p.drawRect(c - kSquare, c - kSquare, 2 * kSquare, 2 * kSquare);
}

}  // namespace

QCursor ZoomPaintCursor() {
  QPixmap pixmap(kSide, kSide);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  Arms(p);
  p.setPen(QPen(Qt::black, 1));
  Arms(p);
  p.end();
  return QCursor(pixmap, kZoomCursorHotSpot, kZoomCursorHotSpot);
}
