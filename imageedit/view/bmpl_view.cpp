#include "imageedit/view/bmpl_view.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ui/colour_boxes.h"
#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "core/state/key_up.h"
#include "core/state/mouse_messages.h"
#include "imageedit/view/bmp_view_window.h"
#include "imageedit/view/editor_keys.h"
#include "imageedit/view/picture_commands.h"
#include "imageedit/view/zoom_cursor.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/paper_scroll.h"
#include "platform/ui/surface_scroll_area.h"
#include "views/tmb_view.h"

namespace {

constexpr int kCmdKeyUp = 32849;
constexpr int kScrollLine = 16;
constexpr int kLowRedrawBits = 3;

CBmplView* gInstance = nullptr;

class ZoomArea final : public tmb::ui::SurfaceScrollArea<CBmplView> {
 public:
  explicit ZoomArea(CBmplView* view) : SurfaceScrollArea(view) {
    viewport()->setObjectName(QStringLiteral("zoomViewport"));
    viewport()->setCursor(ZoomPaintCursor());  // the scroll bars keep the default one
  }

 protected:
  // A double click is no second paint: it stays with the scroll area.
  bool ViewportMouse(const QMouseEvent& event) override {
    if (event.type() == QEvent::MouseButtonDblClick) return false;
    view_->OnMouseEvent(event);
    return true;
  }
  void scrollContentsBy(int, int) override {
    if (view_) view_->OnUpdate();
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    RecordKeyUp(0, 1, 0);
    if (gDrawState.m_bMultiDoc) {
      if (auto* main = qobject_cast<tmb::ui::MainFrame*>(window())) main->ExecuteCommand(kCmdKeyUp);
    }
    QAbstractScrollArea::keyReleaseEvent(event);
  }
};

CBmpView* Editor() {
  CBmpViewWindow* window = CBmpViewWindow::Instance();
  return window ? &window->editor() : nullptr;
}

// Panel mode shows the current drawing window's paper instead of the editor's picture:
// from the top-left corner of the registration panel's writing area while the panel is
// shown, else from the paper's corner.
bool PanelMode() { return gDrawState.m_bZoomPanelMode != 0; }
bool ToolPanelShown() { return gDrawState.m_toolPanel.m_bShown != 0; }
bool PanelShown() { return PanelMode() && ToolPanelShown(); }
tmb::Point PanelOrigin() {
  if (!PanelShown()) return {0, 0};
  const tmb::Rect& r = gDrawState.m_toolPanel.m_rcWriting;
  return {r.left, r.top};
}

}  // namespace

