#include "app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include "app/dialogs/avi_codec_dialog.h"
#include "app/dialogs/notice_dialogs.h"
#include "app/dummy_doc.h"
#include "app/frame_view.h"
#include "app/image_editor_link.h"
#include "app/kind_lookup.h"
#include "app/settings/style_menus.h"
#include "convert/presets/style_def_tree.h"
#include "app/tmb_app.h"
#include "app/value_limits.h"
#include "app/view_classes.h"
#include "core/file/path_helpers.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_messages.h"
#include "core/state/mouse_speed.h"
#include "export/animation/frame_movie_outputs.h"
#include "export/animation/sheet_frame_output.h"
#include "export/avi/avi_movie_output.h"
#include "export/html/html_index_page.h"
#include "imageedit/editor/bmp_view.h"
#include "imageedit/view/bmp_view_window.h"
#include "platform/service/messages.h"
#include "platform/service/shell_open.h"
#include "platform/service/wait_cursor.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/view.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "resources/string_table.h"
#include "views/animation_frames.h"
#include "views/view_popup_menus.h"

// The toolbar's icons live in a static library: their registration must be pulled in.
static void InitToolbarResources() { Q_INIT_RESOURCE(toolbar); }

namespace {

// The drawing views the animation stepping draws its frames in.
CViewAnimationWindows gViewAnimationWindows;

constexpr int kMinScreenWidth = 1024;
constexpr int kMsgNoHelpFile = 61510;
constexpr int kMsgHelpNotShown = 61513;

int ViewClassOfKind(int kind) {
  switch (kind) {
    case kKindCurrentDraw:
    case kKindDrawA:
    case kKindDrawB: return kViewTmb;
    case kKindSettings: return kViewSet;
    case kKindImageEditor: return kViewBmp;
    case kKindZoom: return kViewBmpl;
    case kKindDataTree: return kViewList;
    case kKindPreview: return kViewPre;
    default: return 0;
  }
}

bool IsEditorKind(int kind) { return kind == kKindImageEditor || kind == kKindZoom; }

// The document a view lookup of kind searches: none for the image editor's kinds before
// the editor was first opened.
tmb::ui::Document* LookupDocument(int kind) {
  if (IsEditorKind(kind) && !theApp.m_bImageEditorOpen) return nullptr;
  return GetDocumentOfKind(kind);
}

// The first view of doc of the class that kind shows; null when there is none (always
// for a kind without a view class).
tmb::ui::View* FirstViewOfClass(const tmb::ui::Document& doc, int kind) {
  const int wanted = ViewClassOfKind(kind);
  for (tmb::ui::View* view : doc.views()) {
    if (wanted && view->viewClass() == wanted) return view;
  }
  return nullptr;
}

}  // namespace

CMainFrame::CMainFrame(tmb::ui::Application* app) : tmb::ui::MainFrame(app) {
  InitToolbarResources();
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("mainFrame"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/toolbar/draw_mode.png")));
  tmb::SetProgressService(&progress_);
  SetPresetSheetOutput(&gSheetFrameOutput);
  SetAviMovieOutput(&gAviMovieFile);
  SetAviCodecChooser(&gAviCodecDlg);
  SetFrameIndexPage(&gHtmlIndexPage);
  SetAnimationWindows(&gViewAnimationWindows);
  gViewAnimationWindows.SetShapeSheetLoader([this] { return LoadShapeSheetPage(-1, 1, kCurrentSheet); });
  gViewAnimationWindows.SetClipboardNotice([this] { return tmb::ui::IsAccepted(CClipboardNoticeDlg().DoModal(this)); });
  gViewAnimationWindows.SetAnimationSheetShower([this](int page) { ShowAnimationSheet(page); });
  InstallShapeSheetLinks();
  // The drawing views' popup menus hold the style menus of the Settings menu.
  SetStyleMenuFiller([this](QMenu& menu) {
    UpdateWhenShown(&menu);
    gStyleDefRoot.BuildMenus(menu, [this](int id) { return ActionFor(id); }, [this](QMenu* popup) { UpdateWhenShown(popup); });
  });
  InstallImageEditorLink();
  // Bringing a drawing window forward makes it the current one, as its view taking the
  // focus does; the window left when the current one closes becomes current this way too.
  connect(mdiArea(), &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* window) {
    if (auto* frame = qobject_cast<CFrame_View*>(window)) gDrawState.m_nCurDrawKind = frame->kind();
  });
  RegisterCommands();
}

