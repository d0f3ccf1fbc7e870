// The commands of the image editor's frame: each finds the editor's picture view (kind 1)
// or its zoom window (kind 7) and calls one of its operations; while that window is
// closed a command does nothing.
#include <QSplitter>
#include <functional>

#include "app/child_frames.h"
#include "app/frame_view.h"
#include "app/kind_lookup.h"
#include "app/main_frame.h"
#include "core/state/draw_state.h"
#include "imageedit/editor/batch_effect.h"
#include "imageedit/editor/image_effects.h"
#include "imageedit/view/bmp_view_window.h"
#include "imageedit/view/bmpl_view.h"
#include "imageedit/view/picture_commands.h"
#include "platform/ui/view.h"
#include "resources/command_ids.h"

namespace {

using tmb::ui::CommandUpdate;

CBmpViewWindow* EditorWindow() { return qobject_cast<CBmpViewWindow*>(GetViewOfKind(kKindImageEditor)); }
CBmplView* ZoomWindow() { return qobject_cast<CBmplView*>(GetViewOfKind(kKindZoom)); }

// A handler that runs f on the editor's window, then hands its changes to the document.
std::function<void()> OnEditor(std::function<void(CBmpViewWindow&)> f) {
  return [f = std::move(f)] {
    if (CBmpViewWindow* window = EditorWindow()) {
      f(*window);
      window->SyncModified();
    }
  };
}

// An update handler that enables the command while test holds for the editor.
std::function<void(CommandUpdate&)> WhenEditor(std::function<bool(const CBmpView&)> test) {
  return [test = std::move(test)](CommandUpdate& u) {
    CBmpViewWindow* window = EditorWindow();
    u.Enable(window && test(window->editor()));
  };
}

void RunEdit(CBmpViewWindow& w, int operation) {
  w.editor().m_nEditOperation = operation;
  w.editor().RunEditOperation();
}

constexpr int kCmdUndo = 32793;
constexpr int kCmdVector = 33185;
constexpr int kCmdCut = 32775;
constexpr int kCmdCopy = 32787;
constexpr int kCmdPaste = 32777;
constexpr int kCmdClearAll = 32790;
constexpr int kCmdRegionDialog = 32892;
constexpr int kCmdShowRegion = 32807;
constexpr int kCmdHideRegion = 32910;
constexpr int kCmdSendRegion = 32788;
constexpr int kCmdSendWhole = 32797;
constexpr int kCmdReceiveRegion = 32789;
constexpr int kCmdReceiveWhole = 32798;
constexpr int kCmdWholePreview = 33041;
constexpr int kCmdPrintPreview = 32988;
constexpr int kCmdPreviewDrawing = 32911;
constexpr int kCmdEffectDetail = 32824;
constexpr int kCmdFixColour = 32869;
constexpr int kCmdFixMono = 32870;
constexpr int kCmdFixColourBox = 32855;

struct KindCommand {
  int id;
  int kind;
};
constexpr KindCommand kCaptureWhole[] = {{32976, kKindDrawA}, {32975, kKindDrawB}, {32974, kKindPreview}};
constexpr KindCommand kCaptureCells[] = {{32985, kKindDrawA}, {32986, kKindDrawB}};
constexpr KindCommand kTakeRegion[] = {{32977, kKindDrawA}, {32978, kKindDrawB}, {32979, kKindPreview}};
constexpr KindCommand kZoomFactors[] = {{32835, 2}, {32836, 4}, {32837, 6}};

constexpr int kCmdOneTouch = 32887;
constexpr int kCmdOneTouchFiles = 32889;
constexpr int kCmdScaleArea = 32851;
constexpr int kCmdChangeColours = 32885;

// The special effects, each command with the effect number the scripts use.
struct EffectCommand {
  int id;
  int effect;
};
constexpr EffectCommand kSpecialEffects[] = {
    {32802, 1},  {32803, 2},  {32804, 3},  {32805, 4},  {32806, 5},  {32821, 6},  {32822, 7},
    {32826, 11}, {32827, 12}, {32828, 13}, {32829, 14}, {32858, 15}, {32859, 16}, {32862, 21},
    {32863, 22}, {32864, 23}, {32865, 24}, {32867, 25}, {32866, 26}, {32871, 27}, {32823, 28},
    {32877, 29}, {32876, 30}, {32878, 31}, {32879, 32}, {33050, 67},
};

}  // namespace

