#include "platform/ui/print_service.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "platform/ui/printer_page.h"

namespace tmb::ui {
namespace {

class DesktopPrinting final : public PrintService {
 public:
  bool ChoosePrinter(QPrinter& printer) override {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
  }
  void ShowPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) override {
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
  }
};

DesktopPrinting gDesktop;
PrintService* gService = &gDesktop;

// Ends the job however the print ends.
class JobScope {
 public:
  JobScope(PrintJob& job, bool preview) : job_(job) { job_.BeginPrinting(preview); }
  ~JobScope() { job_.EndPrinting(); }
  JobScope(const JobScope&) = delete;
  JobScope& operator=(const JobScope&) = delete;

 private:
  PrintJob& job_;
};

}  // namespace

PrintService& Printing() { return *gService; }

void SetPrintService(PrintService* service) { gService = service ? service : &gDesktop; }

bool PrintPageOn(QPrinter& printer, PrintJob& job, bool preview) {
  PrinterPage page(printer);
  if (job.PrintPage(page) < 1) {
    // A preview shows what it has; a print sends nothing rather than a blank page.
    if (!preview) page.Abandon();
    return false;
  }
  page.Finish();
  return true;
}

bool RunPrintJob(PrintJob& job, bool preview) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setResolution(kPrintResolution);
  printer.setFromTo(1, 1);
  if (!preview) {
    if (!Printing().ChoosePrinter(printer)) return false;
    JobScope scope(job, false);
    return PrintPageOn(printer, job, false);
  }
  JobScope scope(job, true);
  bool shown = false;
  Printing().ShowPreview(printer, [&job, &shown](QPrinter* target) {
    if (target) shown = PrintPageOn(*target, job, true) || shown;
  });
  return shown;
}

}  // namespace tmb::ui
