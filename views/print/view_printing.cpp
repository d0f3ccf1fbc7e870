// The drawing view's part in printing: the frame's print and print preview commands, the
// begin and end of a job around its page, and what the view offers the page renderer.
#include "brush/render/brush_state.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "platform/ui/print_service.h"
#include "resources/command_ids.h"
#include "views/print/view_print_windows.h"
#include "views/print/window_print_job.h"
#include "views/tmb_view.h"

namespace {

// The main frame's command that brings the window of kind forward; 0 for none.
int ShowCommandOfKind(int kind) {
  switch (kind) {
    case kKindDrawA: return tmb::kCmdShowA;
    case kKindDrawB: return tmb::kCmdShowB;
    case kKindImageEditor: return tmb::kCmdShowEditor;
    case kKindPreview: return tmb::kCmdShowPreview;
    default: return 0;
  }
}

}  // namespace

void CTmbView::RegisterPrintCommands() {
  OnCommand(tmb::kCmdFramePrint, [this] { OnFilePrint(0); });
  OnCommand(tmb::kCmdFramePrintPreview, [this] { OnFilePrint(1); });
}

void CTmbView::OnFilePrint(int preview) {
  CWindowPrintJob job(
      PrintJobName(PrintTargetKind()),
      [] {
        CViewPrintWindows windows;
        return CanRenderPrintPage(windows);
      },
      [this](bool p) { OnBeginPrinting(p ? 1 : 0); }, [this](tmb::PageContext& page) { return OnPrint(page); },
      [this] { OnEndPrinting(); });
  tmb::ui::RunPrintJob(job, preview != 0);
}

void CTmbView::OnBeginPrinting(int preview) {
  ReleaseOffscreenDCs();
  m_bPrintPreview = 1;
  if (preview) {
    SendFrameCommand(tmb::kCmdHideBar);
    m_bBarHidden = 1;
  }
}

int CTmbView::OnPrint(tmb::PageContext& page) { return RenderPrintPage(page); }

void CTmbView::OnEndPrinting() {
  m_bPrintPreview = 0;
  if (m_bBarHidden) {
    m_bBarHidden = 0;
    SendFrameCommand(tmb::kCmdShowBar);
  }
  {
    ClientDC dc(*this);
    PaintWritingArea(dc);
  }
  if (gDrawState.m_nPrintTarget == -1) {
    if (const int id = ShowCommandOfKind(gPrintSourceKind)) SendFrameCommand(id);
  }
}

int CTmbView::RenderPrintPage(tmb::PageContext& page) {
  CViewPrintWindows windows;
  return ::RenderPrintPage(page, windows);
}

const tmb::Surface* CTmbView::PrintPicture() {
  const tmb::Surface* picture = m_pBrushState ? &m_pBrushState->m_bitmap : nullptr;
  return picture && !picture->IsNull() ? picture : nullptr;
}

tmb::Rect CTmbView::PrintSelection() {
  CTmbDoc* doc = GetDocument();
  return doc ? doc->m_char.m_regions.m_list.GetCurrent() : tmb::Rect{};
}
