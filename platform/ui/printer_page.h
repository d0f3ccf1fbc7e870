// A page of a printer as the page renderer draws on it: the printable area in device
// pixels, and pictures stretched onto it through a painter that opens with the first one.
#pragma once

#include <QPainter>

#include "platform/gdi/page_context.h"

class QPrinter;

namespace tmb::ui {

class PrinterPage final : public PageContext {
 public:
  PrinterPage(QPrinter& printer, bool preview);
  ~PrinterPage() override;
  PrinterPage(const PrinterPage&) = delete;
  PrinterPage& operator=(const PrinterPage&) = delete;

  Size PageSize() const override;
  bool IsPreview() const override { return preview_; }
  bool StretchToPage(const Surface& source, const Rect& block, Size dest) override;

  // Sends what was drawn (nothing when nothing was).
  void Finish();
  // Withdraws the job: nothing drawn reaches the printer.
  void Abandon();

 private:
  QPrinter& printer_;
  QPainter painter_;
  bool preview_;
};

}  // namespace tmb::ui
