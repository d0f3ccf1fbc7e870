// The main window's Window menu and keys: bringing the windows forward and centring them,
// cascading, tiling and lining up the minimised ones, and opening window A again after it
// was closed.
#include "app/frame_command_helpers.h"
#include "app/frame_view.h"
#include "app/main_frame.h"
#include "app/tmb_app.h"
#include "resources/command_ids.h"

namespace {

struct Activation {
  int id;
  int kind;
  int mode;  // as ActivateViewOfKind takes it
};

constexpr Activation kActivations[] = {
    {tmb::kCmdShowA, kKindDrawA, 0},           {tmb::kCmdShowB, kKindDrawB, 0},
    {tmb::kCmdShowPreview, kKindPreview, 0},   {tmb::kCmdCentreA, kKindDrawA, 1},
    {tmb::kCmdCentreB, kKindDrawB, 1},         {tmb::kCmdCentreEditor, kKindImageEditor, 1},
    {tmb::kCmdCentrePreview, kKindPreview, 1}, {tmb::kCmdCentreFontAxis, kKindFontAxis, 1},
};

// The frame of drawing window kind; null when that window is not open.
CFrame_View* DrawingFrame(const CMainFrame& main, int kind) {
  for (tmb::ui::ChildFrame* child : main.ChildFrames()) {
    auto* frame = qobject_cast<CFrame_View*>(child);
    if (frame && frame->kind() == kind) return frame;
  }
  return nullptr;
}

}  // namespace

void CMainFrame::RegisterWindowCommands() {
  for (const Activation& a : kActivations) {
    OnCommand(a.id, [this, a] { ActivateViewOfKind(a.kind, a.mode); });
  }
  OnCommand(tmb::kCmdShowEditor, [this] {
    if (CTmbView* view = CommandView()) view->ReleaseOffscreenDCs();
    ActivateViewOfKind(kKindImageEditor, 0);
  });
  OnCommand(tmb::kCmdWindowCascade, [this] { CascadeFrames(); });
  OnCommand(tmb::kCmdWindowTile, [this] { TileFrames(); });
  OnCommand(tmb::kCmdWindowArrange, [this] { ArrangeIcons(); });
  OnCommand(tmb::kCmdReopenA, [this] { ReopenWindowA(); });
}

void CMainFrame::ReopenWindowA() {
  // Only while no window A exists: each further press would open one more.
  if (!DrawingFrame(*this, kKindDrawA)) {
    gDrawState.m_nCreatingKind = kKindDrawA;
    if (theApp.OpenWindowOfKind(kKindDrawA)) {
      gDrawState.m_windowOpen[kKindDrawA] = -1;
      theApp.m_pSharedDoc = theApp.m_pKindDoc[kKindDrawA];
    }
  }
  CFrame_View* frame = DrawingFrame(*this, gDrawState.ResolveKind(kKindCurrentDraw));
  if (!frame) return;
  if (frame->isMinimized()) frame->showNormal();
  ActivateChildFrame(frame);
  // To the top left at the window's own size, which holds its three panes.
  frame->move(0, 0);
}
