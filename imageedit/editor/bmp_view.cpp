// The image editing view's set-up, its drawing on the client context and the region frame.
#include "imageedit/editor/bmp_view.h"

#include "core/canvas/box_drawing.h"
#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "core/effect/effect_names.h"
#include "platform/gdi/raster_ops.h"
#include "platform/text/code_page.h"
#include "resources/command_ids.h"

int gPendingCaptureKind = -1;
tmb::Point gEditorPointer{};

namespace {

constexpr char kEffectSampleFile[] = "ef_sample1.txt";

}  // namespace

CBmpView::CBmpView(CBmpViewHost* host) : m_pHost(host ? host : &NullHost()) {
  const std::string& folder = gDrawState.m_szCurFolder;
  m_effectDef.m_strFile =
      tmb::Utf8ToSjisLossy(folder.empty() ? std::string(kEffectSampleFile) : folder + "/" + kEffectSampleFile);
}

CBmpViewHost& CBmpView::NullHost() {
  static CBmpViewHost host;
  return host;
}

tmb::Size CBmpView::CanvasSize() const { return {gWorkCanvas.m_width, gWorkCanvas.m_height}; }

tmb::Point CBmpView::ToLogical(tmb::Point device) const {
  const tmb::Point scroll = m_pHost->ScrollPosition();
  return {device.x + scroll.x, device.y + scroll.y};
}

tmb::Point CBmpView::ToImage(tmb::Point logical) const {
  return {logical.x - gDrawState.m_ptCanvasOrigin.x, logical.y - gDrawState.m_ptCanvasOrigin.y};
}

bool CBmpView::InCanvas(tmb::Point p) const {
  return tmb::Rect{0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height}.Contains(p);
}

tmb::Colour CBmpView::BackgroundColour() const { return m_effectDef.m_colour1[kEffectColourBack]; }

void CBmpView::OnInitialUpdate() {
  const tmb::Size size = CanvasSize();
  for (CWorkBitmap* bitmap : {&m_bmpWork, &m_bmpUndo, &m_bmpClip}) bitmap->SetSizeToCreate(size.cx, size.cy);
  m_pHost->ScrollToRightEnd();
  gDrawState.m_bImageEditorOpened = 1;
  m_region = {0, 0, size.cx, size.cy};
  m_bPrinting = 0;
}

void CBmpView::OnDraw(tmb::DeviceContext& dc) {
  EnsureSetup(&dc);
  if (m_bPrinting) {
    m_pHost->RenderPrintPage(dc);
  } else {
    Redraw(dc);
  }
}

void CBmpView::OnBeginPrinting(int preview) {
  m_bPrinting = 1;
  if (preview) {
    m_pHost->SendCommand(tmb::kCmdHideBar);
    m_bPreviewHidBar = 1;
  }
}

void CBmpView::OnEndPrinting() {
  m_bPrinting = 0;
  if (m_bPreviewHidBar) {
    m_pHost->SendCommand(tmb::kCmdShowBar);
    m_bPreviewHidBar = 0;
  }
  DrawRegion();
}

bool CBmpView::EnsureSetup(tmb::DeviceContext* pDC) {
  if (!m_bSetUpDone) {
    for (CWorkBitmap* bitmap : {&m_bmpWork, &m_bmpUndo, &m_bmpClip}) {
      if (bitmap->m_sizeCreate.cx <= 0) bitmap->SetSizeToCreate(gWorkCanvas.m_width, gWorkCanvas.m_height);
      if (bitmap->Create(pDC, 1) < 0) return false;
    }
    m_bmpWork.Fill(BackgroundColour());
    m_bSetUpDone = 1;
    m_effectDef.PushColoursToDialogs();
    m_effectDef.ApplyDetailValues();
    m_effectDef.Reload(1);
  }
  if (!m_bFirstCaptureDone && gPendingCaptureKind != -1) {
    const int kind = gPendingCaptureKind;
    gPendingCaptureKind = -1;
    m_bFirstCaptureDone = 1;
    // The painter that asked for it decides which window is in front.
    CaptureWindowImage(0, 0, kind, false);
  }
  return true;
}

void CBmpView::CaptureNow() { EnsureSetup(nullptr); }

void CBmpView::Redraw() {
  tmb::DeviceContext dc;
  m_pHost->PrepareClientDC(dc);
  Redraw(dc);
  m_pHost->ShowDrawn();
}

void CBmpView::Redraw(tmb::DeviceContext& dc) {
  if (!dc.surface()) return;
  FillAroundRect(dc, m_pHost->ClientRectLogical(), gDrawState.m_rcCanvas, gDrawState.m_crBackEdit);
  if (!m_bmpWork.IsNull()) {
    tmb::DeviceContext work(&m_bmpWork);
    const tmb::Point o = gDrawState.m_ptCanvasOrigin;
    dc.BitBlt(o.x, o.y, m_bmpWork.width(), m_bmpWork.height(), &work, 0, 0, tmb::kSrcCopy);
  }
  if (m_nFrameState == 1) DrawFrame(dc);
}

void CBmpView::RedrawResettingScroll() {
  if (gDrawState.m_nEditorRedrawBits & 2) {
    m_pHost->ScrollToRightEnd();
    gDrawState.m_nEditorRedrawBits &= ~2;
  }
  Redraw();
}

void CBmpView::DrawRegion() {
  m_pHost->ActivateEditor();
  Redraw();
}

void CBmpView::DrawFrame(tmb::DeviceContext& dc) {
  CLineRecord band{m_region.left, m_region.top, m_region.right, m_region.bottom, 1, 1};
  DrawRubberBandLine(dc, band);
}

void CBmpView::ShowRegionFrame() {
  if (m_nFrameState != 1) ToggleFrame(1);
}

void CBmpView::HideRegionFrame() {
  if (m_nFrameState == 1) ToggleFrame(0);
}

void CBmpView::ToggleFrame(int state) {
  // The frame inverts what it covers: drawing it again takes it away.
  tmb::DeviceContext dc;
  m_pHost->PrepareClientDC(dc);
  if (dc.surface()) DrawFrame(dc);
  m_nFrameState = state;
  m_pHost->ShowDrawn();
}

void CBmpView::RedrawRegionOutline() {
  HideRegionFrame();
  m_region = {0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height};
  ShowRegionFrame();
}

void CBmpView::BeginWaitCursor() {
  m_bWaitCursor = 1;
  m_pHost->UpdateCursor();
}

void CBmpView::EndWaitCursor() {
  m_bWaitCursor = 0;
  m_pHost->UpdateCursor();
}