CBmplView::CBmplView(tmb::ui::Document* document, int viewClass, QWidget* parent)
    : tmb::ui::View(document, viewClass, parent), m_pArea(new ZoomArea(this)) {
  setObjectName(QStringLiteral("zoomView"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_pArea);
  setFocusProxy(m_pArea);
  InstallEditorKeys(this);
  gInstance = this;
}

CBmplView::~CBmplView() {
  static_cast<ZoomArea*>(m_pArea)->Detach();
  delete m_pFixDlg.data();
  if (gInstance == this) gInstance = nullptr;
}

CBmplView* CBmplView::Instance() { return gInstance; }

QWidget* CBmplView::viewport() const { return m_pArea->viewport(); }

tmb::Size CBmplView::SourceSize() const {
  const tmb::Size canvas{gWorkCanvas.m_width, gWorkCanvas.m_height};
  const tmb::Size size = PanelMode() ? gDrawState.m_sizeCharImage : canvas;
  // While the tool panel shows, the last column and row are left out (in panel mode the
  // frame line around the writing area).
  return ToolPanelShown() ? tmb::Size{size.cx - 1, size.cy - 1} : size;
}

const tmb::Surface* CBmplView::Source() const {
  if (PanelMode()) return WindowPictureOfKind(kKindCurrentDraw);
  const CBmpView* editor = Editor();
  return editor && !editor->m_bmpWork.IsNull() ? &editor->m_bmpWork : nullptr;
}

void CBmplView::OnInitialUpdate() {
  ++m_nInitialUpdates;
  const tmb::Size size = SourceSize();
  m_sizeExtent = {size.cx * m_nZoom, size.cy * m_nZoom};
  m_rcPicture = {0, 0, m_sizeExtent.cx + 1, m_sizeExtent.cy + 1};
  tmb::ui::SetPaperScrollRanges(*m_pArea, {m_sizeExtent.cx, m_sizeExtent.cy}, kScrollLine);
  const QSize client = m_pArea->viewport()->size();
  if (ToolPanelShown()) {
    // The picture in the middle of the window.
    m_pArea->horizontalScrollBar()->setValue(std::max(0, (m_sizeExtent.cx - client.width()) / 2));
    m_pArea->verticalScrollBar()->setValue(std::max(0, (m_sizeExtent.cy - client.height()) / 2));
  } else if (client.width() > m_sizeExtent.cx) {
    m_pArea->horizontalScrollBar()->setValue(0);
  }
  FlushMouseMessages();
  gDrawState.m_bZoomFollows = 1;
  // The box is made once for the view's life; later initial updates keep it as it is.
  if (!m_pFixDlg) m_pFixDlg = new CFixColorDlg();
  OnUpdate();
}

void CBmplView::OnUpdate() {
  m_bNeedsDraw = true;
  m_pArea->viewport()->update();
}

void CBmplView::Redraw() {
  if (gDrawState.m_nEditorRedrawBits & kLowRedrawBits) {
    gDrawState.m_nEditorRedrawBits &= ~kLowRedrawBits;
    OnInitialUpdate();
  }
  OnUpdate();
}

tmb::Point CBmplView::ScrollPosition() const {
  return {m_pArea->horizontalScrollBar()->value(), m_pArea->verticalScrollBar()->value()};
}

void CBmplView::ScrollToCursor(tmb::Point cursor) {
  // The editor's pointer means nothing to the drawing window's paper.
  if (PanelMode()) return;
  const QSize client = m_pArea->viewport()->size();
  const tmb::Size size = SourceSize();
  // A client larger than the magnified picture keeps the position at 0.
  const int maxX = std::max(0, size.cx * m_nZoom - client.width());
  const int maxY = std::max(0, size.cy * m_nZoom - client.height());
  m_pArea->horizontalScrollBar()->setValue(std::clamp(cursor.x * m_nZoom - client.width() / 2, 0, maxX));
  m_pArea->verticalScrollBar()->setValue(std::clamp(cursor.y * m_nZoom - client.height() / 2, 0, maxY));
  OnUpdate();
}

void CBmplView::SetZoomFactor(int factor) {
  if (factor > 0 && factor != m_nZoom) {
    m_nZoom = factor;
    OnInitialUpdate();
  }
  OnUpdate();
}

tmb::Colour CBmplView::PaintColour() const {
  return m_pFixDlg ? m_pFixDlg->m_colours.SlotColour(0) : tmb::Colour(0);
}

bool CBmplView::PaintPixelAt(tmb::Point view, bool white) {
  if (!m_rcPicture.Contains(view)) return false;
  const tmb::Point pixel{view.x / m_nZoom, view.y / m_nZoom};
  // The picture rectangle reaches one point past the picture: that point shows no pixel.
  const tmb::Size size = SourceSize();
  if (pixel.x < 0 || pixel.y < 0 || pixel.x >= size.cx || pixel.y >= size.cy) return false;
  const tmb::Point origin = PanelOrigin();
  gDrawState.m_ptZoomPixel = {pixel.x + origin.x, pixel.y + origin.y};
  tmb::Colour colour = PaintColour();
  if (gDrawState.m_nFixColourMode != 0) colour = white ? 0xFFFFFF : 0x000000;
  PaintCell(pixel, colour);
  CBmpViewWindow* window = CBmpViewWindow::Instance();
  if (PanelMode()) {
    // The drawing window's paper changes, not the editor's picture; a paint still counts
    // as a change of the editor's.
    const tmb::Point at = gDrawState.m_ptZoomPixel;
    if (CTmbView* view = CTmbView::ViewOfKind(kKindCurrentDraw)) view->DrawPenDotOnCharacterView(at.x, at.y, colour);
    if (window) window->editor().m_bModified = 1;
  } else if (window) {
    window->editor().DrawPenDot(pixel.x, pixel.y, colour);
    window->OnUpdate();
  }
  if (window) window->SyncModified();
  return true;
}

void CBmplView::PaintCell(tmb::Point pixel, tmb::Colour colour) {
  tmb::DeviceContext dc;
  PrepareClientDC(dc);
  dc.FillSolidRect({pixel.x * m_nZoom, pixel.y * m_nZoom, (pixel.x + 1) * m_nZoom, (pixel.y + 1) * m_nZoom}, colour);
  m_pArea->viewport()->update();
}

void CBmplView::TakeColourAt(tmb::Point view) {
  // The colour comes from the picture, never from the grey surround around it.
  const tmb::Surface* source = Source();
  const tmb::Size size = SourceSize();
  const tmb::Point pixel{view.x / m_nZoom, view.y / m_nZoom};
  if (!source || view.x < 0 || view.y < 0 || pixel.x >= size.cx || pixel.y >= size.cy) return;
  const tmb::Point origin = PanelOrigin();
  const tmb::Colour colour = source->GetPixel(pixel.x + origin.x, pixel.y + origin.y);
  if (colour == tmb::kInvalidColour) return;
  gDrawState.m_crRightClick = colour;
  if (!m_pFixDlg) m_pFixDlg = new CFixColorDlg();
  m_bBusy = 1;
  m_pFixDlg->m_colours.SetSlotColour(0, colour);
  if (!IsFixColourDialogShown()) m_pFixDlg->Create(this);
  m_pFixDlg->m_colours.Refresh(-1);
  m_bBusy = 0;
}

bool CBmplView::IsFixColourDialogShown() const { return m_pFixDlg && m_pFixDlg->window() && m_pFixDlg->window()->isVisible(); }

void CBmplView::ToggleFixColourDialog() {
  if (!m_pFixDlg) m_pFixDlg = new CFixColorDlg();
  if (IsFixColourDialogShown()) {
    m_pFixDlg->window()->hide();
  } else if (m_pFixDlg->window()) {
    m_pFixDlg->window()->show();
  } else {
    m_pFixDlg->Create(this);
  }
}

void CBmplView::PrepareClientDC(tmb::DeviceContext& dc) {
  tmb::ui::FitSurfaceToSize(m_windowSurface, m_pArea->viewport()->size());
  dc.SelectSurface(m_windowSurface.IsNull() ? nullptr : &m_windowSurface);
  const tmb::Point scroll = ScrollPosition();
  dc.SetViewportOrigin({-scroll.x, -scroll.y});
}

void CBmplView::OnDraw(tmb::DeviceContext& dc) {
  const tmb::Point scroll = ScrollPosition();
  const QSize client = m_pArea->viewport()->size();
  dc.FillSolidRect({scroll.x, scroll.y, scroll.x + client.width(), scroll.y + client.height()}, kSurround);
  const tmb::Surface* source = Source();
  if (!gDrawState.m_bViewsReady || !gDrawState.m_bImageEditorOpened || !source) return;
  const int z = m_nZoom;
  const tmb::Size size = SourceSize();
  const tmb::Point origin = PanelOrigin();
  // The source block in view: whole cells from the first one the scroll position cuts,
  // within the shown size and the source picture.
  const int sx = scroll.x / z, sy = scroll.y / z;
  const int cellsX = std::min({client.width() / z + 2, size.cx - sx, source->width() - origin.x - sx});
  const int cellsY = std::min({client.height() / z + 2, size.cy - sy, source->height() - origin.y - sy});
  if (cellsX <= 0 || cellsY <= 0) return;
  tmb::DeviceContext from;
  from.SelectSurface(const_cast<tmb::Surface*>(source));
  dc.SetStretchMode(tmb::kColorOnColor);
  dc.StretchBlt(sx * z, sy * z, cellsX * z, cellsY * z, &from, origin.x + sx, origin.y + sy, cellsX, cellsY,
                tmb::kSrcCopy);
}

void CBmplView::PaintViewport() {
  if (tmb::ui::FitSurfaceToSize(m_windowSurface, m_pArea->viewport()->size())) m_bNeedsDraw = true;
  if (m_windowSurface.IsNull()) return;
  if (m_bNeedsDraw) {
    m_bNeedsDraw = false;
    tmb::DeviceContext dc;
    PrepareClientDC(dc);
    OnDraw(dc);
  }
  tmb::ui::ShowSurface(*m_pArea->viewport(), m_windowSurface);
}

void CBmplView::OnMouseEvent(const QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  const tmb::Point s = ScrollPosition();
  const tmb::Point view{at.x() + s.x, at.y() + s.y};
  const bool mono = gDrawState.m_nFixColourMode != 0;
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      if (event.button() == Qt::LeftButton) {
        m_bButton = 1;
        PaintPixelAt(view, false);
      } else if (event.button() == Qt::RightButton && mono) {
        m_bButton = 1;
        PaintPixelAt(view, true);
      }
      break;
    case QEvent::MouseButtonRelease:
      m_bButton = 0;
      if (event.button() == Qt::RightButton && !mono) TakeColourAt(view);
      break;
    default:
      if (m_bButton || (event.buttons() & Qt::LeftButton)) {
        PaintPixelAt(view, (event.buttons() & Qt::RightButton) && mono);
      }
      break;
  }
}
