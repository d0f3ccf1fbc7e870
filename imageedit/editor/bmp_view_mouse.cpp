// The image editing view's mouse modes: painting dots, the region's rubber band, the
// floating paste, and the stretch and move of a lifted block, with auto-scroll.
#include <cstdlib>

#include "core/bitmap/palettes.h"
#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "imageedit/editor/bmp_view.h"
#include "platform/gdi/raster_ops.h"
#include "platform/service/messages.h"

namespace {

bool ShortSpan(int dx, int dy, int limit) { return std::abs(dx) < limit && std::abs(dy) < limit; }

}  // namespace

void CBmpView::OnLButtonDown(tmb::Point device) {
  const tmb::Point p = ToImage(ToLogical(device));
  if (m_nMode != kModeMove) m_ptPress = m_ptLast = p;
  gEditorPointer = p;
  if (m_nMode == kModePaint) {
    if (!InCanvas(p)) {
      tmb::Beep();
      return;
    }
    HideRegionFrame();
    tmb::DeviceContext dc;
    m_pHost->PrepareClientDC(dc);
    PaintPoint(dc, p.x, p.y);
    m_pHost->ShowDrawn();
  } else if (m_nMode == kModeRegion) {
    RegionDown(p);
  }
}

void CBmpView::OnMouseMove(tmb::Point device, bool leftOnly) {
  const tmb::Point logical = ToLogical(device);
  // The floating block follows the pointer anywhere: it goes away outside the client.
  if (m_nMode != kModeFloat && !gDrawState.m_rcCanvas.Contains(logical)) return;
  const tmb::Point p = ToImage(logical);
  gEditorPointer = p;
  switch (m_nMode) {
    case kModePaint:
      if (leftOnly && InCanvas(p)) {
        tmb::DeviceContext dc;
        m_pHost->PrepareClientDC(dc);
        PaintPoint(dc, p.x, p.y);
        m_pHost->ShowDrawn();
      }
      break;
    case kModeRegion: RegionMove(p); break;
    case kModeFloat: FloatMove(logical, p); break;
    default: LiftMove(p); break;
  }
}

void CBmpView::OnLButtonUp(tmb::Point device) {
  // A release anywhere ends what the press began, so no drag is left half done.
  const tmb::Point p = ToImage(ToLogical(device));
  switch (m_nMode) {
    case kModePaint:
      if (!InCanvas(p)) {
        tmb::Beep();
        return;
      }
      Modified();
      break;
    case kModeRegion: RegionUp(); break;
    case kModeFloat: FloatUp(p); break;
    default: LiftUp(p); break;
  }
  FollowInZoomView();
}

void CBmpView::OnRButtonUp(tmb::Point device) {
  if (m_nMode != kModeFloat) {
    m_pHost->ShowPopupMenu(ToLogical(device));
    return;
  }
  // A right click drops the floating block: nothing is pasted.
  m_pHost->SetCapture(false);
  m_nFloatState = kFloatNone;
  m_nMode = kModeRegion;
  Redraw();
}

void CBmpView::OnRButtonDown(tmb::Point /*device*/) {}

void CBmpView::OnKeyDown(int /*key*/) {}

void CBmpView::OnKillFocus() {}

void CBmpView::RegionDown(tmb::Point p) {
  m_nEdgeHit = HitRegionEdge(p);
  m_nInsideHit = m_nEdgeHit ? 0 : HitRegionInside(p);
  if (m_nEdgeHit || m_nInsideHit) {
    HideRegionFrame();
    // The picture is saved for undo only once the block leaves its place: a grip that moves
    // nothing keeps the undo of the operation before.
    m_bLifted = 0;
    if (Copy()) {
      // Only the part on the picture was lifted: the move and the stretch go from its corner.
      m_region = {m_ptLift.x, m_ptLift.y, m_ptLift.x + m_sizeClip.cx, m_ptLift.y + m_sizeClip.cy};
      m_ptGrab = {p.x - m_ptLift.x, p.y - m_ptLift.y};
      m_nMode = m_nEdgeHit ? kModeStretch : kModeMove;
      m_nFloatState = kFloatNone;
      return;
    }
  }
  HideRegionFrame();
  if (m_nRubberBand == 0) {
    m_nRubberBand = 1;
    m_prevRegion = m_region;
    m_region = {p.x, p.y, p.x, p.y};
  }
}

