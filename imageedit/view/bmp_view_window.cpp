#include "imageedit/view/bmp_view_window.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "core/state/key_up.h"
#include "core/state/mouse_messages.h"
#include "imageedit/editor/shown_editor.h"
#include "imageedit/view/bmpl_view.h"
#include "imageedit/view/clipboard_pictures.h"
#include "imageedit/view/editor_keys.h"
#include "imageedit/view/picture_commands.h"
#include "platform/service/file_chooser.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/paper_scroll.h"
#include "platform/ui/surface_scroll_area.h"
#include "platform/ui/virtual_keys.h"
#include "resources/menus.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "views/print/view_print_windows.h"
#include "views/print/window_print_job.h"
#include "views/tmb_view.h"

namespace {

constexpr int kCmdOpenPicture = 32774;
constexpr int kCmdKeyUp = 32849;
constexpr int kCmdPopupCancel = 33048;
constexpr int kMsgEditorTitle = 62096;
constexpr int kMsgCancel = 62110;
constexpr int kScrollLine = 16;
constexpr int kParamPaperColour = 157;
constexpr char kOpenFilter[] = "(*.bmp;*.png;*.jpg)|*.bmp;*.png;*.jpg|(*.*)|*.*||";
// A 256-colour display takes BMP pictures with their palettes only.
constexpr char kOpenFilterPalette[] = "(*.bmp)|*.bmp|(*.*)|*.*||";

CBmpViewWindow* gInstance = nullptr;

// The scrolled area: its viewport shows the window surface, and its events go to the view.
class BmpViewArea final : public tmb::ui::SurfaceScrollArea<CBmpViewWindow> {
 public:
  explicit BmpViewArea(CBmpViewWindow* view) : SurfaceScrollArea(view) {
    setFocusPolicy(Qt::StrongFocus);
    // The right button's release shows the editor's own popup; no other menu answers the
    // press (which would reach the main window's menu of bars).
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setMouseTracking(true);
    viewport()->setObjectName(QStringLiteral("imageEditorViewport"));
  }

 protected:
  bool ViewportMouse(const QMouseEvent& event) override {
    view_->OnMouseEvent(event);
    return true;
  }
  std::optional<bool> OtherViewportEvent(QEvent& event) override {
    if (event.type() == QEvent::Leave) view_->OnPointerLeft();
    return std::nullopt;
  }
  void scrollContentsBy(int, int) override {
    if (view_) view_->OnUpdate();
  }
  // Keys do not scroll the picture: they go to the editor, which leaves them alone.
  void keyPressEvent(QKeyEvent* event) override {
    if (view_) view_->editor().OnKeyDown(tmb::ui::VirtualKeyOf(event->key()));
    event->accept();
  }
  void focusOutEvent(QFocusEvent* event) override {
    if (view_) view_->editor().OnKillFocus();
    QAbstractScrollArea::focusOutEvent(event);
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    if (view_ && !event->isAutoRepeat()) view_->OnKeyUp(tmb::ui::VirtualKeyOf(event->key()));
    QAbstractScrollArea::keyReleaseEvent(event);
  }
};

// Adds the lines of one popup (those one level below first, up to the next line at the
// popup's own level) to menu.
size_t AddMenuLines(QMenu& menu, std::span<const tmb::MenuLine> lines, size_t first, int level,
                    tmb::ui::MainFrame* frame) {
  size_t i = first;
  while (i < lines.size() && lines[i].level >= level) {
    const tmb::MenuLine& line = lines[i];
    if (line.level > level) {
      ++i;
      continue;
    }
    if (line.id == 0) {
      menu.addSeparator();
      ++i;
    } else if (line.id == tmb::kMenuPopup) {
      QMenu* sub = menu.addMenu(QString::fromUtf8(line.text));
      i = AddMenuLines(*sub, lines, i + 1, level + 1, frame);
    } else {
      const int id = line.id;
      menu.addAction(QString::fromUtf8(line.text), [frame, id] {
        if (frame) frame->ExecuteCommand(id);
      });
      ++i;
    }
  }
  return i;
}

}  // namespace

