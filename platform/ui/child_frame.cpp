#include "platform/ui/child_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QSplitter>
#include <QStyleOption>

#include "platform/ui/view.h"

namespace tmb::ui {
namespace {

// Qt's styles draw a title bar's close button wherever they draw its window menu icon, so
// a frame without the close hint would still show one: this style leaves it out, and a
// click where it stood hits nothing.
class NoCloseButtonStyle final : public QProxyStyle {
 public:
  // Over a fresh copy of the application's own style, which the proxy then owns.
  NoCloseButtonStyle() : QProxyStyle(QApplication::style()->name()) {}
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override {
    if (control == CC_TitleBar && sub == SC_TitleBarCloseButton) {
      const auto* bar = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
      if (bar && !(bar->titleBarFlags & Qt::WindowCloseButtonHint)) return {};
    }
    return QProxyStyle::subControlRect(control, option, sub, widget);
  }
};

// One for every frame of the application, owned by it.
QStyle* NoCloseButton() {
  static QPointer<QStyle> style;
  if (!style) {
    style = new NoCloseButtonStyle;
    style->setParent(QApplication::instance());
  }
  return style;
}

}  // namespace

ChildFrame::ChildFrame(Document* document) : document_(document) {
  setAttribute(Qt::WA_DeleteOnClose);
}

ChildFrame::~ChildFrame() = default;

void ChildFrame::DisableClose() {
  userMayClose_ = false;
  // Qt's MDI offers a close unless the frame names the buttons it has, and its styles
  // draw the close button beside the window icon all the same.
  setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint);
  setStyle(NoCloseButton());
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