void CBmpView::RegionMove(tmb::Point p) {
  if (m_nRubberBand == 0) {
    m_nEdgeHit = HitRegionEdge(p);
    if (!m_nEdgeHit) m_nInsideHit = HitRegionInside(p);
    m_pHost->UpdateCursor();
    return;
  }
  m_nRubberBand = 2;
  HideRegionFrame();
  AutoScroll(p, m_ptLast);
  m_ptLast = p;
  m_region.right = p.x;
  m_region.bottom = p.y;
  ShowRegionFrame();
}

void CBmpView::RegionUp() {
  if (m_nRubberBand == 0) return;
  if (m_nRubberBand != 2 || ShortSpan(m_region.Width(), m_region.Height(), kClickSpan)) {
    // A click: the region stays what it was.
    HideRegionFrame();
    m_ptLastRef = {m_region.left, m_region.top};
    m_region = m_prevRegion;
  } else {
    m_region.Normalize();
    m_prevRegion = m_region;
    m_ptLastRef = {m_region.left + m_region.Width() / 2, m_region.top + m_region.Height() / 2};
  }
  m_nRubberBand = 0;
}

void CBmpView::FloatMove(tmb::Point logical, tmb::Point p) {
  HideRegionFrame();
  if (!m_pHost->ClientRectLogical().Contains(logical)) {
    if (m_nFloatState == kFloatDrawn) {
      m_nFloatState = kFloatErase;
      m_pHost->SetCapture(false);
      DrawFloat(0, 0, 0, 0, {});
    }
    return;
  }
  m_pHost->SetCapture(true);
  if (!InCanvas(p)) {
    tmb::Beep();
    return;
  }
  DrawFloatAt(p.x, p.y);
}

void CBmpView::FloatUp(tmb::Point p) {
  m_pHost->SetCapture(false);
  if (!InCanvas(p)) {
    // Released off the picture: nothing is pasted and the block leaves the screen.
    HideRegionFrame();
    if (m_nFloatState == kFloatDrawn) {
      m_nFloatState = kFloatErase;
      DrawFloat(0, 0, 0, 0, {});
    }
    m_nFloatState = kFloatNone;
    m_nMode = kModeRegion;
    return;
  }
  // The paste is undone alone, not back to whatever was saved before it.
  SaveUndoImage();
  m_nFloatState = kFloatCommit;
  DrawFloatAt(p.x, p.y);
  Modified();
  m_nMode = kModeRegion;
  m_ptLastRef = p;
  PlaceRegionAt(p.x, p.y);
  m_nFrameState = 0;
  m_nFloatState = kFloatNone;
  if (m_bForeignPaste && gDrawState.m_bPaletteDevice) MergeWindowColours();
  m_bForeignPaste = 0;
}

void CBmpView::MergeWindowColours() {
  // A block from another window brings the drawing windows' colours into the picture.
  tmb::DeviceContext work(&m_bmpWork);
  SelectEditPalette(&work);
  const ColourTable& used = gColourTables[1];
  for (int i = 0; i < kColourTableEntries - 1; ++i) {
    const tmb::PaletteEntry& e = used[size_t(i)];
    if (e.red == 0 && e.green == 0 && e.blue == 0) break;
    AddPaletteColour(m_bPaletteFull, tmb::MakeRgb(e.red, e.green, e.blue));
  }
  m_bPaletteChanged = 1;
}

void CBmpView::LiftMove(tmb::Point p) {
  tmb::Point ref = m_nMode == kModeStretch ? p : tmb::Point{p.x - m_ptGrab.x, p.y - m_ptGrab.y};
  if (!InCanvas(ref)) return;
  if (!m_bLifted) {
    SaveUndoImage();
    m_bLifted = 1;
  }
  if (m_nFloatState == kFloatNone) {
    // The block leaves its place: the background shows there, in the picture and on screen.
    const tmb::Rect lifted{m_ptLift.x, m_ptLift.y, m_ptLift.x + m_sizeClip.cx, m_ptLift.y + m_sizeClip.cy};
    FillWork(lifted, BackgroundColour());
    tmb::DeviceContext dc;
    m_pHost->PrepareClientDC(dc);
    const tmb::Rect last = m_lastFloat;
    m_lastFloat = lifted;
    RestoreFloatArea(dc);
    m_lastFloat = last;
  }
  if (AutoScroll(p, m_ptLast)) ref = m_nMode == kModeStretch ? p : tmb::Point{p.x - m_ptGrab.x, p.y - m_ptGrab.y};
  m_ptLast = p;
  if (m_nMode == kModeStretch) {
    const int w = ref.x - m_region.left, h = ref.y - m_region.top;
    if (std::abs(w) > kMinStretchSpan && std::abs(h) > kMinStretchSpan) DrawFloat(m_region.left, m_region.top, w, h, m_sizeClip);
  } else {
    DrawFloatAt(ref.x, ref.y);
  }
}

