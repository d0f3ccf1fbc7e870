#include "app/frame_view.h"

#include <QSplitter>

#include "app/pane_factories.h"
#include "core/state/draw_state.h"
#include "platform/ui/view.h"
#include "resources/string_table.h"

CFrame_View::CFrame_View(tmb::ui::Document* document)
    : tmb::ui::ChildFrame(document), m_nKind(gDrawState.m_nCreatingKind) {
  SetPlacement(gDrawState.m_layout[m_nKind == kKindDrawA ? kLayoutFrameA : kLayoutFrameB]);
  setWindowTitle(QString::fromStdString(tmb::LoadStringText(m_nKind == kKindDrawA ? 62094 : 62095)));
  setObjectName(m_nKind == kKindDrawA ? QStringLiteral("frameA") : QStringLiteral("frameB"));
}

CFrame_View::~CFrame_View() {
  // Each drawing window keeps its own flag, so closing B never hides that A is open.
  if (m_nKind >= 0 && m_nKind < static_cast<int>(CDrawState::kWindowFlags)) gDrawState.m_windowOpen[m_nKind] = 0;
}

bool CFrame_View::OnCreateClient(const tmb::ui::ViewFactory&) {
  const PaneFactories& panes = Panes();
  const auto& layout = gDrawState.m_layout;
  const int panelWidth = layout[kLayoutPanelPane].Width();
  m_wndSplitter = CreateSplitter(Qt::Horizontal, {{panes.tree, layout[kLayoutTreePane].Width()},
                                                  {panes.drawing, layout[kLayoutDrawPane].Width()},
                                                  {panes.settings, panelWidth}});
  if (!m_wndSplitter) return false;
  if (panelWidth > 0) m_wndSplitter->widget(2)->setMaximumWidth(panelWidth);
  SetActiveView(static_cast<tmb::ui::View*>(m_wndSplitter->widget(1)));
  return true;
}