CMainFrame::~CMainFrame() {
  if (&tmb::Progress() == &progress_) tmb::SetProgressService(nullptr);
  if (&SheetOutput() == &gSheetFrameOutput) SetPresetSheetOutput(nullptr);
  if (&AviMovie() == &gAviMovieFile) SetAviMovieOutput(nullptr);
  if (&AviCodecs() == &gAviCodecDlg) SetAviCodecChooser(nullptr);
  if (&IndexPage() == &gHtmlIndexPage) SetFrameIndexPage(nullptr);
  if (&AnimWindows() == &gViewAnimationWindows) SetAnimationWindows(nullptr);
  gViewAnimationWindows.SetShapeSheetLoader(nullptr);
  gViewAnimationWindows.SetClipboardNotice(nullptr);
  gViewAnimationWindows.SetAnimationSheetShower(nullptr);
  RemoveShapeSheetLinks();
  SetStyleMenuFiller(nullptr);
  RemoveImageEditorLink();
  // The canvas's own bitmaps stay: the child windows, taken apart after this, draw on them
  // to the end, and the next canvas start-up makes them afresh.
  gDrawState.m_bmpWork.Destroy();
}

ScreenMetrics CMainFrame::MeasureDisplay() const {
  ScreenMetrics m;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    m.screen = {screen->geometry().width(), screen->geometry().height()};
  }
  QFontMetrics fm(QApplication::font());
  m.textHeight = fm.height();
  m.externalLeading = std::max(0, fm.leading());
  m.aveCharWidth = fm.averageCharWidth();
  m.ascent = fm.ascent();
  m.captionButtonHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  m.scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return m;
}

bool CMainFrame::Create(const std::optional<ScreenMetrics>& metrics) {
  setAcceptDrops(true);
  m_wndToolBar = CreateToolBar(tmb::MainToolbar());
  InstallContextHelpButton();
  m_wndStatusBar = statusBar();
  LoadAccelerators(tmb::MainAccelerators());
  LoadMenu(DefaultMenu());

  m_wndProgress = new QProgressBar(this);
  m_wndProgress->setObjectName(QStringLiteral("progress"));
  m_wndProgress->setFixedSize(100, 20);
  m_wndProgress->setRange(0, 100);
  m_wndProgress->setValue(0);
  m_wndProgress->setTextVisible(false);
  m_wndStatusBar->addWidget(m_wndProgress);
  m_btnCancel = new QPushButton(QString::fromStdString(tmb::LoadStringText(62110)), this);
  m_btnCancel->setObjectName(QStringLiteral("progressCancel"));
  m_btnCancel->hide();
  tmb::ui::PendingInput::MarkTakesInputWhileBusy(m_btnCancel);
  connect(m_btnCancel, &QPushButton::clicked, this, [this] { m_bCancelPressed = true; });
  m_wndStatusBar->addWidget(m_btnCancel);
  m_wndStatusBar->addWidget(new QLabel(this), 1);
  m_paneX = new QLabel(QStringLiteral("    "), this);
  m_paneY = new QLabel(QStringLiteral("    "), this);
  m_paneX->setObjectName(QStringLiteral("pane%1").arg(tmb::kPaneCursorX));
  m_paneY->setObjectName(QStringLiteral("pane%1").arg(tmb::kPaneCursorY));
  m_wndStatusBar->addPermanentWidget(m_paneX);
  m_wndStatusBar->addPermanentWidget(m_paneY);

  metrics_ = metrics ? *metrics : MeasureDisplay();
  gDrawState.m_sizeScreen = metrics_.screen;
  if (metrics_.screen.cx < kMinScreenWidth) tmb::ShowMessage(62093);
  gDrawState.MeasureScreen(metrics_);

  const int r = gDrawState.m_nRowHeight;
  setGeometry(r, r, std::max(1, metrics_.screen.cx - 2 * r), std::max(1, metrics_.screen.cy - 2 * r));
  const int bars = menuBar()->sizeHint().height() + m_wndToolBar->sizeHint().height() +
                   m_wndStatusBar->sizeHint().height();
  QRect client = rect();
  gDrawState.m_rcMainClient = {0, 0, client.width(), std::max(0, client.height() - bars)};
  gDrawState.LayoutWindows(gDrawState.m_rcMainClient, metrics_);
  UpdateMainTitle();
  return true;
}

void CMainFrame::RegisterCommands() {
  RegisterFileCommands();
  RegisterEditCommands();
  RegisterDisplayCommands();
  RegisterSettingCommands();
  RegisterDictionaryCommands();
  RegisterSheetCommands();
  RegisterAnimationSheetCommands();
  RegisterWindowCommands();
  RegisterColourCommands();
  RegisterStyleCommands();
  RegisterRecentFileCommands();
}

