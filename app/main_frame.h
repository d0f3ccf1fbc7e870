// The one main window: the work area with drawing windows A and B, the image editor and
// the preview, a toolbar, a status bar with a progress bar, file drops, the save
// questions at close, and the lookups from window kinds to views.
#pragma once

#include <QPointer>
#include <QStringList>
#include <optional>

#include "core/state/screen_metrics.h"
#include "platform/service/progress.h"
#include "app/context_help_mode.h"
#include "platform/ui/context_help.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/pending_input.h"
#include "platform/ui/view.h"

class CAniPSheet;
namespace tmb::ui {
class PropertyPage;
}
class CShapePropSheetFrame;
class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QToolBar;

class CMainFrame : public tmb::ui::MainFrame {
  Q_OBJECT

 public:
  explicit CMainFrame(tmb::ui::Application* app);
  ~CMainFrame() override;

  // The creation: toolbar, status bar and progress bar, the screen measure, the window's
  // place and the window layout. metrics replaces the display's own (tests).
  bool Create(const std::optional<ScreenMetrics>& metrics = std::nullopt);
  const ScreenMetrics& metrics() const { return metrics_; }

  // The view of kind; null, after a beep when kind's document has no such view, when none.
  tmb::ui::View* FindViewOfKind(int kind);
  // The same lookup without the beep, for update handlers that run at every idle moment.
  tmb::ui::View* PeekViewOfKind(int kind);
  // The first kind of 0, 1, 2 and 3 whose view is in the active frame; -1 when none.
  int GetActiveViewKind();
  // -1 when the user cancelled or a save the user asked for did not happen, 1 when
  // something was saved, else 0.
  int AskSaveChanges(int askCharacters, int askPicture);
  // Opens the image editor when the application has not yet and brings it forward,
  // centred; 1 when it is open, 0 when it could not be opened.
  int EnsureImageEditorOpen();
  // Mode 0 brings the frame forward unless it already is; 1 also centres it; 2 only shows it.
  // The image editor and the preview are opened first when they are not open.
  void ActivateViewOfKind(int kind, int mode);
  // The canvas start-up on this window's display; -1 (the window closed) on failure.
  int StartCanvas();
  // Sets the progress bar unless progress is switched off or pos is the last position.
  void SetProgressPos(int pos);
  void UpdateWindowAndSheets();
  void UpdateMainTitle();
  // ---- the shape sheets of windows A and B (frames made on first use, closed = hidden)
  // Whether the sheet of A or of B is shown.
  bool IsShapeSheetShown() const;
  // The frame of the sheet that last came to the front; null when none.
  QWidget* GetActiveSheetFrame() const;
  // The frame of the current drawing window's sheet; null until it was made.
  QWidget* GetCurrentShapeSheetFrame() const;
  // Makes the frame of the current drawing window's sheet, its pages loaded from that
  // window's record; false (and nothing kept) when it could not be made.
  bool CreateShapeSheetFrame();
  // Shows the current drawing window's sheet, centred when asked, on the page the drawing
  // state names: a hidden sheet is loaded from the record first, a shown one is applied
  // to it first.
  void ShowShapeSheet(bool centre);
  // Reads the page in front of frame's sheet and stores the pages into its window's
  // record without redrawing; false when the frame is not shown or a value is out of
  // range (the record is then unchanged).
  bool ApplyShapeSheet(QWidget* frame);
  // ApplyShapeSheet on the sheets of A and of B.
  void ApplyBothSheets();
  // The writing pages' look at the auxiliary page of the sheet in front: when its values
  // are the record's, the sheet's window only becomes the current one and its settings
  // panel is drawn again; otherwise the pages are applied to the record first.
  void ApplyAuxPage();
  // ApplyShapeSheet on the sheet of drawing window kind when that sheet is the one that
  // was last in front; false when it is not.
  bool ApplySheetInFront(int kind);
  // The pages of the sheet of window kind into its record; with redraw the character is
  // converted and shown. false as above.
  bool ApplyShapePages(int kind, bool redraw);
  bool ApplyShapePagesNoRedraw(int kind) { return ApplyShapePages(kind, false); }
  bool ApplyShapePagesRedraw(int kind) { return ApplyShapePages(kind, true); }
  // Copies the record into sheet pages: page below 0 all, else the pages of that number;
  // which names the sheet (any other value: the current one). With refresh the pages
  // show the new values. 0 when that sheet is not shown, else 1.
  enum SheetChoice { kActiveSheet = 0, kSheetOfA = -1, kSheetOfB = -2, kCurrentSheet = -3 };
  int LoadShapeSheetPage(int page, int refresh, int which);
  // The basic page of the sheet of window B (or A); null before that sheet was made.
  tmb::ui::PropertyPage* GetShapePage(bool windowB) const;
  // Hides the active sheet's frame; hides the sheets of both windows.
  void HideActiveSheet();
  void HideShapeSheet();
  // The animation sheet: shown on tab page (a tab it lacks keeps the tab shown), hidden,
  // loaded from the current drawing window's record (page number -1 all, refresh shows
  // the values) and stored into that record; null before it was first shown.
  void ShowAnimationSheet(int page);
  void HideAnimationSheet();
  void LoadAnimationSheetPage(int page, int refresh);
  void StoreAnimationSheet();
  CAniPSheet* AnimationSheet() const;
  // Files dropped on the window: the first is taken, by its extension.
  void OnDropFiles(const QStringList& paths);
  // The recent files of the File menu show the application's list again.
  void ShowRecentFiles();
  // Opens recent file index; a file no longer there is taken off the list, with a message.
  void OpenRecentFile(int index);
  // Opens the help file, or says where it was looked for.
  void WinHelp(int context);

