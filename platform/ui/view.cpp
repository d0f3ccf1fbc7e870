#include "platform/ui/view.h"

#include "platform/ui/child_frame.h"
#include "platform/ui/document.h"

namespace tmb::ui {

View::View(Document* document, int viewClass, QWidget* parent)
    : QWidget(parent), document_(document), viewClass_(viewClass) {
  if (document_) document_->AddView(this);
}

View::~View() {
  if (document_) document_->RemoveView(this);
}

ChildFrame* View::frame() const {
  for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
    if (auto* f = qobject_cast<ChildFrame*>(w)) return f;
  }
  return nullptr;
}

}  // namespace tmb::ui
