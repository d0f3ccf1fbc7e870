#include "app/pane_factories.h"

#include <QPointer>

#include "app/dummy_doc.h"
#include "app/placeholder_view.h"
#include "app/view_classes.h"
#include "core/state/draw_state.h"
#include "imageedit/view/bmp_view_window.h"
#include "imageedit/view/bmpl_view.h"
#include "imageedit/view/picture_commands.h"
#include "views/data_file_tree.h"
#include "views/pre_view.h"
#include "views/tmb_view.h"

namespace {

tmb::ui::ViewFactory Placeholder(int viewClass, const char* label) {
  return [viewClass, label](tmb::ui::Document* document, QWidget* parent) -> tmb::ui::View* {
    return new PlaceholderView(document, viewClass, gDrawState.m_nCreatingKind, QString::fromUtf8(label), parent);
  };
}

tmb::ui::View* DataFileTree(tmb::ui::Document* document, QWidget* parent) {
  return new CListv(document, kViewList, parent);
}

tmb::ui::View* ZoomView(tmb::ui::Document* document, QWidget* parent) {
  return new CBmplView(document, kViewBmpl, parent);
}

tmb::ui::View* DrawingView(tmb::ui::Document* document, QWidget* parent) {
  return new CTmbView(document, kViewTmb, parent);
}

// The image editor's view, which also becomes the saver of its document's picture.
tmb::ui::View* PictureView(tmb::ui::Document* document, QWidget* parent) {
  auto* view = new CBmpViewWindow(document, kViewBmp, parent);
  if (auto* doc = qobject_cast<CDummyDoc*>(document)) {
    QPointer<CBmpViewWindow> alive(view);
    doc->SetImageSaver([alive] {
      if (!alive || !SaveImageAs(kKindImageEditor)) return false;
      alive->editor().m_bModified = 0;
      return true;
    });
  }
  return view;
}

tmb::ui::View* PreviewView(tmb::ui::Document* document, QWidget* parent) {
  return new CPre_View(document, kViewPre, parent);
}

PaneFactories DefaultPanes() {
  return {DataFileTree,                      DrawingView,
          Placeholder(kViewSet, "設定"),     PictureView,
          ZoomView,                          PreviewView};
}

PaneFactories gPanes = DefaultPanes();

}  // namespace

PaneFactories& Panes() { return gPanes; }

void ResetPanes() { gPanes = DefaultPanes(); }
