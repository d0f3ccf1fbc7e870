#include "app/pane_factories.h"

#include "app/placeholder_view.h"
#include "app/settings/set_view.h"
#include "app/view_classes.h"
#include "core/state/draw_state.h"
#include "views/data_file_tree.h"
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

tmb::ui::View* DrawingView(tmb::ui::Document* document, QWidget* parent) {
  return new CTmbView(document, kViewTmb, parent);
}

tmb::ui::View* SettingsPanel(tmb::ui::Document* document, QWidget* parent) {
  return new CSetView(document, kViewSet, parent);
}

PaneFactories DefaultPanes() {
  return {DataFileTree,                      DrawingView,
          SettingsPanel,                     Placeholder(kViewBmp, ""),
          Placeholder(kViewBmpl, ""),        Placeholder(kViewPre, "")};
}

PaneFactories gPanes = DefaultPanes();

}  // namespace

PaneFactories& Panes() { return gPanes; }

void ResetPanes() { gPanes = DefaultPanes(); }