bool CMainFrame::IsMenuCommandShown(int id) const {
  // The basic settings and one style are never offered in a menu.
  return id != tmb::kCmdBasicSettings && id != tmb::kCmdStyleKaisho;
}

int CMainFrame::DefaultMenu() const { return tmb::kMenuMain; }

tmb::ui::View* CMainFrame::FindViewOfKind(int kind) { return LookupView(kind, true); }

tmb::ui::View* CMainFrame::PeekViewOfKind(int kind) { return LookupView(kind, false); }

tmb::ui::View* CMainFrame::LookupView(int kind, bool beep) {
  tmb::ui::Document* doc = LookupDocument(kind);
  if (!doc) return nullptr;
  if (tmb::ui::View* view = FirstViewOfClass(*doc, kind)) return view;
  if (IsEditorKind(kind)) return doc->views().empty() ? nullptr : doc->views().back();
  if (beep) tmb::Beep();
  return nullptr;
}

int CMainFrame::GetActiveViewKind() {
  tmb::ui::ChildFrame* active = ActiveChildFrame();
  if (!active) return -1;
  for (int kind : {kKindDrawA, kKindImageEditor, kKindDrawB, kKindPreview}) {
    tmb::ui::Document* doc = LookupDocument(kind);
    tmb::ui::View* view = doc ? FirstViewOfClass(*doc, kind) : nullptr;
    if (view && view->frame() == active) return kind;
  }
  return -1;
}

int CMainFrame::AskSaveChanges(int askCharacters, int askPicture) {
  int result = 0;
  if (askCharacters) {
    tmb::ui::Document* a = GetDocumentOfKind(kKindDrawA);
    tmb::ui::Document* b = GetDocumentOfKind(kKindDrawB);
    if ((a && a->IsModified()) || (b && b->IsModified())) {
      int answer = tmb::ShowMessage(62054, tmb::kMsgYesNoCancel);
      if (answer == tmb::kAnswerCancel) return -1;
      if (answer == tmb::kAnswerYes) {
        // A save that did not happen (the dialog cancelled, the write failed) is no
        // answer to go on with: the close stops and the changes stay.
        CTmbDocument* doc = GetCharDocumentOfKind(kKindCurrentDraw);
        if (!doc || !doc->engine().SaveAs()) return -1;
        result = 1;
      }
    }
  }
  if (theApp.m_bImageEditorOpen && askPicture) {
    auto* picture = qobject_cast<CDummyDoc*>(GetDocumentOfKind(kKindImageEditor));
    if (picture && picture->IsModified()) {
      int answer = tmb::ShowMessage(62055, tmb::kMsgYesNoCancel);
      if (answer == tmb::kAnswerCancel) return -1;
      if (answer == tmb::kAnswerNo) return result;
      gDrawState.m_nSaveRange = 0;
      return picture->SaveImageAs() ? 1 : -1;
    }
  }
  return result;
}

int CMainFrame::EnsureImageEditorOpen() {
  if (theApp.m_bImageEditorOpen) return 1;
  if (!theApp.OpenImageEditor()) return 0;
  ActivateViewOfKind(kKindImageEditor, 1);
  return 1;
}

void CMainFrame::ActivateViewOfKind(int kind, int mode) {
  if (kind == kKindImageEditor) theApp.OpenImageEditor();
  // Nothing else opens the preview window: the commands that show it open it, and it
  // opens minimised.
  const bool opened = kind == kKindPreview && theApp.OpenPreview();
  tmb::ui::View* view = FindViewOfKind(kind);
  if (!view) return;
  tmb::ui::ChildFrame* frame = view->frame();
  if (frame && (mode != 0 || opened || frame != ActiveChildFrame())) {
    if (frame->isMinimized()) frame->showNormal();
    ActivateChildFrame(frame);
    frame->raise();
    if (mode == 1) {
      QRect area = mdiArea()->viewport()->rect();
      frame->move(std::max(0, (area.width() - frame->width()) / 2), std::max(0, (area.height() - frame->height()) / 2));
    } else if (mode == 2) {
      frame->show();
    }
  }
  view->RedrawNow();
}

int CMainFrame::StartCanvas() {
  if (gDrawState.StartCanvas(metrics_) == -1) {
    close();
    return -1;
  }
  return 1;
}

void CMainFrame::SetProgressPos(int pos) {
  if (gDrawState.m_bNoProgress || pos == m_nLastProgress || !m_wndProgress) return;
  m_wndProgress->setValue(pos);
  m_wndStatusBar->repaint();
  m_nLastProgress = pos;
}

