// The main window's View menu and display keys: the stepped redraw and its modes, the
// drawn-line displays, point display, guides, rebuilding the outline, releasing the
// off-screen contexts, the replayed key, and the settings panels.
#include "app/frame_command_helpers.h"
#include "app/main_frame.h"
#include "app/settings/set_view.h"
#include "app/view_classes.h"
#include "platform/ui/document.h"
#include "resources/command_ids.h"

namespace {

// Redraw modes of CDrawState::m_nRedrawSteps.
struct RedrawChoice {
  int id;
  int mode;
};

constexpr RedrawChoice kRedrawChoices[] = {
    {tmb::kCmdRedrawNever, 0}, {tmb::kCmdRedrawAfterStrokes, 1}, {tmb::kCmdRedrawAlways, 2}};
constexpr int kRedrawAlways = 2;
// The drawn line shown over the converted character for one repaint.
constexpr int kTempLineOverlay = 2;

}  // namespace

void CMainFrame::RegisterDisplayCommands() {
  OnCommand(tmb::kCmdConvertDisplay, OnCurrentView(&CTmbView::RedrawInSteps, 0));
  // The image editor's request after it cleared its palettes: a shown sheet of the
  // current drawing window is applied first.
  OnCommand(tmb::kCmdConvertDisplaySheet, [this] {
    ApplySheetInFront(gDrawState.ResolveKind(kKindCurrentDraw));
    if (CTmbView* view = CommandView()) view->RedrawInSteps(0);
  });
  for (const RedrawChoice& c : kRedrawChoices) {
    OnCommand(c.id, [c] { gDrawState.m_nRedrawSteps = c.mode; });
    OnUpdate(c.id, [c](tmb::ui::CommandUpdate& u) { u.SetCheck(gDrawState.m_nRedrawSteps == c.mode); });
  }
  OnCommand(tmb::kCmdRedrawOnce, [] {
    WithValueFor(gDrawState.m_nRedrawSteps, kRedrawAlways, [] {
      if (CTmbView* view = CommandView()) view->RedrawInSteps(0);
    });
  });

  OnCommand(tmb::kCmdOriginalLine, OnCurrentView(&CTmbView::ShowOriginalLineDrawMode));
  OnCommand(tmb::kCmdTempOriginalLine,
            [] { gDrawState.m_bDrawTempOriginalLine = gDrawState.m_bDrawTempOriginalLine ? 0 : 1; });
  OnUpdate(tmb::kCmdTempOriginalLine,
           [](tmb::ui::CommandUpdate& u) { u.SetCheck(gDrawState.m_bDrawTempOriginalLine != 0); });
  OnCommand(tmb::kCmdOverlayDisplay, [] {
    WithValueFor(gDrawState.m_bDrawTempOriginalLine, kTempLineOverlay, [] {
      if (CTmbView* view = CommandView()) view->RepaintNow();
    });
  });
  OnCommand(tmb::kCmdPointDisplay, [] {
    if (CTmbView* view = CommandView()) {
      view->TogglePointDisplay(1);
      view->RedrawInSteps(0);
    }
  });
  OnUpdate(tmb::kCmdPointDisplay, [](tmb::ui::CommandUpdate& u) {
    CTmbView* view = PeekCurrentView();
    u.Enable(view != nullptr);
    u.SetCheck(view && view->TogglePointDisplay(0) != 0);
  });

  OnCommand(tmb::kCmdRedrawGuides, OnCurrentView(&CTmbView::RedrawGuides));
  OnCommand(tmb::kCmdRefreshWritingArea, OnCurrentView(&CTmbView::RefreshWritingArea));
  OnCommand(tmb::kCmdRebuildOutline, OnCurrentView(&CTmbView::RebuildOutlineAndRedraw, 0));
  OnCommand(tmb::kCmdRebuildOutlineKey, OnCurrentView(&CTmbView::RebuildOutlineAndRedraw, 0));
  OnCommand(tmb::kCmdReleaseOffscreen, OnCurrentView(&CTmbView::ReleaseOffscreenDCs));
  OnCommand(tmb::kCmdReplayKey, OnCurrentView(&CTmbView::ReplayLastKey));

  OnCommand(tmb::kCmdRedrawSettingsPanel, [this] {
    if (tmb::ui::View* panel = FindViewOfKind(kKindSettings)) panel->RedrawNow();
  });
  // The panels of both windows switch together, so that they never disagree; with no
  // panel open the switch alone changes.
  OnCommand(tmb::kCmdSettingButtons, [] {
    bool toggled = false;
    for (int kind : {kKindDrawA, kKindDrawB}) {
      tmb::ui::Document* doc = GetDocumentOfKind(kind);
      if (!doc) continue;
      for (tmb::ui::View* view : doc->views()) {
        if (auto* panel = qobject_cast<CSetView*>(view)) {
          panel->ToggleButtons();
          toggled = true;
        }
      }
    }
    if (!toggled) gDrawState.m_bSettingViewButton = gDrawState.m_bSettingViewButton ? 0 : 1;
  });
  OnUpdate(tmb::kCmdSettingButtons,
           [](tmb::ui::CommandUpdate& u) { u.SetCheck(gDrawState.m_bSettingViewButton != 0); });
}
