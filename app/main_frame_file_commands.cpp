// The main window's File menu: character files, the basic settings, exit and help, the
// print settings and the road of print and print preview through the current drawing
// window, and the picture commands that the image editor's and preview's views take.
#include <QToolBar>

#include "app/dummy_doc.h"
#include "app/frame_command_helpers.h"
#include "app/kind_lookup.h"
#include "app/main_frame.h"
#include "app/tmb_app.h"
#include "app/tmb_document.h"
#include "imageedit/view/picture_commands.h"
#include "platform/ui/child_frame.h"
#include "resources/command_ids.h"

namespace {

// A command that sets a print field to value, ticked while the field holds it.
struct PrintChoice {
  int id;
  int CDrawState::*field;
  int value;
};

constexpr PrintChoice kPrintChoices[] = {
    {tmb::kCmdPrintRangeAll, &CDrawState::m_nPrintRange, 0},
    {tmb::kCmdPrintRangeRegion, &CDrawState::m_nPrintRange, 1},
    {tmb::kCmdPrintModeVector, &CDrawState::m_nPrintMode, 1},
    {tmb::kCmdPrintModeImage, &CDrawState::m_nPrintMode, 0},
    {tmb::kCmdPrintTargetActive, &CDrawState::m_nPrintTarget, -1},
    {tmb::kCmdPrintTargetA, &CDrawState::m_nPrintTarget, kKindDrawA},
    {tmb::kCmdPrintTargetB, &CDrawState::m_nPrintTarget, kKindDrawB},
    {tmb::kCmdPrintTargetEditor, &CDrawState::m_nPrintTarget, kKindImageEditor},
    {tmb::kCmdPrintTargetPreview, &CDrawState::m_nPrintTarget, kKindPreview},
};

// Picture commands that a view does: the command id and the kind of the view.
struct ViewCommand {
  int id;
  int kind;
};

constexpr ViewCommand kPictureCommands[] = {
    {32906, kKindPreview},  // redraw the preview
    {33002, kKindPreview},  // clear the preview
};

constexpr int kCmdOpenPicture = 32774;
constexpr int kCmdExportPicture = 32780;
constexpr int kCmdSendRegion = 32967;
constexpr int kCmdSendWhole = 32968;
constexpr int kCmdSendPreviewRegion = 32970;
constexpr int kCmdSendPreviewWhole = 32971;

}  // namespace

void CMainFrame::RegisterFileCommands() {
  OnCommand(tmb::kCmdFileOpen, OnCurrentDoc(&CTmbDoc::OpenFileDialog));
  OnCommand(tmb::kCmdFileOneTouch, OnCurrentDoc(&CTmbDoc::OnOneTouchConvert));
  OnCommand(tmb::kCmdFileSaveAs, OnCurrentDoc(&CTmbDoc::SaveAs));
  OnCommand(tmb::kCmdFileSave, OnCurrentDoc(&CTmbDoc::SaveToCurrentPath));
  OnUpdate(tmb::kCmdFileSave, [](tmb::ui::CommandUpdate& u) {
    CTmbDocument* doc = PeekCurrentDoc();
    u.Enable(doc && doc->HasPath());
  });
  OnCommand(tmb::kCmdBasicSettings, [] { theApp.BasicSettingsDialog(0); });
  OnCommand(tmb::kCmdFileExit, [this] { close(); });
  OnCommand(tmb::kCmdHelp, [this] { WinHelp(0); });
  OnCommand(tmb::kCmdUpdateTitle, [this] { UpdateMainTitle(); });

  for (const PrintChoice& c : kPrintChoices) {
    OnCommand(c.id, [c] { gDrawState.*c.field = c.value; });
    OnUpdate(c.id, [c](tmb::ui::CommandUpdate& u) { u.SetCheck(gDrawState.*c.field == c.value); });
  }
  OnCommand(tmb::kCmdFilePrint, [this] { PrintThroughDrawingWindow(tmb::kCmdFramePrint); });
  OnCommand(tmb::kCmdFilePrintPreview, [this] { PrintThroughDrawingWindow(tmb::kCmdFramePrintPreview); });
  OnCommand(tmb::kCmdHideBar, [this] {
    m_bBarHiddenForPreview = m_wndToolBar && m_wndToolBar->isVisible();
    if (m_bBarHiddenForPreview) m_wndToolBar->hide();
  });
  OnCommand(tmb::kCmdShowBar, [this] {
    if (m_bBarHiddenForPreview && m_wndToolBar) m_wndToolBar->show();
    m_bBarHiddenForPreview = false;
  });

  OnCommand(kCmdOpenPicture, [this] {
    ActivateViewOfKind(kKindImageEditor, 0);
    SendToViewOfKind(kKindImageEditor, kCmdOpenPicture);
  });
  OnCommand(kCmdExportPicture, [this] { ExportActivePicture(); });
  OnCommand(kCmdSendRegion, [this] { SendImageToClipboard(PictureSourceKind(), 0); });
  OnCommand(kCmdSendWhole, [this] { SendImageToClipboard(PictureSourceKind(), 1); });
  OnCommand(kCmdSendPreviewRegion, [] { SendImageToClipboard(kKindPreview, 0); });
  OnCommand(kCmdSendPreviewWhole, [] { SendImageToClipboard(kKindPreview, 1); });
  for (const ViewCommand& c : kPictureCommands) {
    OnCommand(c.id, [this, c] { SendToViewOfKind(c.kind, c.id); });
  }
}

int CMainFrame::PictureSourceKind() {
  const int kind = GetActiveViewKind();
  return kind == -1 ? kKindCurrentDraw : kind;
}

void CMainFrame::ExportActivePicture() {
  const int kind = PictureSourceKind();
  // The editor's own save also tells its document that the picture is saved.
  auto* picture = kind == kKindImageEditor ? qobject_cast<CDummyDoc*>(GetDocumentOfKind(kind)) : nullptr;
  if (picture) {
    picture->SaveImageAs();
  } else {
    SaveImageAs(kind);
  }
}

void CMainFrame::PrintThroughDrawingWindow(int frameCommand) {
  if (gDrawState.m_nPrintTarget == -1) gPrintSourceKind = GetActiveViewKind();
  const int kind = gDrawState.ResolveKind(kKindCurrentDraw);
  tmb::ui::View* view = FindViewOfKind(kind);
  tmb::ui::ChildFrame* frame = view ? view->frame() : nullptr;
  if (!frame) return;
  ActivateViewOfKind(kind, 0);
  frame->SetActiveView(view);
  tmb::ui::CommandRouter({view, view->document(), frame}).Execute(frameCommand);
}

void CMainFrame::SendToViewOfKind(int kind, int id) {
  if (tmb::ui::View* view = FindViewOfKind(gDrawState.ResolveKind(kind))) view->RunCommand(id);
}
