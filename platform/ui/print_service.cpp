#include "platform/ui/print_service.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "platform/file/safe_save.h"
#include "platform/service/messages.h"
#include "platform/ui/printer_page.h"
#include "resources/string_table.h"

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

constexpr int kMsgFileNotWritten = 62047;
// A document's end-of-file mark, which closes the last bytes of a complete PDF.
constexpr std::string_view kPdfEndMark = "%%EOF";
constexpr size_t kPdfTailSize = 1024;

void TellNotWritten(const std::filesystem::path& target) {
  Messages().Show(kMsgFileNotWritten, LoadStringText(kMsgFileNotWritten) + "\n" + target.string(), kMsgOk);
}

// Whether the PDF at path got as far as its end-of-file mark: the printer's writer does
// not tell of a write that failed (a full disk), a cut-off file shows it.
bool PdfIsComplete(const std::filesystem::path& path) {
  BinaryFile file;
  if (!file.Open(path, BinaryFile::Mode::kRead)) return false;
  const int64_t size = file.Size();
  const int64_t tail = std::min<int64_t>(size, int64_t(kPdfTailSize));
  std::array<char, kPdfTailSize> bytes{};
  if (tail <= 0 || !file.Seek(size - tail) || !file.Read(bytes.data(), size_t(tail))) return false;
  return std::string_view(bytes.data(), size_t(tail)).find(kPdfEndMark) != std::string_view::npos;
}

// Printing into a file: the page goes to a temporary file beside it, which replaces the
// file only once it is complete, so a failed print leaves the previous file whole.
bool PrintPageToFile(QPrinter& printer, PrintJob& job) {
  const QString name = printer.outputFileName();
  const std::filesystem::path target = std::filesystem::u8path(name.toStdString());
  SafeSave save(target);
  if (!save.Begin()) {
    TellNotWritten(target);
    return false;
  }
  printer.setOutputFileName(QString::fromStdString(save.temporary().string()));
  const bool printed = PrintPageOn(printer, job, false);
  printer.setOutputFileName(name);
  if (!printed) return false;
  if (!PdfIsComplete(save.temporary()) || !save.Commit()) {
    TellNotWritten(target);
    return false;
  }
  return true;
}

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
  if (!job.CanPrint()) return false;
  QPrinter printer(QPrinter::HighResolution);
  printer.setResolution(kPrintResolution);
  printer.setFromTo(1, 1);
  printer.setDocName(QString::fromStdString(job.DocumentName()));
  if (!preview) {
    if (!Printing().ChoosePrinter(printer)) return false;
    JobScope scope(job, false);
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
      return PrintPageToFile(printer, job);
    }
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
