// The drawing view as a window: its scrolled area, its window surface and how that
// reaches the screen, the client contexts, the cursor and the view of each window kind.
#include "views/tmb_view.h"

#include <QMetaObject>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "brush/render/brush_state.h"
#include "core/canvas/work_canvas.h"
#include "core/document/doc_windows.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_messages.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/paper_scroll.h"
#include "platform/ui/timers.h"
#include "views/input/tablet_ink_input.h"
#include "views/tmb_view_area.h"

namespace {

// The settings panel is the third pane of a drawing window's splitter.
constexpr int kSettingsPane = 2;
// Lines a click on a scroll bar's arrow moves, in pixels.
constexpr int kScrollLine = 16;

std::vector<CTmbView*>& LiveViews() {
  static std::vector<CTmbView*> views;
  return views;
}

}  // namespace

CTmbView::CTmbView(tmb::ui::Document* document, int viewClass, QWidget* parent)
    : tmb::ui::View(document, viewClass, parent), m_nKind(gDrawState.m_nCreatingKind), m_pArea(new CTmbViewArea(this)) {
  setObjectName(m_nKind == kKindDrawB ? QStringLiteral("drawingViewB") : QStringLiteral("drawingViewA"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_pArea);
  setFocusProxy(m_pArea);
  RegisterCommands();
  RegisterPrintCommands();
  RegisterPrintSource(m_nKind, this);
  LiveViews().push_back(this);
  AttachTabletInk(*this, m_nKind != kKindDrawA ? 1 : 0);
}

CTmbView::~CTmbView() {
  DetachTabletInk(m_nKind != kKindDrawA ? 1 : 0);
  CloseTablet();
  m_pArea->Detach();
  tmb::ui::Timers().Kill(this, kIdleTimer);
  ReleaseOffscreenDCs();
  if (m_nIndex == 0 || m_nIndex == 1) gBrushStates[m_nIndex].DeleteObjects();
  std::erase(LiveViews(), this);
  UnregisterPrintSource(this);
}

CTmbView* CTmbView::ViewOfKind(int kind) {
  const int wanted = gDrawState.ResolveKind(kind);
  for (CTmbView* view : LiveViews()) {
    if (view->m_nKind == wanted) return view;
  }
  return nullptr;
}

CTmbDoc* CTmbView::GetDocument() const { return TmbDocOfKind(m_nKind); }

CCharDataFull* CTmbView::DrawnRecord() const {
  CTmbDoc* doc = GetDocument();
  return doc ? &doc->m_char : nullptr;
}

// ---- the window and its surface

void CTmbView::OnInitialUpdate() {
  UpdateScrollRanges();
  // Vertical writing starts at the right: the view opens on the paper's right side.
  m_pArea->horizontalScrollBar()->setValue(m_pArea->horizontalScrollBar()->maximum());
  m_pArea->verticalScrollBar()->setValue(0);
  FlushMouseMessages();
  // The user cannot close a drawing window: files open into it and save from it while the
  // program runs.
  if (tmb::ui::ChildFrame* f = frame()) f->DisableClose();
  Invalidate();
}

void CTmbView::OnUpdate() { Invalidate(); }

void CTmbView::ShowNow() {
  // The surface holds what is to be seen: the paint only shows it.
  m_bNeedsDraw = false;
  m_pArea->viewport()->repaint();
}

void CTmbView::Invalidate() {
  m_bNeedsDraw = true;
  m_pArea->viewport()->update();
}

// The paper with the canvas origin as a margin on every side.
QSize CTmbView::ScrolledSize() {
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  return {gWorkCanvas.m_width + 2 * o.x, gWorkCanvas.m_height + 2 * o.y};
}

void CTmbView::UpdateScrollRanges() { tmb::ui::SetPaperScrollRanges(*m_pArea, ScrolledSize(), kScrollLine); }

void CTmbView::OnViewportResized() {
  // A view that showed the paper's right side keeps showing it.
  tmb::ui::RefitPaperScrollRanges(*m_pArea, ScrolledSize(), kScrollLine);
  Invalidate();
}

void CTmbView::OnScrolled() { Invalidate(); }

void CTmbView::ScrollBy(tmb::DeviceContext& dc, int bar, int delta) {
  QScrollBar* scroll = bar == 0 ? m_pArea->horizontalScrollBar() : m_pArea->verticalScrollBar();
  scroll->setValue(scroll->value() + delta);
  OnPrepareDC(dc);
  PaintWritingArea(dc);
  // The writing area was just shown at the new place: a later paint only shows it, and
  // leaves what the caller draws over it (a rubber band) alone.
  m_bNeedsDraw = false;
}

void CTmbView::ScrollTo(tmb::DeviceContext& dc, int x, int y) {
  m_pArea->horizontalScrollBar()->setValue(x);
  m_pArea->verticalScrollBar()->setValue(y);
  OnPrepareDC(dc);
  PaintWritingArea(dc);
  m_bNeedsDraw = false;
}

void CTmbView::OnPrepareDC(tmb::DeviceContext& dc) {
  dc.SetViewportOrigin({-m_pArea->horizontalScrollBar()->value(), -m_pArea->verticalScrollBar()->value()});
}

tmb::Rect CTmbView::ClientRectLogical() const { return tmb::ui::VisibleRect(*m_pArea); }

void CTmbView::FitWindowSurface() {
  if (tmb::ui::FitSurfaceToSize(m_windowSurface, m_pArea->viewport()->size())) m_bNeedsDraw = true;
}

void CTmbView::PrepareClientDC(tmb::DeviceContext& dc) {
  FitWindowSurface();
  dc.SelectSurface(m_windowSurface.IsNull() ? nullptr : &m_windowSurface);
  OnPrepareDC(dc);
}

CTmbView::ClientDC::ClientDC(CTmbView& view) : view_(view) { view_.PrepareClientDC(dc_); }

CTmbView::ClientDC::~ClientDC() { view_.m_pArea->viewport()->update(); }

void CTmbView::PaintViewport() {
  FitWindowSurface();
  if (m_windowSurface.IsNull()) return;
  if (m_bNeedsDraw) {
    m_bNeedsDraw = false;
    tmb::DeviceContext dc(&m_windowSurface);
    OnPrepareDC(dc);
    if (m_bInitialised) {
      OnDraw(dc);
    } else {
      // The set-up may ask the user things and converts the character: it runs once
      // this paint is over, which shows the blank paper meanwhile.
      PaintWritingArea(dc);
      if (!m_bSetUpQueued) {
        m_bSetUpQueued = true;
        AfterPaint([this] {
          ClientDC client(*this);
          if (!m_bInitialised) OnDraw(client);
        });
      }
    }
  }
  tmb::ui::ShowSurface(*m_pArea->viewport(), m_windowSurface);
}

void CTmbView::AfterPaint(std::function<void()> work) {
  QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void CTmbView::SendFrameCommand(int id) {
  if (auto* main = qobject_cast<tmb::ui::MainFrame*>(window())) main->ExecuteCommand(id);
}

void CTmbView::ShowWindowNow() { m_pArea->viewport()->repaint(); }

void CTmbView::RedrawSettingsPane() {
  auto* splitter = qobject_cast<QSplitter*>(parentWidget());
  if (splitter && splitter->count() > kSettingsPane) splitter->widget(kSettingsPane)->repaint();
}

tmb::Surface* CTmbView::BackBuffer() { return m_pShownBitmap ? m_pShownBitmap : ShownBitmap(); }

tmb::Surface* CTmbView::DrawingBitmap() { return m_pBrushState ? &m_pBrushState->m_bitmap : nullptr; }