  QProgressBar* progressBar() const { return m_wndProgress; }
  QPushButton* progressCancel() const { return m_btnCancel; }
  // The cancel beside the progress bar of a long operation.
  void OfferCancel(bool on);
  bool CancelRequested();
  QToolBar* toolBar() const { return m_wndToolBar; }
  // The panes 59144 and 59143: x and y of the image editor's cursor point, written when
  // they changed since the last write (the idle pass runs it).
  void UpdateCursorPanes();

  int m_nActiveSheet = 0;  // 0 none, 1 the sheet of window A, 2 that of window B
  QPointer<QWidget> m_pSheetFrameA, m_pSheetFrameB, m_pAniSheetFrame, m_pCurSheetFrame;
  int m_nLastProgress = -1;
  bool m_bBarHiddenForPreview = false;  // the toolbar was hidden by a print preview

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool IsMenuCommandShown(int id) const override;
  int DefaultMenu() const override;
  // The style menus go into the Settings menu of the character windows' menu.
  void OnMenuLoaded(int menuId) override;
  void OnIdle() override { UpdateCursorPanes(); }

 private:
  class ProgressAdapter final : public tmb::ProgressService {
   public:
    explicit ProgressAdapter(CMainFrame* frame) : frame_(frame) {}
    void SetPos(int percent) override { frame_->SetProgressPos(percent); }
    void OfferCancel(bool on) override { frame_->OfferCancel(on); }
    bool CancelRequested() override { return frame_->CancelRequested(); }

   private:
    CMainFrame* frame_;
  };

  // The command handlers by family.
  void RegisterCommands();
  void RegisterFileCommands();
  void RegisterEditCommands();
  void RegisterDisplayCommands();
  void RegisterSettingCommands();
  void RegisterDictionaryCommands();
  void RegisterSheetCommands();
  void RegisterAnimationSheetCommands();
  void RegisterWindowCommands();
  void RegisterColourCommands();
  void RegisterStyleCommands();
  void RegisterRecentFileCommands();
  // The recent files go into the File menu of a menu just loaded, before its exit.
  void AddRecentFileMenu();
  // The callers below the shell that ask for a shape sheet reload, and the live stroke's
  // question whether a sheet is shown: installed with the window, removed with it.
  void InstallShapeSheetLinks();
  void RemoveShapeSheetLinks();
  // The sheet frame of window 1 (A) or 2 (B); null when it was not made.
  CShapePropSheetFrame* SheetFrameOfWindow(int window) const;
  // The sheet's hand-over to its window: "変換表示" and a page's Cancel.
  void ConnectShapeSheet(CShapePropSheetFrame& frame);
  // Print and print preview through the current drawing window's frame.
  void PrintThroughDrawingWindow(int frameCommand);
  // The window whose picture the picture commands take: the active one, else the
  // current drawing window.
  int PictureSourceKind();
  // Saves that window's picture under a name the user chooses.
  void ExportActivePicture();
  // Hands command id to the view of kind, whose class does the work.
  void SendToViewOfKind(int kind, int id);
  // Popup popup of the drawing views' popup menus at the mouse pointer.
  void ShowViewPopupAtCursor(int popup);
  // Opens window A when no window A exists, and puts the current drawing window at the
  // top left of the work area.
  void ReopenWindowA();
  // Shows the background colour of window kind again; kinds not open are left alone.
  void RefreshBackground(int kind);
  // The toolbar's help button enters the context help instead of opening the help.
  void InstallContextHelpButton();
  tmb::ui::View* LookupView(int kind, bool beep);
  ScreenMetrics MeasureDisplay() const;

  ScreenMetrics metrics_;
  ProgressAdapter progress_{this};
  // Clicks and Escape during long work: the stop requests the work asks for.
  tmb::ui::PendingInput input_;
  // F1 in a dialog or a sheet's page: the help at its context.
  tmb::ui::ContextHelp help_{[this](int context) { WinHelp(context); }};
  // The toolbar's help button: the help of the next control or window clicked.
  CContextHelpMode m_helpMode{[this](int context) { WinHelp(context); }};
  QProgressBar* m_wndProgress = nullptr;
  QPushButton* m_btnCancel = nullptr;
  bool m_bCancelPressed = false;
  QStatusBar* m_wndStatusBar = nullptr;
  QToolBar* m_wndToolBar = nullptr;
  QPointer<QAction> m_recentSeparator;  // after the recent files in the File menu shown
  QLabel* m_paneX = nullptr;
  QLabel* m_paneY = nullptr;
  std::optional<tmb::Point> m_ptPaneShown;  // the point the panes show
};
