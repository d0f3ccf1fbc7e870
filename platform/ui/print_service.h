// Printing and print preview: a job of one page printed on a printer at 300 dpi, with the
// printer dialog and the preview window behind a service that tests replace (a PDF
// printer and no dialog).
#pragma once

#include <functional>
#include <string>

#include "platform/gdi/page_context.h"

class QPrinter;

namespace tmb::ui {

// What a printing window does around its page. Begin and End come in pairs: End also
// follows a page that failed and a preview that was cancelled.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  // Whether there is a page to print; when not, the job has told the user why, and no
  // printer is asked for and no preview shown.
  virtual bool CanPrint() { return true; }
  // What the job is called where the user finds it: the printer's queue, a PDF's title.
  virtual std::string DocumentName() = 0;
  virtual void BeginPrinting(bool preview) = 0;
  // Draws the page: 1 printed, 0 nothing printed, -1 stopped by the user. A preview may
  // ask for the page several times.
  virtual int PrintPage(PageContext& page) = 0;
  virtual void EndPrinting() = 0;
};

class PrintService {
 public:
  virtual ~PrintService() = default;
  // Lets the user choose and set up the printer; false when cancelled.
  virtual bool ChoosePrinter(QPrinter& printer) = 0;
  // Shows the pages paint draws on the printer it is given until the user closes the
  // preview.
  virtual void ShowPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) = 0;
};

// The desktop's printer dialog and preview window until another service is installed.
PrintService& Printing();
void SetPrintService(PrintService* service);

// Dots per inch of the printed page: a colour A4 page at 1,200 dpi would take 557 MB.
constexpr int kPrintResolution = 300;

// Prints (or previews) job, when it can print. A print asks for the printer first; a cancel there ends the
// job before it begins. True when the page was printed (a preview: when it was shown).
bool RunPrintJob(PrintJob& job, bool preview);
// Prints job's page on printer; false, the job abandoned and nothing sent, when the page
// failed.
bool PrintPageOn(QPrinter& printer, PrintJob& job, bool preview);

}  // namespace tmb::ui
