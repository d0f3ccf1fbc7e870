#include "app/pane_factories.h"

#include <QPointer>

#include "app/dummy_doc.h"
#include "app/settings/set_view.h"
#include "app/view_classes.h"
#include "core/state/draw_state.h"
#include "imageedit/view/bmp_view_window.h"
#include "imageedit/view/bmpl_view.h"
#include "imageedit/view/picture_commands.h"
#include "views/data_file_tree.h"
#include "views/pre_view.h"
#include "views/tmb_view.h"

namespace {

tmb::ui::View* DataFileTree(tmb::ui::Document* document, QWidget* parent) {
  return new CListv(document, kViewList, parent);
}

tmb::ui::View* ZoomView(tmb::ui::Document* document, QWidget* parent) {
  return new CBmplView(document, kViewBmpl, parent);
}

tmb::ui::View* DrawingView(tmb::ui::Document* document, QWidget* parent) {
  return new CTmbView(document, kViewTmb, parent);
}

tmb::ui::View* SettingsPanel(tmb::ui::Document* document, QWidget* parent) {
  return new CSetView(document, kViewSet, parent);
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
          SettingsPanel,                     PictureView,
          ZoomView,                          PreviewView};
}

PaneFactories gPanes = DefaultPanes();

}  // namespace

PaneFactories& Panes() { return gPanes; }

void ResetPanes() { gPanes = DefaultPanes(); }
