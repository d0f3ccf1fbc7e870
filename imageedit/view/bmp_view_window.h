// The image editor's window: a scrolled view whose viewport shows the editor's picture and
// surround from its window surface, turning mouse events and commands into the editor's
// operations and answering what the editor asks of a window.
#pragma once

#include <QPointer>

#include "imageedit/editor/bmp_view.h"
#include "imageedit/editor/bmp_view_host.h"
#include "platform/gdi/surface.h"
#include "platform/ui/view.h"
#include "views/print/print_source.h"

class QAbstractScrollArea;
class QMouseEvent;

class CBmpViewWindow : public tmb::ui::View, public CBmpViewHost, public CPrintSource {
  Q_OBJECT

 public:
  CBmpViewWindow(tmb::ui::Document* document, int viewClass, QWidget* parent = nullptr);
  ~CBmpViewWindow() override;

  // The image editor's window while one exists; null otherwise.
  static CBmpViewWindow* Instance();

  CBmpView& editor() { return m_view; }
  QWidget* viewport() const;
  const tmb::Surface& windowSurface() const { return m_windowSurface; }

  void OnInitialUpdate() override;
  void OnUpdate() override;

  // The open dialog, and the picture it names loaded into the editor (the path becomes
  // the picture's path only when it loads).
  void OpenImageFileDialog();
  // The clipboard's picture into the editor: whole or into the clip buffer.
  void ReceiveClipboard(int whole);
  // The editor's changes become the document's.
  void SyncModified();

  // ---- what the editor asks of its window
  void PrepareClientDC(tmb::DeviceContext& dc) override;
  void ShowDrawn() override;
  tmb::Rect ClientRectLogical() const override;
  tmb::Point ScrollPosition() const override;
  bool ScrollBy(int dx, int dy) override;
  void ScrollToRightEnd() override;
  tmb::Point CursorPosition() const override;
  void SetCapture(bool on) override { m_bCapture = on; }
  void UpdateCursor() override;
  void SendCommand(int id) override;
  void ShowPopupMenu(tmb::Point logical) override;
  void ActivateEditor() override;
  tmb::Surface* WindowPicture(int kind) override;
  tmb::Rect WindowRegion(int kind) override;
  CCharData* WindowRecord(int kind, int which) override;
  tmb::Colour WindowBackground(int kind, tmb::Colour fallback) override;
  void FollowInZoomView() override;
  void NotifyZoomPoint() override;

  // ---- what the page renderer prints: the picture and the region
  const tmb::Surface* PrintPicture() override;
  tmb::Rect PrintSelection() override;
  void BringForward() override { ActivateEditor(); }
  // The editor prints itself (print target held at the editor) or shows its preview.
  void OnFilePrint(int preview);

  // Events of the viewport (the scroll area hands them over).
  void PaintViewport();
  void OnViewportResized();
  void OnMouseEvent(const QMouseEvent& event);
  void OnPointerLeft();
  void OnKeyUp(int key);

  bool m_bCapture = false;

 private:
  tmb::Point m_lastMouse{};  // device pixels of the last mouse event
  void FitWindowSurface();
  void UpdateScrollRanges();
  void RegisterCommands();

  CBmpView m_view;
  QAbstractScrollArea* m_pArea;
  tmb::Surface m_windowSurface;
  bool m_bNeedsDraw = true;
};
