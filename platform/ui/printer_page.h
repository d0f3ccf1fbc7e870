// A page of a printer as the page renderer draws on it: the printable area in pixels of
// 300 dpi whatever the printer's own resolution, and pictures stretched onto it through a
// painter that opens with the first one.
#pragma once

#include <QPainter>

#include "platform/gdi/page_context.h"

class QPrinter;

namespace tmb::ui {

class PrinterPage final : public PageContext {
 public:
  explicit PrinterPage(QPrinter& printer);
  ~PrinterPage() override;
  PrinterPage(const PrinterPage&) = delete;
  PrinterPage& operator=(const PrinterPage&) = delete;

  Size PageSize() const override;
  bool StretchToPage(const Surface& source, const Rect& block, Size dest) override;

  // Sends what was drawn (nothing when nothing was).
  void Finish();
  // Withdraws the job: nothing drawn reaches the printer.
  void Abandon();

 private:
  QPrinter& printer_;
  QPainter painter_;
};

}  // namespace tmb::ui
