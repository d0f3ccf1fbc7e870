#include "app/child_frames.h"

#include <QSplitter>
#include <QVBoxLayout>

#include "app/pane_factories.h"
#include "app/settings/check_tool_bar.h"
#include "core/state/draw_state.h"
#include "platform/ui/view.h"

namespace {

QSize SizeOf(const tmb::Rect& r) { return QSize(r.Width(), r.Height()); }

// A title without the window menu.
void SetNoSystemMenu(QMdiSubWindow* frame) { frame->setSystemMenu(nullptr); }

// The commands of the font-axis toolbar, in order; 0 is a separator.
constexpr int kFontDefButtons[] = {33029, 33012, 33017, 0,     33028, 33042, 33049,
                                   33027, 0,     33030, 33025, 33031, 33026};

}  // namespace

CFrame_Bmp::CFrame_Bmp(tmb::ui::Document* document) : tmb::ui::ChildFrame(document) {
  SetPlacement(gDrawState.m_layout[kLayoutEditorFrame]);
  RegisterCommands();
}

bool CFrame_Bmp::OnCreateClient(const tmb::ui::ViewFactory&) {
  const PaneFactories& panes = Panes();
  const auto& layout = gDrawState.m_layout;
  m_wndSplitter = CreateSplitter(Qt::Horizontal, {{panes.picture, layout[kLayoutPicturePane].Width()},
                                                  {panes.zoom, layout[kLayoutZoomPane].Width()}});
  if (!m_wndSplitter) return false;
  SetActiveView(static_cast<tmb::ui::View*>(m_wndSplitter->widget(0)));
  return true;
}

CFrame_Pre::CFrame_Pre(tmb::ui::Document* document) : tmb::ui::ChildFrame(document) {
  SetPlacement(gDrawState.m_layout[kLayoutPreviewFrame]);
  SetStartMinimized(true);
}

bool CFrame_Pre::OnCreateClient(const tmb::ui::ViewFactory& templateView) {
  return tmb::ui::ChildFrame::OnCreateClient(templateView ? templateView : Panes().preview);
}

CFrame_Set::CFrame_Set(tmb::ui::Document* document) : tmb::ui::ChildFrame(document) {
  const tmb::Rect& r = gDrawState.m_layout[kLayoutPanelPane];
  const tmb::Rect& at = gDrawState.m_layout[kLayoutPicturePane];
  if (!r.IsEmpty()) {
    SetPlacement(tmb::Rect{at.left, at.top, at.left + r.Width(), at.top + r.Height()});
    setMaximumSize(SizeOf(r));
  }
  SetNoSystemMenu(this);
}

CFrame_List::CFrame_List(tmb::ui::Document* document) : tmb::ui::ChildFrame(document) {
  SetPlacement(gDrawState.m_layout[kLayoutListFrame]);
  SetNoSystemMenu(this);
}

CFrame_FontDef::CFrame_FontDef(tmb::ui::Document* document) : tmb::ui::ChildFrame(document) {
  SetPlacement(gDrawState.m_layout[kLayoutListFrame]);
  SetStartMinimized(true);
}

bool CFrame_FontDef::OnCreateClient(const tmb::ui::ViewFactory& templateView) {
  if (!templateView) return false;
  auto* client = new QWidget;
  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(0, 0, 0, 0);
  m_wndToolBar = new CCheckToolBar(client);
  for (int id : kFontDefButtons) {
    if (id == 0) {
      m_wndToolBar->addSeparator();
    } else {
      m_wndToolBar->addAction(QString::number(id))->setData(id);
    }
  }
  m_wndToolBar->hide();
  layout->addWidget(m_wndToolBar);
  tmb::ui::View* view = templateView(document(), client);
  if (!view) {
    delete client;
    return false;
  }
  layout->addWidget(view);
  setWidget(client);
  SetActiveView(view);
  return true;
}

void CFrame_FontDef::ShowToolBar() {
  for (QAction* action : m_wndToolBar->actions()) {
    if (!action->isSeparator()) action->setToolTip(action->text());
  }
  m_wndToolBar->show();
}
