#include "platform/ui/doc_template.h"

#include <QPointer>

#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/view.h"

namespace tmb::ui {

DocTemplate::DocTemplate(int menuId, std::string docString, DocumentFactory document,
                         FrameFactory frame, ViewFactory view)
    : menuId_(menuId),
      docString_(std::move(docString)),
      makeDocument_(std::move(document)),
      makeFrame_(std::move(frame)),
      makeView_(std::move(view)) {}

Document* DocTemplate::OpenNew(MainFrame& main) const {
  QPointer<Document> document = makeDocument_ ? makeDocument_() : nullptr;
  if (!document) return nullptr;
  ChildFrame* frame = makeFrame_ ? makeFrame_(document) : nullptr;
  if (!frame || !frame->Create(makeView_)) {
    delete frame;  // its views leave the document, which may delete itself
    if (document && document->views().empty()) delete document.data();
    return nullptr;
  }
  frame->SetMenuId(menuId_);
  main.AddChildFrame(frame);
  for (View* view : document->views()) view->OnInitialUpdate();
  return document;
}

}  // namespace tmb::ui
