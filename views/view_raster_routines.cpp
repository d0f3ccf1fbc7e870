// The drawing view's raster routines on memory contexts: colour-key and mask merges,
// tinted, masked, background and grey-shaded copies, a halftone copy, the brush shapes of
// the drawn character, the side lines of a path and the picture-frame picture.
#include <vector>

#include "core/bitmap/palettes.h"
#include "brush/render/brush_state.h"
#include "core/canvas/bitmap_blits.h"
#include "core/canvas/bitmap_masks.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_path_ex.h"
#include "core/path/stroke_work.h"
#include "core/state/draw_state.h"
#include "export/picture/picture_file_writer.h"
#include "platform/gdi/raster_ops.h"
#include "platform/service/messages.h"
#include "views/tmb_view.h"
#include "views/view_params.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF;
constexpr tmb::Colour kSideLineA = 0x0000C0;
constexpr tmb::Colour kSideLineB = 0x00C000;
// Source where the mask is 0, destination where it is 1.
constexpr uint32_t kSourceWhereMaskClear = 0xCCAA0029;
// The brush-shape renderer's style that paints each stroke into the canvas's third mask.
constexpr int kShapesAsStrokePicture = 0;

constexpr tmb::Colour kShadeGrey = 0x808080;
// The picture-frame picture: its size, file and three frames from the outside in.
constexpr int kFrameWidth = 750;
constexpr int kFrameHeight = 1050;
constexpr char kFrameFile[] = "gakuhut.png";
constexpr std::array<tmb::Colour, 3> kFramePens{0x808080, 0x000000, 0xE0E0E0};
constexpr int kFrameStep = 10;

tmb::Rect CanvasRect() { return {0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height}; }

tmb::DeviceContext Holding(tmb::DeviceContext& dc, tmb::Surface* bitmap) {
  tmb::DeviceContext memory = tmb::DeviceContext::CompatibleWith(&dc);
  memory.SelectSurface(bitmap);
  return memory;
}

}  // namespace

void CTmbView::MaskMergeColour(tmb::DeviceContext& dc, tmb::Surface* a, tmb::Surface* b, tmb::Colour colour) {
  tmb::DeviceContext ca = Holding(dc, a), cb = Holding(dc, b);
  tmb::DeviceContext mask = Holding(dc, &gWorkCanvas.m_maskBitmaps[0]);
  tmb::DeviceContext scratch = Holding(dc, &gWorkCanvas.m_spareBitmap);
  scratch.SelectBrush(tmb::Brush::Solid(colour));
  MakeColorKeyMask(&ca, &scratch, CanvasRect(), colour, &mask);
  MergeThroughMask(&mask, &cb, &ca, CanvasRect(), 1);
}

void CTmbView::MaskMerge(tmb::DeviceContext& dc, tmb::Surface* a, tmb::Surface* b, tmb::Surface* mask,
                         tmb::Colour colour) {
  FillBitmap(&dc, mask, gWorkCanvas.m_width, gWorkCanvas.m_height, colour);
  tmb::DeviceContext ca = Holding(dc, a), cb = Holding(dc, b), cm = Holding(dc, mask);
  MergeThroughMask(&cm, &cb, &ca, CanvasRect(), 1);
}

void CTmbView::CopyWithTint(tmb::DeviceContext& dc, tmb::Surface* target, tmb::Surface* source, int w, int h,
                            tmb::Colour colour) {
  colour = tmb::PlainColour(colour);
  tmb::DeviceContext from = Holding(dc, source);
  if (colour != kWhite && colour != 0) {
    // The inverted colour ORed in leaves the colour where the source is black.
    const tmb::Colour inverted = kWhite - colour;
    FillAndOrBitmap(&dc, source, &gWorkCanvas.m_spareBitmap, w, h, inverted);
  }
  tmb::DeviceContext to = Holding(dc, target);
  to.BitBlt(0, 0, w, h, &from, 0, 0, tmb::kSrcCopy);
  if (colour == 0) to.PatBlt(0, 0, w, h, tmb::kDstInvert);
}

void CTmbView::MaskedCopy(tmb::DeviceContext& dc, int left, int top, int right, int bottom, tmb::DeviceContext& source,
                          const tmb::Surface* mask) {
  if (!dc.MaskBlt(left, top, right - left, bottom - top, &source, left, top, mask, left, top, kSourceWhereMaskClear)) {
    tmb::Beep();
  }
}

void CTmbView::CopyBitmapRect(tmb::DeviceContext& dc, tmb::Surface* target, int left, int top, int right, int bottom,
                              tmb::Surface* source) {
  ::CopyBitmapRect(&dc, target, {left, top, right, bottom}, source, left, top);
}

