// The one main window: the work area with drawing windows A and B, the image editor and
// the preview, a toolbar, a status bar with a progress bar, file drops, the save
// questions at close, and the lookups from window kinds to views.
#pragma once

#include <QPointer>
#include <QStringList>
#include <optional>

#include "core/state/screen_metrics.h"
#include "platform/service/progress.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/view.h"

class CAniPSheet;
class QLabel;
class QProgressBar;
class QPushButton;
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
  int EnsureImageEditor(int create);
  // Mode 0 brings the frame forward unless it already is; 1 also centres it; 2 only shows it.
  void ActivateViewOfKind(int kind, int mode);
  // The canvas start-up on this window's display; -1 (the window closed) on failure.
  int StartCanvas();
  // Sets the progress bar unless progress is switched off or pos is the last position.
  void SetProgressPos(int pos);
  void UpdateWindowAndSheets();
  void UpdateMainTitle();
  // The shape sheet of the current drawing window: its frame, and showing it, centred
  // when asked; the sheet turns to the page the drawing state names.
  QWidget* GetCurrentShapeSheetFrame() const;
  void ShowShapeSheet(bool centre);
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
  // Opens the help file, or says where it was looked for.
  void WinHelp(int context);

  QProgressBar* progressBar() const { return m_wndProgress; }
  QPushButton* progressCancel() const { return m_btnCancel; }
  // The cancel beside the progress bar of a long operation.
  void OfferCancel(bool on);
  bool CancelRequested();
  QToolBar* toolBar() const { return m_wndToolBar; }

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

  // The command handlers by family; the pending commands are held back last.
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
  tmb::ui::View* LookupView(int kind, bool beep);
  ScreenMetrics MeasureDisplay() const;

  ScreenMetrics metrics_;
  ProgressAdapter progress_{this};
  QProgressBar* m_wndProgress = nullptr;
  QPushButton* m_btnCancel = nullptr;
  bool m_bCancelPressed = false;
  QToolBar* m_wndToolBar = nullptr;
  QLabel* m_paneX = nullptr;
  QLabel* m_paneY = nullptr;
};
