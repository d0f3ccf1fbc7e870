// The preview window's view: its bitmap, the scrolled area that shows it, the selection
// drag with its frame and auto-scroll, the popup menu and the clipboard copy.
#include "views/pre_view.h"

#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/canvas/box_drawing.h"
#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_messages.h"
#include "platform/service/messages.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/paper_scroll.h"
#include "platform/ui/surface_image.h"
#include "platform/ui/surface_scroll_area.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "views/tmb_view.h"

namespace {

constexpr int kMsgPreviewTitle = 62097;
// Lines a click on a scroll bar's arrow moves, in pixels.
constexpr int kScrollLine = 16;
constexpr tmb::Colour kWhite = 0xFFFFFF;
// The commands the main frame runs on the preview.
constexpr int kCmdRedrawPreview = 32906;
constexpr int kCmdClearPreview = 33002;

CPre_View* gInstance = nullptr;

// The popup menu: command ids (0 a separator) and texts; the clipboard items sit in a
// sub-menu of their own.
struct PopupItem {
  int id;
  const char* text;
};
constexpr PopupItem kPopupHead[] = {{32908, "設定"}, {32909, "実行"}, {0, ""}, {kCmdClearPreview, "クリア"}, {0, ""}};
constexpr const char* kClipboardMenu = "クリップボードに送付";
constexpr PopupItem kPopupClipboard[] = {{32970, "領域(&C)"}, {32971, "全て(&A)"}};
constexpr PopupItem kPopupTail[] = {{0, ""}, {32899, "キャンセル"}};

// The scrolled area: its viewport shows the view's window surface, and paints, resizes,
// scrolling and the mouse go on to the view.
class CPreViewArea final : public tmb::ui::SurfaceScrollArea<CPre_View> {
 public:
  explicit CPreViewArea(CPre_View* view) : SurfaceScrollArea(view) { viewport()->setCursor(Qt::CrossCursor); }

 protected:
  void scrollContentsBy(int, int) override {
    if (view_) view_->OnScrolled();
  }
  bool ViewportMouse(const QMouseEvent& event) override {
    const QPoint at = event.position().toPoint();
    const tmb::Point device{at.x(), at.y()};
    switch (event.type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        if (event.button() == Qt::LeftButton) view_->OnLButtonDown(device);
        if (event.button() == Qt::RightButton) view_->OnRButtonDown(device);
        break;
      case QEvent::MouseButtonRelease:
        if (event.button() == Qt::LeftButton) view_->OnLButtonUp(device);
        break;
      default:
        view_->OnMouseMove(device);
        break;
    }
    return true;
  }
};

void AddItems(QMenu& menu, std::span<const PopupItem> items, QWidget* owner) {
  for (const PopupItem& item : items) {
    if (item.id == 0) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromUtf8(item.text));
    QObject::connect(action, &QAction::triggered, owner, [owner, id = item.id] {
      if (auto* main = qobject_cast<tmb::ui::MainFrame*>(owner->window())) main->ExecuteCommand(id);
    });
  }
}

}  // namespace

