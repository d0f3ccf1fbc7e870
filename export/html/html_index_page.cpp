#include "export/html/html_index_page.h"

#include "export/html/html_index_writer.h"

CHtmlIndexPage gHtmlIndexPage;

void CHtmlIndexPage::Init(const std::string& base, int openWhenDone, const tmb::Rect& canvas) {
  gHtmlIndexWriter.Init(base, openWhenDone);
  gHtmlIndexWriter.SetImageRect(canvas.left, canvas.top, canvas.right, canvas.bottom);
}

void CHtmlIndexPage::AddImageName(const std::string& name) { gHtmlIndexWriter.AddImageName(name); }

void CHtmlIndexPage::AddCaption(const std::string& caption) { gHtmlIndexWriter.AddCaption(caption); }

void CHtmlIndexPage::Write() { WriteHtmlIndex(); }
