// The outline preview of the outline page: the image editor's picture, when one is open,
// is shown behind the drawing view's character, the view's picture is traced into
// contours, and the contours are drawn over a cleared writing area.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// What the preview asks of the drawing view it draws on; the view implements it.
class COutlinePreviewView {
 public:
  virtual ~COutlinePreviewView() = default;
  virtual void ReleaseOffscreenDCs() = 0;
  // Makes dc a client context of the view, prepared as the view prepares its drawing.
  virtual void PrepareClientDC(tmb::DeviceContext& dc) = 0;
  virtual tmb::Surface* BackBuffer() = 0;
  virtual tmb::Surface* DrawingBitmap() = 0;
  // Fills the back buffer with the background and forgets the collected ink.
  virtual void ClearWritingArea(tmb::DeviceContext* pDC) = 0;
  virtual void RefreshWritingArea() = 0;
};

// What the preview asks of the image editor. The application installs the real link;
// until then no image editor is open.
class ImageEditorLink {
 public:
  virtual ~ImageEditorLink() = default;
  // The picture of the image editor's view; null while none is open.
  virtual tmb::Surface* Picture() { return nullptr; }
};

ImageEditorLink& ImageEditor();
// Installs link (not owned); nullptr restores the default.
void SetImageEditorLink(ImageEditorLink* link);

// Shows the image editor's picture in pView's back buffer (while an editor is open),
// traces pView's drawing bitmap and draws the traced contours in black into it.
void PreviewOutlineOnView(COutlinePreviewView* pView);
