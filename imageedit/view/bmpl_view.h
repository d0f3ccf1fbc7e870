// The image editor's zoom window: the editor's picture (in panel mode the current drawing
// window's writing area) magnified by a whole factor, in which single pixels are painted
// with the mouse in the correction colour (or black and white in monochrome mode), and a
// right click takes a picture's colour into the correction colour box.
#pragma once

#include <QPointer>

#include "platform/ui/colour_boxes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"
#include "platform/ui/view.h"

class QAbstractScrollArea;
class QMouseEvent;

class CBmplView : public tmb::ui::View {
  Q_OBJECT

 public:
  static constexpr int kDefaultZoom = 4;
  static constexpr tmb::Colour kSurround = 0xC0C0C0;

  CBmplView(tmb::ui::Document* document, int viewClass, QWidget* parent = nullptr);
  ~CBmplView() override;

  // The zoom window while one exists; null otherwise.
  static CBmplView* Instance();

  void OnInitialUpdate() override;
  void OnUpdate() override;

  // Runs the initial update again when the editor asked for it (either of the two low
  // redraw bits, both then cleared), then draws.
  void Redraw();
  // Scrolls so that the editor's pointer (picture pixels) is in the middle, within the
  // scroll range, and redraws.
  void ScrollToCursor(tmb::Point cursor);
  // A factor above 0 becomes the zoom; then the window is redrawn.
  void SetZoomFactor(int factor);
  int zoom() const { return m_nZoom; }

  // Paints the picture pixel under view point (logical): white for the right button in
  // monochrome mode. False when the point shows no picture pixel.
  bool PaintPixelAt(tmb::Point view, bool white);
  // Fills pixel's zoom x zoom square on the window.
  void PaintCell(tmb::Point pixel, tmb::Colour colour);
  // The picture's colour under view point becomes the right-click and correction colour.
  void TakeColourAt(tmb::Point view);

  // The correction colour box: shown or hidden (command 32855).
  void ToggleFixColourDialog();
  bool IsFixColourDialogShown() const;
  CFixColorDlg* fixColourDialog() const { return m_pFixDlg; }
  tmb::Colour PaintColour() const;

  void OnDraw(tmb::DeviceContext& dc);
  // Events of the viewport (the scroll area hands them over).
  void PaintViewport();
  // A new viewport size redraws the zoomed picture.
  void OnViewportResized() { OnUpdate(); }
  void OnMouseEvent(const QMouseEvent& event);
  QWidget* viewport() const;
  const tmb::Surface& windowSurface() const { return m_windowSurface; }
  tmb::Point ScrollPosition() const;
  int m_nInitialUpdates = 0;  // how often the initial update ran

 private:
  void PrepareClientDC(tmb::DeviceContext& dc);
  tmb::Size SourceSize() const;
  const tmb::Surface* Source() const;

  QPointer<CFixColorDlg> m_pFixDlg;
  int m_bBusy = 0;
  tmb::Size m_sizeExtent{};
  tmb::Rect m_rcPicture{};
  int m_bButton = 0;
  int m_nZoom = kDefaultZoom;
  QAbstractScrollArea* m_pArea;
  tmb::Surface m_windowSurface;
  bool m_bNeedsDraw = true;
};