void SetZoomFactor(int factor) {
  if (CBmplView* zoom = ZoomWindow()) zoom->SetZoomFactor(factor);
}

void CFrame_Bmp::RegisterCommands() {
  OnCommand(kCmdUndo, OnEditor([](CBmpViewWindow& w) { RunEdit(w, CBmpView::kEditUndo); }));
  OnUpdate(kCmdUndo, WhenEditor([](const CBmpView& v) { return v.m_nUndoKind != CBmpView::kUndoNone; }));
  OnCommand(kCmdVector, OnEditor([](CBmpViewWindow& w) {
              CBmpView& v = w.editor();
              v.m_bVectorDisplay = !v.m_bVectorDisplay;
              if (v.m_bVectorDisplay) v.ShowVectorStrokes();
            }));
  OnUpdate(kCmdVector, [](CommandUpdate& u) {
    CBmpViewWindow* w = EditorWindow();
    u.Enable(w != nullptr);
    u.SetCheck(w && w->editor().m_bVectorDisplay);
  });
  const auto frameShown = WhenEditor([](const CBmpView& v) { return v.m_nFrameState == 1; });
  OnCommand(kCmdCut, OnEditor([](CBmpViewWindow& w) { RunEdit(w, CBmpView::kEditCut); }));
  OnUpdate(kCmdCut, frameShown);
  OnCommand(kCmdCopy, OnEditor([](CBmpViewWindow& w) { RunEdit(w, CBmpView::kEditCopy); }));
  OnUpdate(kCmdCopy, frameShown);
  OnCommand(kCmdPaste, OnEditor([](CBmpViewWindow& w) { RunEdit(w, CBmpView::kEditPaste); }));
  OnUpdate(kCmdPaste, WhenEditor([](const CBmpView& v) { return v.m_bClipFilled != 0; }));
  OnCommand(kCmdClearAll, OnEditor([](CBmpViewWindow& w) { w.editor().ClearImage(0); }));
  OnCommand(kCmdRegionDialog, OnEditor([](CBmpViewWindow& w) { w.editor().EditRegionByDialog(); }));
  OnCommand(kCmdShowRegion, OnEditor([](CBmpViewWindow& w) { w.editor().ShowRegionFrame(); }));
  OnUpdate(kCmdShowRegion, WhenEditor([](const CBmpView& v) { return v.m_nFrameState != -1; }));
  OnCommand(kCmdHideRegion, OnEditor([](CBmpViewWindow& w) { w.editor().CancelMode(); }));
  OnUpdate(kCmdHideRegion, frameShown);
  OnCommand(kCmdSendRegion, [] { SendImageToClipboard(kKindImageEditor, 0); });
  OnUpdate(kCmdSendRegion, frameShown);
  OnCommand(kCmdSendWhole, [] { SendImageToClipboard(kKindImageEditor, 1); });
  OnCommand(kCmdReceiveRegion, OnEditor([](CBmpViewWindow& w) { w.ReceiveClipboard(0); }));
  OnUpdate(kCmdReceiveRegion, WhenEditor([](const CBmpView&) { return gDrawState.m_bPaletteDevice == 0; }));
  OnCommand(kCmdReceiveWhole, OnEditor([](CBmpViewWindow& w) { w.ReceiveClipboard(1); }));
  OnCommand(kCmdWholePreview, [this] {
    gDrawState.m_nPrintRange = 0;
    if (auto* main = qobject_cast<CMainFrame*>(window())) main->ExecuteCommand(kCmdPrintPreview);
  });
  OnCommand(kCmdPreviewDrawing, [this] {
    auto* main = qobject_cast<CMainFrame*>(window());
    if (!main) return;
    main->ActivateViewOfKind(kKindCurrentDraw, 0);
    // The drawing view, the splitter's middle pane, takes the preview command.
    tmb::ui::View* current = main->FindViewOfKind(gDrawState.ResolveKind(kKindCurrentDraw));
    auto* drawing = current ? qobject_cast<CFrame_View*>(current->frame()) : nullptr;
    QSplitter* panes = drawing ? drawing->splitter() : nullptr;
    auto* view = panes && panes->count() > 1 ? qobject_cast<tmb::ui::View*>(panes->widget(1)) : nullptr;
    if (!view) return;
    drawing->SetActiveView(view);
    main->ExecuteCommand(tmb::kCmdFramePrintPreview);
  });
  OnCommand(kCmdEffectDetail, OnEditor([](CBmpViewWindow& w) { w.editor().m_effectDef.RunDetailDialog(); }));
  for (const KindCommand& c : kCaptureWhole) {
    OnCommand(c.id, OnEditor([kind = c.kind](CBmpViewWindow& w) { w.editor().CaptureWindowImage(0, 0, kind); }));
  }
  for (const KindCommand& c : kCaptureCells) {
    OnCommand(c.id, OnEditor([kind = c.kind](CBmpViewWindow& w) { w.editor().CaptureWindowImage(1, 0, kind); }));
  }
  for (const KindCommand& c : kTakeRegion) {
    OnCommand(c.id, OnEditor([kind = c.kind](CBmpViewWindow& w) { w.editor().TakeWindowRegion(kind); }));
  }
  OnCommand(kCmdFixColour, [] { gDrawState.m_nFixColourMode = 0; });
  OnUpdate(kCmdFixColour, [](CommandUpdate& u) { u.SetCheck(gDrawState.m_nFixColourMode == 0); });
  OnCommand(kCmdFixMono, [] { gDrawState.m_nFixColourMode = 1; });
  OnUpdate(kCmdFixMono, [](CommandUpdate& u) { u.SetCheck(gDrawState.m_nFixColourMode != 0); });
  OnCommand(kCmdFixColourBox, [] {
    if (CBmplView* zoom = ZoomWindow()) zoom->ToggleFixColourDialog();
  });
  OnUpdate(kCmdFixColourBox, [](CommandUpdate& u) {
    CBmplView* zoom = ZoomWindow();
    u.SetCheck(zoom && zoom->IsFixColourDialogShown());
    u.Enable(zoom && gDrawState.m_nFixColourMode == 0);
  });
  for (const KindCommand& c : kZoomFactors) {
    OnCommand(c.id, [factor = c.kind] { SetZoomFactor(factor); });
    OnUpdate(c.id, [factor = c.kind](CommandUpdate& u) {
      CBmplView* zoom = ZoomWindow();
      u.SetCheck(zoom && zoom->zoom() == factor);
    });
  }
  for (const EffectCommand& c : kSpecialEffects) {
    OnCommand(c.id, OnEditor([effect = c.effect](CBmpViewWindow& w) {
                w.editor().m_nEffect = effect;
                RunImageEffect(w.editor());
              }));
  }
  OnCommand(kCmdOneTouch, OnEditor([](CBmpViewWindow& w) { BatchOneTouchEffect(w.editor()); }));
  OnCommand(kCmdOneTouchFiles, OnEditor([](CBmpViewWindow& w) { BatchOneTouchEffect(w.editor()); }));
  OnCommand(kCmdScaleArea, OnEditor([](CBmpViewWindow& w) { ScaleImageArea(w.editor()); }));
  OnCommand(kCmdChangeColours, OnEditor([](CBmpViewWindow& w) { ChangeImageColours(w.editor()); }));
}
