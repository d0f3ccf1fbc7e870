#include "platform/ui/child_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QSplitter>

#include "platform/ui/view.h"

namespace tmb::ui {

ChildFrame::ChildFrame(Document* document) : document_(document) {
  setAttribute(Qt::WA_DeleteOnClose);
}

ChildFrame::~ChildFrame() = default;

void ChildFrame::DisableClose() {
  userMayClose_ = false;
  // Qt's MDI draws a close button unless the frame names the buttons it has.
  setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint);
  for (QAction* action : systemMenu() ? systemMenu()->actions() : QList<QAction*>{}) {
    if (action->shortcut() == QKeySequence(QKeySequence::Close)) action->setEnabled(false);
  }
}

void ChildFrame::closeEvent(QCloseEvent* event) {
  // The user's closes come by roads of Qt's own (a double click on the menu icon closes
  // whatever the menu offers), so they are refused here, whichever road they took.
  if (!userMayClose_) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
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