CPre_View::CPre_View(tmb::ui::Document* document, int viewClass, QWidget* parent)
    : tmb::ui::View(document, viewClass, parent), m_pArea(new CPreViewArea(this)) {
  setObjectName(QStringLiteral("previewView"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_pArea);
  setFocusProxy(m_pArea);
  m_rcSelect = {0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height};
  RegisterCommands();
  RegisterPrintSource(kKindPreview, this);
  gInstance = this;
}

CPre_View::~CPre_View() {
  static_cast<CPreViewArea*>(m_pArea)->Detach();
  UnregisterPrintSource(this);
  if (gInstance == this) gInstance = nullptr;
}

CPre_View* CPre_View::Instance() { return gInstance; }

void CPre_View::RegisterCommands() {
  OnCommand(kCmdRedrawPreview, [this] { RedrawPreview(); });
  OnCommand(kCmdClearPreview, [this] { ClearAndRedrawPreview(); });
}

// ---- the framework

void CPre_View::OnInitialUpdate() {
  if (tmb::ui::ChildFrame* f = frame()) {
    f->setWindowTitle(QString::fromStdString(tmb::LoadStringText(kMsgPreviewTitle)));
    // The windows that render into the preview need it: its frame offers no close.
    f->DisableClose();
  }
  m_bmpPreview.SetSizeToCreate(gWorkCanvas.m_width, gWorkCanvas.m_height);
  m_bmpClip.SetSizeToCreate(gWorkCanvas.m_width, gWorkCanvas.m_height);
  // The frame opens minimised and may never paint: renderers, the clipboard copy,
  // printing and the editor's capture find the white picture from the start.
  if (m_bmpPreview.Create(nullptr, 1) > 0) {
    m_bmpPreview.Fill(kWhite);
    m_bCleared = 1;
  }
  UpdateScrollRanges();
  QScrollBar* h = m_pArea->horizontalScrollBar();
  const int total = gWorkCanvas.m_width + 2 * gDrawState.m_ptCanvasOrigin.x;
  h->setValue(total >= m_pArea->viewport()->width() ? h->maximum() : 0);
  m_pArea->verticalScrollBar()->setValue(0);
  FlushMouseMessages();
  Invalidate();
}

void CPre_View::OnUpdate() { Invalidate(); }

void CPre_View::Invalidate() {
  m_bNeedsDraw = true;
  m_pArea->viewport()->update();
}

void CPre_View::OnPrepareDC(tmb::DeviceContext& dc) {
  dc.SetViewportOrigin({-m_pArea->horizontalScrollBar()->value(), -m_pArea->verticalScrollBar()->value()});
}

void CPre_View::OnDraw(tmb::DeviceContext& dc) {
  // A bitmap that could not be made at the start is tried once more.
  if (!m_bCleared && m_bmpPreview.Create(&dc, 1) > 0) {
    ClearPreview(dc);
    m_bCleared = 1;
  }
  DrawPreviewBitmap(dc);
}

tmb::Rect CPre_View::ClientRectLogical() const { return tmb::ui::VisibleRect(*m_pArea); }

void CPre_View::UpdateScrollRanges() { tmb::ui::SetPaperScrollRanges(*m_pArea, CTmbView::ScrolledSize(), kScrollLine); }

void CPre_View::OnViewportResized() {
  tmb::ui::RefitPaperScrollRanges(*m_pArea, CTmbView::ScrolledSize(), kScrollLine);
  Invalidate();
}

void CPre_View::OnScrolled() { Invalidate(); }

void CPre_View::FitWindowSurface() {
  if (tmb::ui::FitSurfaceToSize(m_windowSurface, m_pArea->viewport()->size())) m_bNeedsDraw = true;
}

void CPre_View::PaintViewport() {
  FitWindowSurface();
  if (m_windowSurface.IsNull()) return;
  if (m_bNeedsDraw) {
    m_bNeedsDraw = false;
    tmb::DeviceContext dc(&m_windowSurface);
    OnPrepareDC(dc);
    OnDraw(dc);
  }
  tmb::ui::ShowSurface(*m_pArea->viewport(), m_windowSurface);
}

CPre_View::ClientDC::ClientDC(CPre_View& view) : view_(view) {
  view_.FitWindowSurface();
  dc_.SelectSurface(view_.m_windowSurface.IsNull() ? nullptr : &view_.m_windowSurface);
  view_.OnPrepareDC(dc_);
}

CPre_View::ClientDC::~ClientDC() { view_.m_pArea->viewport()->update(); }

void CPre_View::SendFrameCommand(int id) {
  if (auto* main = qobject_cast<tmb::ui::MainFrame*>(window())) main->ExecuteCommand(id);
}

// ---- drawing the picture

void CPre_View::RedrawPreview() {
  ClientDC dc(*this);
  DrawPreviewBitmap(dc.dc());
}

void CPre_View::ClearAndRedrawPreview() {
  ClientDC dc(*this);
  ClearPreview(dc.dc());
}

void CPre_View::DrawPreviewBitmap(tmb::DeviceContext& dc) {
  const tmb::Rect& canvas = gDrawState.m_rcCanvas;
  FillAroundRect(dc, ClientRectLogical(), canvas, gDrawState.m_crBackPreview);
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  if (m_bmpPreview.IsNull()) {
    dc.FillSolidRect(canvas, kWhite);
  } else {
    tmb::DeviceContext src(&m_bmpPreview);
    dc.BitBlt(o.x, o.y, gWorkCanvas.m_width, gWorkCanvas.m_height, &src, 0, 0, tmb::kSrcCopy);
  }
  // The frame was drawn over the picture just painted over: it is drawn again.
  if (m_nFrameShown == 1) ToggleFrame(dc);
}

void CPre_View::ClearPreview(tmb::DeviceContext& dc) {
  if (!m_bmpPreview.IsNull()) m_bmpPreview.Fill(kWhite);
  // DrawPreviewBitmap puts a shown frame back over the white picture.
  DrawPreviewBitmap(dc);
}

void CPre_View::ScrollBy(tmb::DeviceContext& dc, int vertical, int delta) {
  QScrollBar* bar = vertical ? m_pArea->verticalScrollBar() : m_pArea->horizontalScrollBar();
  bar->setValue(bar->value() + delta);
  OnPrepareDC(dc);
  DrawPreviewBitmap(dc);
  // What the caller draws next over the picture stays until the next change.
  m_bNeedsDraw = false;
}

// ---- the selection

void CPre_View::ToggleFrame(tmb::DeviceContext& dc) {
  CLineRecord record{m_rcSelect.left, m_rcSelect.top, m_rcSelect.right, m_rcSelect.bottom, 1, 1};
  DrawRubberBandLine(dc, record);
}

void CPre_View::ShowSelection(tmb::DeviceContext& dc) {
  if (m_nFrameShown == 1) return;
  ToggleFrame(dc);
  m_nFrameShown = 1;
}

void CPre_View::HideSelection(tmb::DeviceContext& dc) {
  if (m_nFrameShown != 1) return;
  ToggleFrame(dc);
  m_nFrameShown = 0;
}

void CPre_View::SetSelection(const tmb::Rect& source) { m_rcSelect = source; }

bool CPre_View::CanvasPointOf(tmb::Point device, tmb::Point& point) const {
  const tmb::Point logical{device.x + m_pArea->horizontalScrollBar()->value(),
                           device.y + m_pArea->verticalScrollBar()->value()};
  if (!gDrawState.m_rcCanvas.Contains(logical)) return false;
  point = {logical.x - gDrawState.m_ptCanvasOrigin.x, logical.y - gDrawState.m_ptCanvasOrigin.y};
  return true;
}

void CPre_View::OnLButtonDown(tmb::Point device) {
  tmb::Point p;
  if (!CanvasPointOf(device, p)) return;
  ClientDC dc(*this);
  HideSelection(dc.dc());
  if (m_nDrag == 0) {
    m_rcSelect = {p.x, p.y, p.x, p.y};
    m_nDrag = 1;
    m_bAutoScrolled = 0;
  }
}

void CPre_View::OnMouseMove(tmb::Point device) {
  tmb::Point p;
  if (!CanvasPointOf(device, p) || m_nDrag == 0) return;
  m_nDrag = 2;
  ClientDC dc(*this);
  HideSelection(dc.dc());
  m_ptPrevCorner = {m_rcSelect.right, m_rcSelect.bottom};
  m_rcSelect.right = p.x;
  m_rcSelect.bottom = p.y;
  if (AutoScroll(dc.dc(), device)) {
    // The cursor stays where it was over the scrolled paper: the corner follows it.
    const tmb::Rect client = ClientRectLogical();
    m_rcSelect.right = client.left + device.x - gDrawState.m_ptCanvasOrigin.x;
    m_rcSelect.bottom = client.top + device.y - gDrawState.m_ptCanvasOrigin.y;
  }
  ShowSelection(dc.dc());
}

bool CPre_View::AutoScroll(tmb::DeviceContext& dc, tmb::Point device) {
  const QSize client = m_pArea->viewport()->size();
  const tmb::Point corner{m_rcSelect.right, m_rcSelect.bottom};
  const tmb::Point prev = m_ptPrevCorner;
  // The first rule that matches scrolls.
  if (device.x + kScrollMargin > client.width() && corner.x >= prev.x) {
    ScrollBy(dc, 0, kScrollStep);
  } else if (device.x - kScrollMargin < 0 && corner.x <= prev.x) {
    ScrollBy(dc, 0, -kScrollStep);
  } else if (device.y + kScrollMargin > client.height() && corner.y >= prev.y) {
    ScrollBy(dc, 1, kScrollStep);
  } else if (device.y - kScrollMargin < 0 && corner.y <= prev.y) {
    ScrollBy(dc, 1, -kScrollStep);
  } else {
    m_bAutoScrolled = 0;
    return false;
  }
  m_bAutoScrolled = 1;
  return true;
}

void CPre_View::OnLButtonUp(tmb::Point) {
  // A click hides the frame; a release after a press beside the paper leaves it alone.
  if (m_nDrag == 1) {
    ClientDC dc(*this);
    HideSelection(dc.dc());
  }
  m_nDrag = 0;
}

void CPre_View::OnRButtonDown(tmb::Point device) {
  QMenu menu(this);
  AddItems(menu, kPopupHead, this);
  QMenu* clipboard = menu.addMenu(QString::fromUtf8(kClipboardMenu));
  AddItems(*clipboard, kPopupClipboard, this);
  AddItems(menu, kPopupTail, this);
  menu.exec(m_pArea->viewport()->mapToGlobal(QPoint(device.x, device.y)));
}

// ---- the clipboard

bool CPre_View::CopyPictureToClipboard(const tmb::Rect& rect) {
  tmb::Rect r = rect;
  r.Normalize();
  r = tmb::Rect::Intersection(r, m_bmpPreview.IsNull() ? tmb::Rect{} : m_bmpPreview.Bounds());
  if (r.IsEmpty()) {
    tmb::Beep();
    return false;
  }
  m_bmpClip.SetSizeToCreate(r.Width(), r.Height());
  m_bmpClip.Destroy();
  if (m_bmpClip.Create(nullptr, 1) < 0) {
    tmb::Beep();
    return false;
  }
  tmb::DeviceContext dst(&m_bmpClip), src(&m_bmpPreview);
  dst.BitBlt(0, 0, r.Width(), r.Height(), &src, r.left, r.top, tmb::kSrcCopy);
  tmb::ui::Clipboard().SetImage(tmb::ui::ImageOfSurface(m_bmpClip).copy());
  return true;
}

// ---- printing

const tmb::Surface* CPre_View::PrintPicture() { return m_bmpPreview.IsNull() ? nullptr : &m_bmpPreview; }

tmb::Rect CPre_View::PrintSelection() { return m_rcSelect; }

void CPre_View::BringForward() { SendFrameCommand(tmb::kCmdShowPreview); }
