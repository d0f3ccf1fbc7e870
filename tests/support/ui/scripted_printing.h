// Printing for tests: no dialog, a PDF printer. Without a file to print to, the printer
// dialog is cancelled and the preview closes unpainted.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <string>

#include "platform/ui/print_service.h"

namespace tmb::test {

class ScriptedPrinting final : public ui::PrintService {
 public:
  ScriptedPrinting() { ui::SetPrintService(this); }
  ~ScriptedPrinting() override { ui::SetPrintService(nullptr); }

  bool ChoosePrinter(QPrinter& printer) override {
    ++choices;
    if (pdfPath.empty()) return false;
    ToPdf(printer, pdfPath);
    return true;
  }
  void ShowPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) override {
    ++previews;
    if (previewPath.empty()) return;
    ToPdf(printer, previewPath);
    paint(&printer);
  }

  std::string pdfPath;      // where a print goes; empty: the printer dialog is cancelled
  std::string previewPath;  // where the preview paints; empty: closed without painting
  int choices = 0;
  int previews = 0;

 private:
  // An A4 page without margins: about 2,480 x 3,508 pixels at 300 dpi.
  static void ToPdf(QPrinter& printer, const std::string& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  }
};

}  // namespace tmb::test
