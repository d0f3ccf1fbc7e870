// The preview window's view: one picture of the canvas size, the preview bitmap, that the
// animation, the style sheets and the main frame's commands render into. The user drags a
// selection over it (scrolling past the edges), copies parts to the clipboard through its
// popup menu, and prints it.
#pragma once

#include <QPointer>

#include "core/canvas/work_bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"
#include "platform/ui/view.h"
#include "views/print/print_source.h"

class QAbstractScrollArea;

class CPre_View : public tmb::ui::View, public CPrintSource {
  Q_OBJECT

 public:
  // A drag scrolls by kScrollStep pixels when it comes within kScrollMargin of an edge.
  static constexpr int kScrollMargin = 16;
  static constexpr int kScrollStep = 32;

  CPre_View(tmb::ui::Document* document, int viewClass, QWidget* parent = nullptr);
  ~CPre_View() override;

  // The preview's view while one exists; null otherwise.
  static CPre_View* Instance();

  // ---- the framework
  // Makes the preview bitmap (white, at the canvas size) and opens the scrolled area,
  // at its right end when the paper is wider than the window.
  void OnInitialUpdate() override;
  void OnUpdate() override;
  // Makes dc draw into the window surface in logical coordinates.
  void OnPrepareDC(tmb::DeviceContext& dc);
  void OnDraw(tmb::DeviceContext& dc);

  // ---- what other windows call
  void RedrawPreview();
  void ClearAndRedrawPreview();
  // The surround, the picture at the canvas origin and the frame when it is shown.
  void DrawPreviewBitmap(tmb::DeviceContext& dc);
  // The picture white again, and shown.
  void ClearPreview(tmb::DeviceContext& dc);
  // Moves the horizontal (vertical 0) or vertical bar by delta and shows the picture.
  void ScrollBy(tmb::DeviceContext& dc, int vertical, int delta);
  void SetSelection(const tmb::Rect& source);
  // Puts rect of the picture (canvas coordinates, corners in any order) on the clipboard.
  // False, after a beep and with the clipboard unchanged, when it holds no part of it.
  bool CopyPictureToClipboard(const tmb::Rect& rect);
  // The selection frame on the window, drawn so that drawing it again takes it off.
  void ShowSelection(tmb::DeviceContext& dc);
  void HideSelection(tmb::DeviceContext& dc);

  // ---- mouse, in device pixels of the window
  void OnLButtonDown(tmb::Point device);
  void OnMouseMove(tmb::Point device);
  void OnLButtonUp(tmb::Point device);
  void OnRButtonDown(tmb::Point device);

  // ---- what the page renderer prints: the picture and the selection
  const tmb::Surface* PrintPicture() override;
  tmb::Rect PrintSelection() override;
  void BringForward() override;

  const tmb::Surface& windowSurface() const { return m_windowSurface; }
  QAbstractScrollArea* area() const { return m_pArea; }
  // The client area in logical coordinates.
  tmb::Rect ClientRectLogical() const;

  // ---- state (names as the rest of the system reads them)
  CWorkBitmap m_bmpPreview;  // the preview bitmap
  CWorkBitmap m_bmpClip;     // what was last put on the clipboard
  int32_t m_bCleared = 0;
  int32_t m_nDrag = 0;  // 0 none, 1 pressed, 2 dragging
  int32_t m_bAutoScrolled = 0;
  tmb::Rect m_rcSelect{};  // start corner (left, top) and moving corner (right, bottom)
  tmb::Point m_ptPrevCorner{};
  int32_t m_nFrameShown = -1;

  // Events of the scrolled area.
  void PaintViewport();
  void OnViewportResized();
  void OnScrolled();

 private:
  // A prepared context on the window surface that shows what was drawn when it goes.
  class ClientDC {
   public:
    explicit ClientDC(CPre_View& view);
    ~ClientDC();
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    tmb::DeviceContext& dc() { return dc_; }

   private:
    CPre_View& view_;
    tmb::DeviceContext dc_;
  };

  void RegisterCommands();
  void UpdateScrollRanges();
  void FitWindowSurface();
  void Invalidate();
  void SendFrameCommand(int id);
  // The canvas point of a device point; false when it lies outside the paper.
  bool CanvasPointOf(tmb::Point device, tmb::Point& point) const;
  void ToggleFrame(tmb::DeviceContext& dc);
  // Scrolls when device comes near an edge in the direction the corner moves.
  bool AutoScroll(tmb::DeviceContext& dc, tmb::Point device);

  QAbstractScrollArea* m_pArea;
  tmb::Surface m_windowSurface;
  bool m_bNeedsDraw = true;
};
