// The drawing of a converted character into its window's brush render state: as dots, or
// stroke by stroke through the brush-shapes pass into the work bitmaps, then into the
// state's picture in the outline colour over the paper colour.
#include "brush/render/converted_drawing.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "brush/render/brush_state.h"
#include "brush/render/edge_smoothing.h"
#include "brush/render/sequence_capacity.h"
#include "brush/render/work_dc_scope.h"
#include "core/canvas/bitmap_blits.h"
#include "core/canvas/bitmap_masks.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_work.h"
#include "core/state/animation_flags.h"

CDrawScratch gDrawScratch;

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF;
constexpr tmb::Colour kNearWhite = 0xFEFEFE;
constexpr tmb::Colour kNearWhiteOnNearWhite = 0xFFFEFE;  // kept apart from a near-white paper

// Parameters read by the drawing.
constexpr int kLinking = 2;
constexpr int kFlyingWhite = 5;
constexpr int kStyle = 37;
constexpr int kPenMode = 47;  // the conversion is off
constexpr int kPartialDisplay = 90;
constexpr int kPartialMode = 91;
constexpr int kPartialLength = 92;
constexpr int kPartialPosition = 93;
constexpr int kShapeColour = 156;
constexpr int kPaperColour = 157;
constexpr int kStrokePictures = 220;
constexpr int kStrokePicturesToo = 221;
constexpr int kSmoothStrength = 241;
constexpr int kSmoothLevel = 242;
constexpr int kLineMode = 240;
constexpr int kDotDisplay = 291;
constexpr int kNoScaledStrokes = 351;
constexpr int kDrawOption = 352;

constexpr int kScaledLineMode = 2;
constexpr int kSingleColourShape = 3;
constexpr int kStyleKeepsFlag = 300;
constexpr int kDotRadius = 2;

tmb::Colour ParamColour(int32_t value) { return tmb::PlainColour(tmb::Colour(value)); }

}  // namespace

int DrawingMode(const ParamBlock& params) {
  int mode = params[kPenMode] == 0 && (params[kStrokePictures] != 0 || params[kStrokePicturesToo] != 0) ? 1 : 0;
  if (params[kNoScaledStrokes] == 0 && params[kLineMode] == kScaledLineMode) mode = 2;
  if (params[kFlyingWhite] != 0) mode = 1;
  return mode;
}

void PartialDisplayRange(const ParamBlock& params, int count, int& start, int& end) {
  const int64_t a = int64_t(params[kPartialLength]) * count / 100;
  const int64_t b = int64_t(params[kPartialPosition]) * count / 100;
  int64_t first = start, last = end;
  switch (params[kPartialMode]) {
    case 0:
      first = b;
      last = b + a;
      break;
    case 1:
      first = b - a / 2;
      last = b + a / 2;
      break;
    case 2:
      first = b - a;
      last = b;
      break;
    default:
      break;
  }
  start = int(std::clamp<int64_t>(first, 0, end));
  end = int(std::clamp<int64_t>(last, std::min(1, end), end));
}

int CStrokeWork::DrawCharacter(tmb::DeviceContext* pDC, int start, int end, const CStrokeWork& source) {
  gBrushDrawOption = m_param[kDrawOption];
  if (m_param[kDotDisplay] == 0) {
    DrawConverted(pDC, start, end);
    return 1;
  }
  FillStateBitmap(pDC, 0);
  WorkDCScope dcs(*this, pDC);
  if (!dcs) return 1;
  tmb::DeviceContext& dc = dcs.StateDC();
  const tmb::Pen oldPen = dc.SelectPen(tmb::Pen::Solid(0, ParamColour(m_param[kShapeColour])));
  // Switched off, the conversion leaves this path empty: the dots show the points drawn.
  const CStrokeWork& dots = m_param[kPenMode] != 0 ? source : *this;
  for (int i = 0; i < dots.m_nCount; ++i) {
    const tmb::Point p = dots.m_pPoints[i].RoundToPoint();
    dc.Ellipse(p.x - kDotRadius, p.y - kDotRadius, p.x + kDotRadius, p.y + kDotRadius);
  }
  dc.SelectPen(oldPen);
  return 1;
}