CBmpViewWindow::CBmpViewWindow(tmb::ui::Document* document, int viewClass, QWidget* parent)
    : tmb::ui::View(document, viewClass, parent), m_view(this), m_pArea(new BmpViewArea(this)) {
  setObjectName(QStringLiteral("imageEditorView"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_pArea);
  setFocusProxy(m_pArea);
  RegisterCommands();
  InstallEditorKeys(this);
  RegisterPrintSource(kKindImageEditor, this);
  gInstance = this;
  InstallShownImageEditor(&m_view);
}

CBmpViewWindow::~CBmpViewWindow() {
  static_cast<BmpViewArea*>(m_pArea)->Detach();
  m_view.SetHost(nullptr);
  UnregisterPrintSource(this);
  if (gInstance == this) {
    gInstance = nullptr;
    InstallShownImageEditor(nullptr);
  }
}

CBmpViewWindow* CBmpViewWindow::Instance() { return gInstance; }

QWidget* CBmpViewWindow::viewport() const { return m_pArea->viewport(); }

void CBmpViewWindow::RegisterCommands() {
  OnCommand(kCmdOpenPicture, [this] { OpenImageFileDialog(); });
  OnCommand(kCmdPopupCancel, [] {});
  OnCommand(tmb::kCmdFilePrint, [this] { OnFilePrint(0); });
  OnCommand(tmb::kCmdFilePrintPreview, [this] { OnFilePrint(1); });
}

void CBmpViewWindow::OnFilePrint(int preview) {
  CWindowPrintJob job(PrintJobName(kKindImageEditor), [] { return CanPrintPageOfKind(kKindImageEditor); },
                      [this](bool p) { m_view.OnBeginPrinting(p ? 1 : 0); },
                      [](tmb::PageContext& page) { return RenderPrintPageOfKind(page, kKindImageEditor); },
                      [this] { m_view.OnEndPrinting(); });
  tmb::ui::RunPrintJob(job, preview != 0);
}

const tmb::Surface* CBmpViewWindow::PrintPicture() {
  const tmb::Surface& work = m_view.m_bmpWork;
  return work.IsNull() ? nullptr : &work;
}

tmb::Rect CBmpViewWindow::PrintSelection() { return m_view.m_region; }

void CBmpViewWindow::OnInitialUpdate() {
  if (tmb::ui::ChildFrame* f = frame()) {
    f->setWindowTitle(QString::fromStdString(tmb::LoadStringText(kMsgEditorTitle)));
    // The editor stays open for the program's life: its frame offers no close.
    f->DisableClose();
  }
  UpdateScrollRanges();
  m_view.OnInitialUpdate();
  FlushMouseMessages();
  OnUpdate();
}

void CBmpViewWindow::OnUpdate() {
  m_bNeedsDraw = true;
  m_pArea->viewport()->update();
}

void CBmpViewWindow::UpdateScrollRanges() {
  tmb::ui::SetPaperScrollRanges(*m_pArea, CTmbView::ScrolledSize(), kScrollLine);
}

void CBmpViewWindow::OnViewportResized() {
  UpdateScrollRanges();
  OnUpdate();
}

void CBmpViewWindow::FitWindowSurface() {
  if (tmb::ui::FitSurfaceToSize(m_windowSurface, m_pArea->viewport()->size())) m_bNeedsDraw = true;
}

void CBmpViewWindow::PaintViewport() {
  FitWindowSurface();
  if (m_windowSurface.IsNull()) return;
  if (m_bNeedsDraw) {
    m_bNeedsDraw = false;
    tmb::DeviceContext dc;
    PrepareClientDC(dc);
    m_view.OnDraw(dc);
  }
  tmb::ui::ShowSurface(*m_pArea->viewport(), m_windowSurface);
}

void CBmpViewWindow::PrepareClientDC(tmb::DeviceContext& dc) {
  FitWindowSurface();
  dc.SelectSurface(m_windowSurface.IsNull() ? nullptr : &m_windowSurface);
  const tmb::Point scroll = ScrollPosition();
  dc.SetViewportOrigin({-scroll.x, -scroll.y});
}

void CBmpViewWindow::ShowDrawn() { m_pArea->viewport()->update(); }

tmb::Point CBmpViewWindow::ScrollPosition() const {
  return {m_pArea->horizontalScrollBar()->value(), m_pArea->verticalScrollBar()->value()};
}

tmb::Rect CBmpViewWindow::ClientRectLogical() const { return tmb::ui::VisibleRect(*m_pArea); }

bool CBmpViewWindow::ScrollBy(int dx, int dy) {
  const tmb::Point before = ScrollPosition();
  m_pArea->horizontalScrollBar()->setValue(before.x + dx);
  m_pArea->verticalScrollBar()->setValue(before.y + dy);
  return !(ScrollPosition() == before);
}

void CBmpViewWindow::ScrollToRightEnd() {
  QScrollBar* h = m_pArea->horizontalScrollBar();
  h->setValue(h->maximum());
}

tmb::Point CBmpViewWindow::CursorPosition() const {
  // The pointer stays where it was while the picture scrolls under it.
  const tmb::Point s = ScrollPosition();
  return {m_lastMouse.x + s.x, m_lastMouse.y + s.y};
}

void CBmpViewWindow::UpdateCursor() {
  Qt::CursorShape shape = Qt::ArrowCursor;
  if (m_view.m_bWaitCursor) {
    shape = Qt::WaitCursor;
  } else if (m_view.m_nEdgeHit) {
    shape = Qt::SizeFDiagCursor;
  } else if (m_view.m_nInsideHit) {
    shape = Qt::SizeAllCursor;
  } else if (m_view.m_nMode == CBmpView::kModeRegion || m_view.m_nMode == CBmpView::kModePaint) {
    shape = Qt::CrossCursor;
  } else if (m_view.m_nMode == CBmpView::kModeFloat) {
    shape = Qt::IBeamCursor;
  }
  m_pArea->viewport()->setCursor(shape);
}

void CBmpViewWindow::SendCommand(int id) {
  if (auto* main = qobject_cast<tmb::ui::MainFrame*>(window())) main->ExecuteCommand(id);
}

void CBmpViewWindow::ShowPopupMenu(tmb::Point logical) {
  auto* main = qobject_cast<tmb::ui::MainFrame*>(window());
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("imageEditorPopup"));
  const std::span<const tmb::MenuLine> lines = tmb::FindMenuResource(tmb::kMenuPicture);
  // The editor's own menu is the menu bar's second popup.
  int popups = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].level == 0 && lines[i].id == tmb::kMenuPopup && popups++ == 1) {
      AddMenuLines(menu, lines, i + 1, 1, main);
      break;
    }
  }
  menu.addSeparator();
  menu.addAction(QString::fromStdString(tmb::LoadStringText(kMsgCancel)));
  const tmb::Point s = ScrollPosition();
  menu.exec(m_pArea->viewport()->mapToGlobal(QPoint(logical.x - s.x, logical.y - s.y)));
}

