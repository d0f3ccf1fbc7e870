#include "platform/ui/printer_page.h"

#include <QPrinter>

#include "platform/ui/surface_image.h"

namespace tmb::ui {

PrinterPage::PrinterPage(QPrinter& printer, bool preview) : printer_(printer), preview_(preview) {}

PrinterPage::~PrinterPage() { Finish(); }

Size PrinterPage::PageSize() const {
  const QRect r = printer_.pageLayout().paintRectPixels(printer_.resolution());
  return {r.width(), r.height()};
}

bool PrinterPage::StretchToPage(const Surface& source, const Rect& block, Size dest) {
  if (source.IsNull() || block.IsEmpty() || dest.cx <= 0 || dest.cy <= 0) return false;
  if (Rect::Intersection(block, source.Bounds()) != block) return false;
  if (!painter_.isActive() && !painter_.begin(&printer_)) return false;
  painter_.drawImage(QRect(0, 0, dest.cx, dest.cy), ImageOfSurface(source),
                     QRect(block.left, block.top, block.Width(), block.Height()));
  return true;
}

void PrinterPage::Finish() {
  if (painter_.isActive()) painter_.end();
}

void PrinterPage::Abandon() {
  if (!painter_.isActive()) return;
  printer_.abort();
  painter_.end();
}

}  // namespace tmb::ui