void CBmpView::LiftUp(tmb::Point p) {
  const tmb::Point ref = m_nMode == kModeStretch ? p : tmb::Point{p.x - m_ptGrab.x, p.y - m_ptGrab.y};
  const bool lifted = m_bLifted != 0;
  m_bLifted = 0;
  // A block committed without having left its place changes the picture only now.
  auto saveUnlessLifted = [&] {
    if (!lifted) SaveUndoImage();
  };
  m_nFloatState = kFloatCommit;
  if (!InCanvas(ref)) {
    tmb::Beep();
    if (lifted) Undo();
    if (m_nMode == kModeMove) HideRegionFrame();
  } else if (m_nMode == kModeStretch) {
    const int w = ref.x - m_region.left, h = ref.y - m_region.top;
    if (std::abs(w) > kMinStretchSpan && std::abs(h) > kMinStretchSpan) {
      saveUnlessLifted();
      DrawFloat(m_region.left, m_region.top, w, h, m_sizeClip);
      m_region = {m_region.left, m_region.top, m_region.left + w, m_region.top + h};
      m_region.Normalize();
    }
  } else if (ShortSpan(p.x - m_ptPress.x, p.y - m_ptPress.y, kClickSpan)) {
    if (lifted) Undo();
    HideRegionFrame();
    m_ptLastRef = m_ptPress;
  } else {
    saveUnlessLifted();
    DrawFloatAt(ref.x, ref.y);
    PlaceRegionAt(ref.x, ref.y);
  }
  Modified();
  m_nMode = kModeRegion;
  m_nFloatState = kFloatNone;
  m_nEdgeHit = m_nInsideHit = 0;
}

int CBmpView::HitRegionEdge(tmb::Point p) const {
  if (m_nFrameState != 1) return 0;
  tmb::Rect r = m_region;
  r.Normalize();
  if (p.y > r.top && p.y < r.bottom && std::abs(p.x - r.right) < kEdgeGrip) return 1;
  if (p.x > r.left && p.x < r.right && std::abs(p.y - r.bottom) < kEdgeGrip) return 2;
  return 0;
}

bool CBmpView::HitRegionInside(tmb::Point p) {
  if (m_nFrameState != 1) return false;
  tmb::Rect r = m_region;
  r.Normalize();
  // The whole picture cannot be dragged about: a region covering it takes no grip.
  if (r.left <= 0 && r.top <= 0 && r.right >= gWorkCanvas.m_width && r.bottom >= gWorkCanvas.m_height) return false;
  if (!r.Contains(p)) return false;
  m_ptGrab = {p.x - r.left, p.y - r.top};
  return true;
}

bool CBmpView::AutoScroll(tmb::Point& p, tmb::Point previous) {
  const tmb::Rect client = m_pHost->ClientRectLogical();
  const tmb::Point c{p.x + gDrawState.m_ptCanvasOrigin.x, p.y + gDrawState.m_ptCanvasOrigin.y};
  int dx = 0, dy = 0;
  if (c.x + kScrollMargin > client.right && p.x >= previous.x) {
    dx = kScrollStep;
  } else if (c.x - kScrollMargin < client.left && p.x <= previous.x) {
    dx = -kScrollStep;
  } else if (c.y + kScrollMargin > client.bottom && p.y >= previous.y) {
    dy = kScrollStep;
  } else if (c.y - kScrollMargin < client.top && p.y <= previous.y) {
    dy = -kScrollStep;
  }
  if ((dx == 0 && dy == 0) || !m_pHost->ScrollBy(dx, dy)) {
    m_bAutoScrolled = 0;
    return false;
  }
  Redraw();
  p = ToImage(m_pHost->CursorPosition());
  m_bAutoScrolled = 1;
  return true;
}

void CBmpView::DrawPenDot(int x, int y, tmb::Colour colour) {
  if (m_bmpWork.IsNull() || x < 0 || y < 0 || x >= m_bmpWork.width() || y >= m_bmpWork.height()) return;
  m_bmpWork.SetPixel(x, y, colour);
  Modified();
}