void CMainFrame::OfferCancel(bool on) {
  m_bCancelPressed = false;
  if (m_btnCancel) m_btnCancel->setVisible(on);
}

bool CMainFrame::CancelRequested() {
  // The work runs on this thread: the click on the cancel waits among the pending events,
  // and a click anywhere else (or Escape) asks whether to stop.
  if (CheckUserAbort()) m_bCancelPressed = true;
  return m_bCancelPressed;
}

void CMainFrame::UpdateCursorPanes() {
  if (!m_paneX || !m_paneY || !theApp.m_bImageEditorOpen) return;
  const tmb::Point p = gEditorPointer;
  if (m_ptPaneShown == p) return;
  m_ptPaneShown = p;
  m_paneX->setText(QString::asprintf("%4d", p.x));
  m_paneY->setText(QString::asprintf("%4d", p.y));
}

void CMainFrame::UpdateWindowAndSheets() {
  repaint();
  for (QWidget* sheet : {m_pSheetFrameA.data(), m_pSheetFrameB.data()}) {
    if (sheet) sheet->repaint();
  }
}

void CMainFrame::UpdateMainTitle() {
  std::string title = tmb::LoadStringText(62140);
  const std::string& character = gDrawState.m_szCharFilePath;
  const std::string& picture = gDrawState.m_szPictureFilePath;
  if (!character.empty()) title += " - " + GetFileNameOfPath(character);
  if (!picture.empty()) title += (character.empty() ? " - " : " , ") + GetFileNameOfPath(picture);
  setWindowTitle(QString::fromStdString(title));
}

void CMainFrame::OnDropFiles(const QStringList& paths) {
  if (paths.isEmpty()) return;
  const std::string path = paths.first().toStdString();
  if (!AcceptPathValue(path)) return;
  const QString extension = QFileInfo(paths.first()).suffix().toLower();
  if (extension == QLatin1String("bmp")) {
    EnsureImageEditorOpen();
    CBmpViewWindow* editor = CBmpViewWindow::Instance();
    // The picture's name is shown only once the picture is in the editor.
    const std::string previous = gDrawState.m_szPictureFilePath;
    gDrawState.m_szPictureFilePath = path;
    if (!editor || editor->editor().OpenDroppedImage() != 1) gDrawState.m_szPictureFilePath = previous;
    if (editor) editor->SyncModified();
  } else if (extension == QLatin1String("wdf")) {
    // The file becomes the current one only when it loads.
    if (CTmbDocument* doc = GetCharDocumentOfKind(kKindCurrentDraw)) doc->engine().LoadDroppedFile(path);
  } else {
    tmb::Beep();
    return;
  }
  UpdateMainTitle();
}

void CMainFrame::InstallContextHelpButton() {
  // The menus' help command opens the help at once; the toolbar's button of the same
  // command asks for the window first, so it gets an action of its own.
  for (QAction* shared : m_wndToolBar->actions()) {
    if (shared->isSeparator() || shared->data().toInt() != tmb::kCmdHelp) continue;
    auto* button = new QAction(shared->icon(), shared->text(), m_wndToolBar);
    button->setData(tmb::kCmdHelp);
    button->setToolTip(shared->toolTip());
    button->setStatusTip(shared->statusTip());
    connect(button, &QAction::triggered, this, [this] { m_helpMode.Enter(); });
    m_wndToolBar->insertAction(shared, button);
    m_wndToolBar->removeAction(shared);
    return;
  }
}

void CMainFrame::WinHelp(int) {
  m_helpMode.Leave();
  tmb::WaitCursor wait;
  // A drag under way ends before the help window comes up.
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  const std::string& help = theApp.m_strHelpPath;
  if (!QFileInfo::exists(QString::fromStdString(help))) {
    tmb::ShowMessage(kMsgNoHelpFile, tmb::kMsgOk, {help});
    return;
  }
  // The page is one for every context; without a browser the user can open it by hand.
  if (!tmb::ShellOpen().Open(help)) tmb::ShowMessage(kMsgHelpNotShown, tmb::kMsgOk, {help});
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (AskSaveChanges(1, 1) == -1) {
    event->ignore();
    return;
  }
  if (gDrawState.m_bClipboardOwned) {
    tmb::ui::Clipboard().Clear();
    gDrawState.m_bmpClipboard.Destroy();
    gDrawState.m_bClipboardOwned = 0;
  }
  RestoreMouseSpeed(gDrawState.m_nSavedMouseSpeed);
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  OnDropFiles(paths);
  event->acceptProposedAction();
}
