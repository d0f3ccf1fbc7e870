#include "platform/ui/child_frame.h"

#include <QAction>
#include <QMenu>
#include <QSplitter>

#include "platform/ui/view.h"

namespace tmb::ui {

ChildFrame::ChildFrame(Document* document) : document_(document) {
  setAttribute(Qt::WA_DeleteOnClose);
}

ChildFrame::~ChildFrame() = default;

void ChildFrame::DisableClose() {
  setWindowFlag(Qt::WindowCloseButtonHint, false);
  for (QAction* action : systemMenu() ? systemMenu()->actions() : QList<QAction*>{}) {
    if (action->shortcut() == QKeySequence(QKeySequence::Close)) action->setEnabled(false);
  }
}

void ChildFrame::SetActiveView(View* view) {
  activeView_ = view;
  if (view) view->setFocus();
}

void ChildFrame::SetPlacement(const tmb::Rect& place) {
  if (!place.IsEmpty()) placement_ = QRect(place.left, place.top, place.Width(), place.Height());
}

bool ChildFrame::Create(const ViewFactory& templateView) { return OnCreateClient(templateView); }

bool ChildFrame::OnCreateClient(const ViewFactory& templateView) {
  if (!templateView) return false;
  View* view = templateView(document_, this);
  if (!view) return false;
  setWidget(view);
  SetActiveView(view);
  return true;
}

QSplitter* ChildFrame::CreateSplitter(Qt::Orientation orientation, const std::vector<Pane>& panes) {
  auto* splitter = new QSplitter(orientation);
  QList<int> sizes;
  for (const Pane& pane : panes) {
    View* view = pane.view ? pane.view(document_, splitter) : nullptr;
    if (!view) {
      delete splitter;  // with the views made so far, which leave the document
      return nullptr;
    }
    splitter->addWidget(view);
    sizes << pane.size;
  }
  for (int i = 0; i < splitter->count(); ++i) splitter->setCollapsible(i, true);
  splitter->setSizes(sizes);
  setWidget(splitter);
  return splitter;
}

}  // namespace tmb::ui
