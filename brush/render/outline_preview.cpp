#include "brush/render/outline_preview.h"

#include <algorithm>

#include "core/canvas/bitmap_blits.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_path.h"
#include "imageedit/onebit/trace_buffer.h"

namespace {

ImageEditorLink gNoImageEditor;
ImageEditorLink* gImageEditor = &gNoImageEditor;

}  // namespace

ImageEditorLink& ImageEditor() { return *gImageEditor; }

void SetImageEditorLink(ImageEditorLink* link) { gImageEditor = link ? link : &gNoImageEditor; }

void PreviewOutlineOnView(COutlinePreviewView* pView) {
  tmb::Surface* picture = ImageEditor().Picture();
  if (!pView || !picture) return;
  pView->ReleaseOffscreenDCs();
  tmb::DeviceContext dc;
  pView->PrepareClientDC(dc);
  const int w = gWorkCanvas.m_width, h = gWorkCanvas.m_height;
  CopyBitmapArea(&dc, pView->BackBuffer(), 0, 0, w, h, picture, 0, 0);

  tmb::Surface* drawing = pView->DrawingBitmap();
  CWorkBitmap& mask = gWorkCanvas.m_maskBitmaps[2];
  CopyBitmapArea(&dc, &mask, 0, 0, w, h, drawing, 0, 0);
  gTraceBuffer.m_nCount = 0;
  ImageEditor().TraceImageRegion(&dc, &mask, gWorkCanvas.m_rect);
  pView->ClearWritingArea(&dc);

  const int count = std::min<int>(gTraceBuffer.m_nCount, int(gTraceBuffer.m_points.size()));
  CStrokePath traced(std::max(count, 1));
  for (int k = 0; k < count; ++k) {
    const tmb::Point p = gTraceBuffer.m_points[size_t(k)];
    traced.AppendPoint(p.x, p.y, gTraceBuffer.m_flags[size_t(k)]);
  }
  if (drawing) {
    tmb::DeviceContext memory = tmb::DeviceContext::CompatibleWith(&dc);
    memory.SelectSurface(drawing);
    traced.DrawLines(&memory, 0x000000, 0, 0);
  }
  pView->RefreshWritingArea();
}