void CStrokeWork::DrawConverted(tmb::DeviceContext* pDC, int start, int end) {
  FillStateBitmap(pDC, 0);
  if (m_param[kLinking] == 0) return;
  WorkDCScope dcs(*this, pDC);
  if (!dcs) return;

  // A range beyond the points draws what lies within them.
  end = end == -1 ? m_nCount : std::clamp(end, 0, m_nCount);
  start = std::clamp(start, 0, end);
  m_drawFlags[0] = m_drawFlags[1] = 1;
  gDrawScratch.counters = {};
  if (m_param[kStyle] < kStyleKeepsFlag) m_drawFlags[2] = 0;
  if (m_param[kPartialDisplay] != 0) PartialDisplayRange(m_param, m_nCount, start, end);
  const int mode = DrawingMode(m_param);
  const tmb::Colour paper = ParamColour(m_param[kPaperColour]);
  const tmb::Colour fill = ParamColour(m_rangeFrom) == kWhite ? paper : kWhite;

  CWorkCanvas& canvas = gWorkCanvas;
  if (mode == 1) FillBitmap(pDC, &canvas.m_spareBitmap, canvas.m_width, canvas.m_height, kWhite);
  if (mode == 2) {
    CWorkBitmap& scaled = canvas.m_scaledMaskBitmap;
    FillBitmap(pDC, &scaled, scaled.width(), scaled.height(), kWhite);
  }
  // The whole state bitmap was filled white above.
  if (fill != kWhite) FillBitmap(pDC, m_pStateBitmap, canvas.m_width, canvas.m_height, fill);
  DrawStrokeRange(pDC, start, end, mode);

  // White ink would vanish in the white of the paper: it is drawn a shade darker and
  // lifted back to white at the end.
  const int32_t savedOutline = m_rangeFrom, savedShapeColour = m_param[kShapeColour];
  const bool whiteInk = m_param[kShapeModeParam] == kSingleColourShape && ParamColour(savedShapeColour) == kWhite;
  if (whiteInk) {
    const tmb::Colour nearWhite = paper == kNearWhite ? kNearWhiteOnNearWhite : kNearWhite;
    m_rangeFrom = m_param[kShapeColour] = int32_t(nearWhite);
  }
  const tmb::Colour outline = ParamColour(m_rangeFrom);

  // A frame of an animation under way takes the character's outer outline.
  if ((gFrameRecording != 0 || gFramePlayback != 0) && gPathSequence.m_pPath) {
    CStrokePath outlines(gPathSequence.m_pPath->GetCapacity());
    outlines.CopyFrom(*gPathSequence.m_pPath);
    outlines.BuildOutlineViaBitmap(pDC, outline, 1);
  }

  if (mode == 2) {
    RenderToBitmap(pDC, m_pStateBitmap, 3, m_param, outline);
    FillWhiteWithColour(pDC, m_pStateBitmap, paper);
  } else if (mode == 1) {
    dcs.StateDC().BitBlt(0, 0, canvas.m_width, canvas.m_height, m_pWorkDC[0].get(), 0, 0, tmb::kSrcCopy);
    TintBitmapOnCanvas(pDC, m_pStateBitmap, outline, paper);
    FillWhiteWithColour(pDC, m_pStateBitmap, paper);
    RenderStrokesByStroke(pDC, m_pStateBitmap, paper, outline, m_param[kSmoothStrength], m_param[kSmoothLevel]);
  }

  if (whiteInk) {
    LiftNearWhitePixels(&dcs.StateDC());
    m_rangeFrom = savedOutline;
    m_param[kShapeColour] = savedShapeColour;
  }
}

void CStrokeWork::DrawStrokeRange(tmb::DeviceContext* pDC, int from, int to, int mode) {
  gPathSequence.Init(1);
  BeginSequenceDrawing();
  from = std::max(from, 0);
  to = std::min(to, m_nCount);
  // A stroke runs to the next stroke start (flag 1, or 2 of a section): the codes the
  // passes leave inside it (turns, corners, loops) are part of its brush shape. A range
  // that begins inside a stroke (the partial display) starts with the next stroke.
  int i = from > 0 ? FindNextBreak(from - 1) : 0;
  while (i < to) {
    const int last = std::min(FindNextBreak(i) - 1, to - 1);
    DrawStroke(pDC, i, last, mode);
    i = last + 1;
  }
}

void CStrokeWork::DrawStroke(tmb::DeviceContext* pDC, int first, int last, int mode) {
  if (mode == 0 || first < 0 || last < first || last >= m_nCount) return;
  // The stroke's widths and the terminator after them: sized by the stroke, so that a
  // stroke ending at the path's capacity still has room for it.
  std::vector<int> levels;
  levels.reserve(size_t(last - first) + 2);
  for (int i = first; i <= last; ++i) levels.push_back(m_pWidths[i]);
  levels.push_back(gDrawScratch.terminator);

  CWorkCanvas& canvas = gWorkCanvas;
  const int style = mode == 1 ? 0 : mode == 2 ? 1 : 3;
  tmb::Surface* target = mode == 2 ? &canvas.m_scaledMaskBitmap : &canvas.m_maskBitmaps[1];
  RenderBrushShapes(pDC, first, last + 1, 0, levels, style, target);
  if (mode == 1 && m_bWorkDCsPrepared) {
    // The stroke's picture joins those before it on the canvas.
    tmb::DeviceContext picture = tmb::DeviceContext::CompatibleWith(pDC);
    picture.SelectSurface(&canvas.m_maskBitmaps[2]);
    m_pWorkDC[0]->BitBlt(0, 0, canvas.m_width, canvas.m_height, &picture, 0, 0, tmb::kSrcAnd);
    // The window watches the character grow stroke by stroke; a context that draws into
    // no window takes nothing.
    const tmb::Point o = canvas.m_ptOrigin;
    if (pDC) pDC->BitBlt(o.x, o.y, canvas.m_width, canvas.m_height, m_pWorkDC[0].get(), 0, 0, tmb::kSrcCopy);
  }
}
