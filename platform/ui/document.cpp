#include "platform/ui/document.h"

#include <algorithm>

#include "platform/ui/view.h"

namespace tmb::ui {

Document::Document() = default;

Document::~Document() {
  for (View* view : views_) view->DetachDocument();
}

void Document::AddView(View* view) {
  if (std::find(views_.begin(), views_.end(), view) == views_.end()) views_.push_back(view);
}

void Document::RemoveView(View* view) {
  auto it = std::find(views_.begin(), views_.end(), view);
  if (it == views_.end()) return;
  views_.erase(it);
  if (views_.empty()) delete this;
}

void Document::UpdateAllViews() {
  for (View* view : views_) view->OnUpdate();
}

}  // namespace tmb::ui
