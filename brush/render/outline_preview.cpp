#include "brush/render/outline_preview.h"

#include <algorithm>

#include "core/canvas/bitmap_blits.h"
#include "core/canvas/work_canvas.h"
#include "core/onebit/outline_trace.h"
#include "core/onebit/trace_buffer.h"
#include "core/path/stroke_path.h"

namespace {

ImageEditorLink gNoImageEditor;
ImageEditorLink* gImageEditor = &gNoImageEditor;

}  // namespace

ImageEditorLink& ImageEditor() { return *gImageEditor; }

void SetImageEditorLink(ImageEditorLink* link) { gImageEditor = link ? link : &gNoImageEditor; }

void PreviewOutlineOnView(COutlinePreviewView* pView) {
  if (!pView) return;
  pView->ReleaseOffscreenDCs();
  tmb::DeviceContext dc;
  pView->PrepareClientDC(dc);
  const int w = gWorkCanvas.m_width, h = gWorkCanvas.m_height;
  // Only the background comes from the image editor: the contours are those of the
  // view's own picture, traced whether an editor is open or not.
  if (tmb::Surface* picture = ImageEditor().Picture()) {
    CopyBitmapArea(&dc, pView->BackBuffer(), 0, 0, w, h, picture, 0, 0);
  }

  tmb::Surface* drawing = pView->DrawingBitmap();
  CWorkBitmap& mask = gWorkCanvas.m_maskBitmaps[2];
  CopyBitmapArea(&dc, &mask, 0, 0, w, h, drawing, 0, 0);
  const tmb::Rect& paper = gWorkCanvas.m_rect;
  // Lists too full for every contour still show those that fitted.
  const bool traced = TraceImageRegion(&dc, &mask, paper.left, paper.top, paper.right, paper.bottom) != 0;
  pView->ClearWritingArea(&dc);
  if (drawing && traced && gTraceBuffer.m_bAllocated) {
    tmb::DeviceContext memory = tmb::DeviceContext::CompatibleWith(&dc);
    memory.SelectSurface(drawing);
    gTraceBuffer.m_pPath->DrawLines(&memory, 0x000000, 0, 0);
  }
  pView->RefreshWritingArea();
}
