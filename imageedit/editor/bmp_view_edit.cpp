// The image editing view's picture operations: clearing, undo, painting dots, the region's
// cut, copy and paste, the floating block, and pictures taken from the other windows.
#include <algorithm>
#include <cstdlib>

#include "core/bitmap/palettes.h"
#include "core/canvas/box_drawing.h"
#include "core/canvas/cell_order.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/record/char_data.h"
#include "core/state/draw_state.h"
#include "imageedit/editor/area_setting.h"
#include "imageedit/editor/bmp_view.h"
#include "core/effect/effect_names.h"
#include "platform/gdi/raster_ops.h"
#include "platform/service/messages.h"

namespace {

constexpr int kCmdPaletteReset = 32929;
constexpr int kCmdPictureTaken = 32906;
constexpr tmb::Colour kStrokeOutline = 0x000000;

tmb::Rect Normalised(tmb::Rect r) {
  r.Normalize();
  return r;
}

tmb::Rect Intersect(const tmb::Rect& a, const tmb::Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Copies the block (x, y, w, h) of from into to at (tx, ty).
void CopyBlock(tmb::Surface& to, int tx, int ty, const tmb::Surface& from, int x, int y, int w, int h) {
  tmb::DeviceContext dst(&to);
  tmb::DeviceContext src(const_cast<tmb::Surface*>(&from));
  dst.BitBlt(tx, ty, w, h, &src, x, y, tmb::kSrcCopy);
}

}  // namespace

void CBmpView::FillWork(const tmb::Rect& rect, tmb::Colour colour) {
  if (m_bmpWork.IsNull()) return;
  tmb::DeviceContext dc(&m_bmpWork);
  dc.FillSolidRect(rect, colour);
}

void CBmpView::SaveUndoImage() {
  if (m_bmpWork.IsNull() || m_bmpUndo.IsNull()) return;
  CopyBlock(m_bmpUndo, 0, 0, m_bmpWork, 0, 0, m_bmpWork.width(), m_bmpWork.height());
  m_nUndoKind = kUndoWhole;
}

void CBmpView::ClearImage(int withFrame) { FillImageRect({0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height}, withFrame); }

void CBmpView::FillImageRect(const tmb::Rect& rect, int withFrame) {
  const bool shown = m_nFrameState == 1;
  HideRegionFrame();
  if (m_bSetUpDone) SaveUndoImage();
  if (rect == tmb::Rect{0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height}) {
    if (!m_bmpWork.IsNull()) m_bmpWork.Fill(BackgroundColour());
  } else {
    FillWork(rect, BackgroundColour());
  }
  Redraw();
  if (m_bPaletteChanged) {
    m_bPaletteChanged = 0;
    ResetPaletteTables();
    // The emptied tables take the colours of later drops again.
    m_bPaletteFull = 0;
    m_pHost->SendCommand(kCmdPaletteReset);
  }
  if (m_bSetUpDone) {
    FollowInZoomView();
    m_pHost->RefreshEffectSample();
  }
  if (withFrame && shown) ShowRegionFrame();
}

void CBmpView::Undo() {
  const bool shown = m_nFrameState == 1;
  HideRegionFrame();
  if (m_nUndoKind == kUndoWhole && !m_bmpUndo.IsNull() && !m_bmpWork.IsNull()) {
    CopyBlock(m_bmpWork, 0, 0, m_bmpUndo, 0, 0, m_bmpUndo.width(), m_bmpUndo.height());
  }
  m_nUndoKind = kUndoNone;
  Redraw();
  Modified();
  if (shown) ShowRegionFrame();
}

void CBmpView::PaintPoint(tmb::DeviceContext& dc, int x, int y) {
  const int size = gDrawState.m_nDotSize;
  const tmb::Colour colour = gDrawState.m_crDot;
  if (gDrawState.m_bDotToDrawWindow) {
    if (tmb::Surface* picture = m_pHost->WindowPicture(kKindCurrentDraw)) {
      tmb::DeviceContext other(picture);
      DrawDot(other, x, y, size, colour, 0);
    }
  }
  gDrawState.m_ptLastDot = {x, y};
  if (dc.surface()) DrawDot(dc, x, y, size, colour, 1);
  if (!m_bmpWork.IsNull()) {
    tmb::DeviceContext work(&m_bmpWork);
    DrawDot(work, x, y, size, colour, 0);
  }
  NotifyZoomPoint();
}

void CBmpView::PlaceRegionAt(int x, int y) { m_region = {x, y, x + m_sizeClip.cx, y + m_sizeClip.cy}; }

void CBmpView::RunEditOperation() {
  switch (m_nEditOperation) {
    case kEditCut: Cut(); break;
    case kEditCopy: Copy(); return;
    case kEditPaste: BeginPaste(); break;
    case kEditUndo: Undo(); break;
    default: return;
  }
  FollowInZoomView();
}

bool CBmpView::Copy() {
  // Only the part of the region on the picture can be copied.
  const tmb::Rect r = Intersect(Normalised(m_region), {0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height});
  if (r.IsEmpty() || m_bmpClip.IsNull() || m_bmpWork.IsNull()) {
    tmb::Beep();
    return false;
  }
  CopyBlock(m_bmpClip, 0, 0, m_bmpWork, r.left, r.top, r.Width(), r.Height());
  m_sizeClip = {r.Width(), r.Height()};
  m_ptLift = {r.left, r.top};
  m_bClipFilled = 1;
  m_nFloatState = kFloatNone;
  return true;
}

void CBmpView::Cut() {
  if (!Copy()) return;
  SaveUndoImage();
  const bool shown = m_nFrameState == 1;
  HideRegionFrame();
  FillWork({m_ptLift.x, m_ptLift.y, m_ptLift.x + m_sizeClip.cx, m_ptLift.y + m_sizeClip.cy}, BackgroundColour());
  Redraw();
  if (shown) ShowRegionFrame();
  Modified();
}

void CBmpView::BeginPaste() {
  HideRegionFrame();
  m_nMode = kModeFloat;
  m_nFloatState = kFloatNone;
}

void CBmpView::CutAndBeginPaste() {
  Cut();
  BeginPaste();
}

void CBmpView::CancelMode() {
  HideRegionFrame();
  if (m_nMode == kModeFloat) m_pHost->SetCapture(false);
  m_nMode = kModeRegion;
  m_nRubberBand = 0;
}

void CBmpView::PasteBitmapRegion(tmb::Point corner1, tmb::Point corner2, const tmb::Surface& source) {
  tmb::Rect r = Intersect(Normalised({corner1.x, corner1.y, corner2.x, corner2.y}), source.Bounds());
  if (!m_bmpClip.IsNull()) {
    r.right = std::min(r.right, r.left + m_bmpClip.width());
    r.bottom = std::min(r.bottom, r.top + m_bmpClip.height());
  }
  if (r.IsEmpty() || m_bmpClip.IsNull()) {
    tmb::Beep();
    return;
  }
  CopyBlock(m_bmpClip, 0, 0, source, r.left, r.top, r.Width(), r.Height());
  m_sizeClip = {r.Width(), r.Height()};
  m_nMode = kModeFloat;
  m_bForeignPaste = 1;
  m_bClipFilled = 1;
}

void CBmpView::TakeWindowRegion(int kind) {
  tmb::Surface* source = m_pHost->WindowPicture(kind);
  const tmb::Rect r = m_pHost->WindowRegion(kind);
  if (!source) {
    tmb::Beep();
    return;
  }
  PasteBitmapRegion({r.left, r.top}, {r.right, r.bottom}, *source);
}

void CBmpView::CaptureWindowImage(int byRegion, int noRedraw, int kind, bool bringForward) {
  tmb::Surface* source = m_pHost->WindowPicture(kind);
  if (!source || m_bmpWork.IsNull() || (byRegion && !m_pHost->WindowRecord(kind, 0))) {
    tmb::Beep();
    return;
  }
  if (bringForward) m_pHost->ActivateEditor();
  BeginWaitCursor();
  SaveUndoImage();
  if (byRegion) {
    m_bmpWork.Fill(BackgroundColour());
    CopyCellsToVerticalOrder(m_bmpWork, *source, kind);
  } else {
    CopyBlock(m_bmpWork, 0, 0, *source, 0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height);
  }
  if (kind != kKindPreview) {
    tmb::Colour& back = m_effectDef.m_colour1[kEffectColourBack];
    back = m_pHost->WindowBackground(kind, back);
  }
  if (!noRedraw) {
    Modified();
    RedrawResettingScroll();
    FollowInZoomView();
    m_pHost->SendCommand(kCmdPictureTaken);
  }
  EndWaitCursor();
}

void CBmpView::CopyCellsToVerticalOrder(tmb::Surface& dest, const tmb::Surface& source, int kind) {
  if (CCharData* record = m_pHost->WindowRecord(kind, 0)) {
    ::CopyCellsToVerticalOrder(dest, source, *record, m_pHost->WindowRecord(kind, 1));
  }
}

void CBmpView::ShowVectorStrokes() {
  ClearImage(0);
  if (gPathSequence.m_pPath && !m_bmpWork.IsNull()) {
    tmb::DeviceContext work(&m_bmpWork);
    gPathSequence.m_pPath->FillStrokes(&work, kStrokeOutline, 2, {}, 0);
  }
  Redraw();
  FollowInZoomView();
}

bool CBmpView::EditRegionByDialog() {
  // The dialog opens on the region until it was once confirmed; then on what it held.
  const tmb::Rect r = m_bDialogUsed ? AreaSettingState().Region() : Normalised(m_region);
  tmb::Point c1{r.left, r.top}, c2{r.right, r.bottom};
  if (!RunAreaSettingDialog(c1, c2, 1)) return false;
  m_bDialogUsed = 1;
  HideRegionFrame();
  m_region = {c1.x, c1.y, c2.x, c2.y};
  ShowRegionFrame();
  return true;
}

void CBmpView::RestoreFloatArea(tmb::DeviceContext& dc) {
  if (!dc.surface() || m_bmpWork.IsNull()) return;
  const tmb::Rect r = m_bWholeRedraw ? tmb::Rect{0, 0, m_bmpWork.width(), m_bmpWork.height()} : Normalised(m_lastFloat);
  tmb::DeviceContext work(&m_bmpWork);
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  dc.BitBlt(o.x + r.left, o.y + r.top, r.Width(), r.Height(), &work, r.left, r.top, tmb::kSrcCopy);
}

void CBmpView::DrawFloat(int x, int y, int w, int h, tmb::Size source) {
  tmb::DeviceContext dc;
  m_pHost->PrepareClientDC(dc);
  if (m_nFloatState != kFloatNone) RestoreFloatArea(dc);
  if (m_nFloatState == kFloatErase) {
    m_nFloatState = kFloatNone;
    m_pHost->ShowDrawn();
    return;
  }
  if (m_nFloatState == kFloatNone) m_nFloatState = kFloatDrawn;
  tmb::DeviceContext clip(&m_bmpClip);
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  // An unscaled block is a plain copy; the stretch serves only a changed size.
  const bool same = w == source.cx && h == source.cy;
  if (dc.surface()) {
    if (same) {
      dc.BitBlt(o.x + x, o.y + y, w, h, &clip, 0, 0, tmb::kSrcCopy);
    } else {
      dc.StretchBlt(o.x + x, o.y + y, w, h, &clip, 0, 0, source.cx, source.cy, tmb::kSrcCopy);
    }
  }
  if (m_nFloatState == kFloatCommit && !m_bmpWork.IsNull()) {
    tmb::DeviceContext work(&m_bmpWork);
    if (same) {
      work.BitBlt(x, y, w, h, &clip, 0, 0, tmb::kSrcCopy);
    } else {
      work.StretchBlt(x, y, w, h, &clip, 0, 0, source.cx, source.cy, tmb::kSrcCopy);
    }
    m_nFloatState = kFloatNone;
  }
  m_lastFloat = {x, y, x + w, y + h};
  m_pHost->ShowDrawn();
}

void CBmpView::DrawFloatAt(int x, int y) {
  // A block crossing the right edge is cut there, not squeezed.
  const int w = std::min(m_sizeClip.cx, gWorkCanvas.m_width - x);
  if (w <= 0) return;
  DrawFloat(x, y, w, m_sizeClip.cy, {w, m_sizeClip.cy});
}
