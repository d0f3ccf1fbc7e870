#include "platform/ui/printer_page.h"

#include <QPrinter>

#include "platform/ui/print_service.h"
#include "platform/ui/surface_image.h"

namespace tmb::ui {

PrinterPage::PrinterPage(QPrinter& printer) : printer_(printer) {}

PrinterPage::~PrinterPage() { Finish(); }

Size PrinterPage::PageSize() const {
  const QRect r = printer_.pageLayout().paintRectPixels(kPrintResolution);
  return {r.width(), r.height()};
}

bool PrinterPage::StretchToPage(const Surface& source, const Rect& block, Size dest) {
  if (source.IsNull() || block.IsEmpty() || dest.cx <= 0 || dest.cy <= 0) return false;
  if (Rect::Intersection(block, source.Bounds()) != block) return false;
  if (!painter_.isActive() && !painter_.begin(&printer_)) return false;
  // The page's pixels are those of 300 dpi: the printer's own may be finer.
  const double f = double(printer_.resolution()) / kPrintResolution;
  painter_.drawImage(QRectF(0, 0, dest.cx * f, dest.cy * f), ImageOfSurface(source),
                     QRectF(block.left, block.top, block.Width(), block.Height()));
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