void CBmpViewWindow::ActivateEditor() {
  tmb::ui::ChildFrame* f = frame();
  auto* main = qobject_cast<tmb::ui::MainFrame*>(window());
  if (f && main && main->ActiveChildFrame() != f) main->ActivateChildFrame(f);
}

tmb::Surface* CBmpViewWindow::WindowPicture(int kind) { return WindowPictureOfKind(kind); }

tmb::Rect CBmpViewWindow::WindowRegion(int kind) { return WindowRegionOfKind(kind); }

CCharData* CBmpViewWindow::WindowRecord(int kind, int which) {
  CTmbView* view = CTmbView::ViewOfKind(kind);
  CTmbDoc* doc = view ? view->GetDocument() : nullptr;
  if (!doc) return nullptr;
  return which ? &doc->m_work : &doc->m_char;
}

tmb::Colour CBmpViewWindow::WindowBackground(int kind, tmb::Colour fallback) {
  CTmbView* view = CTmbView::ViewOfKind(kind);
  CTmbDoc* doc = view ? view->GetDocument() : nullptr;
  return doc ? tmb::Colour(doc->m_char.m_param[kParamPaperColour]) : fallback;
}

void CBmpViewWindow::OnMouseEvent(const QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  const tmb::Point device{at.x(), at.y()};
  m_lastMouse = device;
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (event.button() == Qt::LeftButton) m_view.OnLButtonDown(device);
      if (event.button() == Qt::RightButton) m_view.OnRButtonDown(device);
      break;
    case QEvent::MouseButtonRelease:
      if (event.button() == Qt::LeftButton) m_view.OnLButtonUp(device);
      if (event.button() == Qt::RightButton) m_view.OnRButtonUp(device);
      break;
    default: m_view.OnMouseMove(device, event.buttons() == Qt::LeftButton); break;
  }
  UpdateCursor();
  SyncModified();
}

void CBmpViewWindow::OnPointerLeft() {
  // A floating block goes with the pointer: a move outside the client takes it away.
  if (m_view.m_nMode == CBmpView::kModeFloat) m_view.OnMouseMove({-1, -1}, false);
}

void CBmpViewWindow::OnKeyUp(int key) {
  RecordKeyUp(key, 1, 0);
  SendCommand(kCmdKeyUp);
}

void CBmpViewWindow::SyncModified() {
  if (tmb::ui::Document* doc = document()) doc->SetModified(m_view.m_bModified != 0);
}

void CBmpViewWindow::OpenImageFileDialog() {
  tmb::FileChoice choice;
  choice.filter = gDrawState.m_bPaletteDevice ? kOpenFilterPalette : kOpenFilter;
  choice.defaultExtension = "bmp";
  choice.folder = gDrawState.m_szLastFolder;
  std::string path;
  const bool chosen = tmb::Choosers().OpenFile(choice, path);
  FlushMouseMessages();
  FlushMouseMessages();
  if (!chosen) return;
  // The name is the picture's only once the picture is in: a failed load keeps the old one.
  const std::string previous = gDrawState.m_szPictureFilePath;
  gDrawState.m_szPictureFilePath = path;
  if (m_view.LoadPicture(path) != 1) gDrawState.m_szPictureFilePath = previous;
  SyncModified();
}

void CBmpViewWindow::ReceiveClipboard(int whole) {
  const QImage image = tmb::ui::Clipboard().Image();
  tmb::Surface picture;
  if (!SurfaceFromImage(image, picture)) return;
  tmb::Palette palette;
  PaletteOfImage(image, palette);
  m_view.ReceiveClipboard(picture, whole, &palette);
  SyncModified();
}

void CBmpViewWindow::FollowInZoomView() {
  if (CBmplView* zoom = CBmplView::Instance(); zoom && gDrawState.m_bZoomFollows) zoom->ScrollToCursor(gEditorPointer);
}

void CBmpViewWindow::NotifyZoomPoint() {
  if (CBmplView* zoom = CBmplView::Instance()) zoom->Redraw();
}