void CTmbView::CopyWithBackground(tmb::DeviceContext& dc, tmb::DeviceContext& source, tmb::Colour background,
                                  const tmb::Rect& rect) {
  const tmb::Colour old = dc.SetBackgroundColour(PaletteRgb(background));
  dc.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &source, rect.left, rect.top, tmb::kSrcCopy);
  dc.SetBackgroundColour(old);
}

void CTmbView::HalftoneCopyBitmaps(tmb::DeviceContext& dc, tmb::Surface* a, tmb::Surface* b, tmb::Size size) {
  tmb::DeviceContext ca = Holding(dc, a), cb = Holding(dc, b);
  HalftoneCopy(&ca, {0, 0, size.cx, size.cy}, &cb);
}

int CTmbView::RenderBrushShapesTo(tmb::DeviceContext& dc, const CCharDataFull& rec) {
  CStrokeWork work(std::max(rec.m_nPoints, 1));
  rec.ToStrokeWork(work);
  std::vector<int> levels(size_t(std::max(rec.m_nPoints, 0)));
  for (int i = 0; i < rec.m_nPoints; ++i) levels[size_t(i)] = rec.m_pLevels[i];
  int strokes = 0;
  for (int first = 0; first < work.GetCount();) {
    const int last = work.FindStrokeEnd(first);
    work.RenderBrushShapes(&dc, first, last + 1, 1, std::span<const int>(levels).subspan(size_t(first)),
                           kShapesAsStrokePicture, nullptr);
    ++strokes;
    first = last + 1;
  }
  return strokes;
}

int CTmbView::RenderBrushShapesOfCharacter() {
  ReleaseOffscreenDCs();
  CTmbDoc* doc = GetDocument();
  if (!doc) return 0;
  ClientDC dc(*this);
  OffscreenScope offscreen(*this, dc);
  return RenderBrushShapesTo(m_bOffscreen ? m_dcBack : dc.dc(), doc->m_char);
}

void CTmbView::DrawSideLinesTo(tmb::DeviceContext& dc, const CStrokePathEx& path, tmb::Surface* target) {
  tmb::DeviceContext memory = Holding(dc, target);
  path.DrawSideLines(&memory, kSideLineA, kSideLineB, 1);
  path.DrawLines(&memory, 0x000000, 0, 0);
}

void CTmbView::CopyWithGreyShade(tmb::DeviceContext& dc, int x, int y, int w, int h, int shaded) {
  CBrushState* state = m_pShownBrushState ? m_pShownBrushState : m_pBrushState;
  const CCharDataFull* rec = DrawnRecord();
  if (!state || !rec || state->m_bitmap.IsNull()) return;
  tmb::DeviceContext from = Holding(dc, &state->m_bitmap);
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  // The display is always true colour here, so only the record decides.
  const bool grey = shaded && (rec->m_param[kParamLineModeMask] & 1) != 0 && rec->m_param[kShapeModeParam] == 0;
  if (!grey) {
    dc.BitBlt(x + o.x, y + o.y, w, h, &from, x, y, tmb::kSrcCopy);
    return;
  }
  // not (not picture and grey) = picture or light grey: the ink turns grey, the paper stays.
  tmb::DeviceContext work = Holding(dc, &gWorkCanvas.m_spareBitmap);
  tmb::DeviceContext shade = Holding(dc, &gWorkCanvas.m_colorBitmap);
  shade.FillSolidRect({0, 0, w, h}, kShadeGrey);
  work.BitBlt(0, 0, w, h, &from, x, y, tmb::kSrcCopy);
  work.PatBlt(0, 0, w, h, tmb::kDstInvert);
  work.BitBlt(0, 0, w, h, &shade, 0, 0, tmb::kSrcAnd);
  work.PatBlt(0, 0, w, h, tmb::kDstInvert);
  const int mode = dc.SetStretchMode(tmb::kHalftone);
  dc.StretchBlt(x + o.x, y + o.y, w, h, &work, 0, 0, w, h, tmb::kSrcCopy);
  dc.SetStretchMode(mode);
}

int CTmbView::SavePictureFrame(tmb::DeviceContext& dc) {
  tmb::Surface picture;
  if (!picture.Create(kFrameWidth, kFrameHeight, tmb::PixelFormat::kColour32)) return 0;
  picture.Fill(kWhite);
  tmb::DeviceContext memory = Holding(dc, &picture);
  memory.SelectBrush(tmb::Brush::Null());
  int inset = kFrameStep;
  for (const tmb::Colour colour : kFramePens) {
    memory.SelectPen(tmb::Pen::Solid(1, colour));
    memory.Rectangle(inset, inset, kFrameWidth - inset, kFrameHeight - inset);
    inset += kFrameStep;
  }
  return WritePictureFile(&dc, &picture, nullptr, kFrameFile, kFrameWidth, kFrameHeight, kFormatPng);
}
