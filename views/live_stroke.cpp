// The stroke as it is written: each new segment stamped at once with square cells of the
// brush set, one per pixel step, into the window, and into the back buffer where the
// window does not show it; the stroke's end merges what the window shows into the back
// buffer (stroke_capture.cpp).
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "brush/render/brush_state.h"
#include "brush/render/shape_drawing.h"
#include "convert/driver/tablet_ink.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_work.h"
#include "core/state/draw_state.h"
#include "views/live_stroke.h"
#include "views/tmb_view.h"
#include "views/view_params.h"

namespace {

constexpr int kParamStyle = 37;
// The gradient kind that grows from both ends towards the middle keeps the narrower
// minimum of a stroke's inside.
constexpr int kGradientEnds = 3;
// Styles from 300 on stamp the whole tip of a size and allow size 1.
constexpr int kFineStampStyle = 300;
constexpr tmb::Colour kWhite = 0xFFFFFF;
// The live line mode that draws plain lines, and their width.
constexpr int kLiveLinePlain = 2;
constexpr int kPlainLiveLineWidth = 2;
// Destination AND (pattern OR source): the cell's ink takes the brush's colour.
constexpr uint32_t kPaperAndPenOrCell = 0x00A803A9;

// How stamps combine with the picture.
enum StampMode {
  kStampGrey = 0,     // the brush set's greys ANDed in
  kStampColour = 1,   // the cell made white through the ink mask, then the set ANDed in
  kStampBlack = 2,    // the ink mask ANDed in: solid black
  kStampOnWhite = 3,  // the set ANDed in over white paper
};

int StampModeOf(const CCharData& rec) {
  const bool enabled = rec.IsModeInMask(rec.m_param[kParamLineModeMask]);
  if (rec.m_param[kShapeModeParam] == 0) return enabled ? kStampGrey : kStampBlack;
  return !enabled && tmb::Colour(rec.m_param[kParamBackColour]) == kWhite ? kStampOnWhite : kStampColour;
}

std::function<bool()>& ShapeSheetQuery() {
  static std::function<bool()> query;
  return query;
}

}  // namespace

void SetShapeSheetQuery(std::function<bool()> query) { ShapeSheetQuery() = std::move(query); }

bool IsShapeSheetShown() { return ShapeSheetQuery() && ShapeSheetQuery()(); }

void CTmbView::DrawLiveStroke(tmb::DeviceContext& dc, tmb::Point from, tmb::Point to, int kind) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CCharDataFull& rec = doc->m_char;
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  // A plain line where no brush is wanted: thin-line drawing, or a display mode that shows
  // the character otherwise than as written.
  const bool plainLine = m_bThinLine == 1 || rec.m_param[kParamDisplayMode] != 0;
  if (plainLine) {
    const tmb::Pen old = dc.SelectPen(tmb::Pen::Solid(1, tmb::Colour(rec.m_brushValues[kBrushInkColour])));
    dc.MoveTo(from.x + o.x, from.y + o.y);
    dc.LineTo(to.x + o.x, to.y + o.y);
    dc.SelectPen(old);
  }
  gLiveStroke.sheetShown = IsShapeSheetShown() ? 1 : 0;
  // Where a collector gathers the ink apart from the record and the ink is shown, the ink
  // shows the stroke itself; ink the capture writes into the record is stamped like any
  // stroke, in the ink pen's colour while the ink is shown.
  const CTabletInk& ink = TabletInkOf(m_nIndex);
  const bool inkShown = gDrawState.m_bInkDisplay && ink.InkPointCount() > 0;
  gLiveStroke.inkPen = inkShown && ink.WrittenIntoRecord() ? 1 : 0;
  gLiveStroke.inkColour = ink.GetDrawingAttributes().colour;
  if (!plainLine && (!inkShown || ink.WrittenIntoRecord())) {
    PrepareOffscreenDCs(dc);
    const int i = rec.m_nPoints - 1;
    rec.CopySettingsToWork(LiveStrokeWork());
    CPointRecord point;
    point.v[1] = static_cast<float>(gDrawState.m_nPenPressure);
    const int dx = to.x - from.x, dy = to.y - from.y;
    const int width = StrokeWidthAt(float(dx), float(dy), kSegmentFirst, kind == kSegmentLast, point);
    if (i >= 0) {
      rec.m_pLevels[i] = static_cast<int8_t>(width);
      CStampSizes sizes;
      PrepareSegmentSizes(sizes, i, kind, 1, 0);
      if (gDrawState.m_nLiveLineMode == kLiveLinePlain) {
        DrawPlainLiveLine(dc, from, to);
      } else if (m_bOffscreen) {
        StampSegment(dc, from.x, from.y, dx, dy, sizes, m_dcBrush, m_dcBack, 0, 1, rec, 1);
      }
    }
  }
  doc->m_bLiveDrawn = 1;
  if (m_nIndex == 0 || m_nIndex == 1) gInkModes[size_t(m_nIndex)] = kInkMerge;
  gLiveStroke.sheetShown = 0;
  gLiveStroke.inkPen = 0;
}

void CTmbView::DrawPlainLiveLine(tmb::DeviceContext& dc, tmb::Point from, tmb::Point to) {
  // Shown ink keeps its pen's colour in this mode too.
  const tmb::Colour colour = gLiveStroke.inkPen ? gLiveStroke.inkColour : tmb::Colour(0x000000);
  const tmb::Pen pen = tmb::Pen::Solid(kPlainLiveLineWidth, colour);
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  auto line = [&](tmb::DeviceContext& target, tmb::Point shift) {
    const tmb::Pen oldPen = target.SelectPen(pen);
    const tmb::Brush oldBrush = target.SelectBrush(tmb::Brush::Null());
    target.MoveTo(from.x + shift.x, from.y + shift.y);
    target.LineTo(to.x + shift.x, to.y + shift.y);
    target.SelectBrush(oldBrush);
    target.SelectPen(oldPen);
  };
  if (m_bOffscreen) line(m_dcBack, {0, 0});
  line(dc, o);
}

int CTmbView::StampCharacterPoints(tmb::DeviceContext& dc) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return 0;
  CCharDataFull& rec = doc->m_char;
  ClearWritingArea(dc, 1);
  OffscreenScope offscreen(*this, dc);
  if (!m_bOffscreen) return 1;
  rec.CopySettingsToWork(LiveStrokeWork());
  const int n = rec.m_nPoints;
  for (int i = 0; i < n; ++i) {
    const bool end = rec.IsStrokeEnd(i);
    const int kind = rec.m_pFlags[i] == CStrokePath::kFlagStart ? kSegmentFirst : end ? kSegmentLast : kSegmentInside;
    const tmb::Point p = rec.m_pPoints[i];
    const tmb::Point next = end ? p : rec.m_pPoints[i + 1];
    CPointRecord point;
    point.v[1] = static_cast<float>(rec.m_pPressure[i]);
    rec.m_pLevels[i] = static_cast<int8_t>(
        StrokeWidthAt(float(next.x - p.x), float(next.y - p.y), kind, kind == kSegmentLast, point));
    CStampSizes sizes;
    PrepareSegmentSizes(sizes, i, kind, 0, n);
    if (!end) StampSegment(dc, p.x, p.y, next.x - p.x, next.y - p.y, sizes, m_dcBrush, m_dcBack, 0, 0, rec, 0);
  }
  return 1;
}

int CTmbView::StampSegment(tmb::DeviceContext& dc, int x0, int y0, int dx, int dy, const CStampSizes& sizes,
                           tmb::DeviceContext& brushDC, tmb::DeviceContext& backDC, int gradient, int endFlag,
                           const CCharData& rec, int live) {
  // Along the longer axis, one stamp per pixel.
  const bool upright = std::abs(dx) < std::abs(dy);
  const int major = upright ? dy : dx;
  const int minor = upright ? dx : dy;
  const int step = major < 0 ? -1 : 1;
  const int mode = StampModeOf(rec);
  if (m_pBrushState) brushDC.SelectSurface(&m_pBrushState->m_brushSet);
  if (rec.m_param[kParamStyle] >= kFineStampStyle) m_nStampCount = 0;
  int first = sizes.start;
  for (int t = 0; t != major; t += step) {
    int size = 0;
    if (gradient == 0) {
      size = InterpolateStampSize(t, major, minor, sizes, &gLiveStroke.up, &gLiveStroke.down);
    } else {
      const int span = m_gradientValues[2] != 0 ? m_gradientValues[2] : std::abs(major);
      const int at = GradientPosition(std::abs(t), m_gradientValues[0], m_gradientValues[1], span, gradient);
      size = std::clamp(at, std::min(rec.PickSetting(gradient != kGradientEnds ? 1 : 0), kLargestStamp), kLargestStamp);
    }
    if (t == 0) first = size;
    if (t + step == major) gLiveStroke.lastStampSize = size;
    gLiveStroke.runningSize = size;
    int column = 0;
    PickStampColumn(&column, major, endFlag, m_nStampCount);
    const int along = t;
    const int across = static_cast<int>(int64_t{minor} * std::abs(t) / std::abs(major));
    const int x = x0 + (upright ? across : along);
    const int y = y0 + (upright ? along : across);
    StampCell(dc, brushDC, backDC, x, y, size, column, mode, rec, live);
    if (gLiveStroke.drawTwice) StampCell(dc, brushDC, backDC, x, y, size, column, mode, rec, live);
    ++m_nStampCount;
    ++gLiveStroke.stampCount;
  }
  return first;
}

void CTmbView::StampCell(tmb::DeviceContext& dc, tmb::DeviceContext& brushDC, tmb::DeviceContext& backDC, int x,
                         int y, int size, int column, int mode, const CCharData& rec, int live) {
  if (!m_pBrushState) return;
  const bool fine = rec.m_param[kParamStyle] >= kFineStampStyle;
  const int s = std::clamp(size, fine ? 1 : 2, kLargestStamp);
  const int extent = fine && s <= kLargestStamp - 1 ? s + 1 : s;
  column = std::clamp(column, 0, kStampColumns - 1);
  const CRegistrationPanel& panel = gDrawState.m_toolPanel;
  const tmb::Surface& picture = m_pBrushState->m_bitmap;
  const tmb::Rect bounds = panel.m_bShown ? panel.m_rcWriting : tmb::Rect{0, 0, picture.width(), picture.height()};
  const CStampBlock block = ClipStamp(x, y, extent, bounds);

  // A live stamp goes to the window; where the window may not show it, or where the
  // stroke will not be merged from the window, it goes to the back buffer as well.
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  bool toWindow = false;
  if (live) {
    if (!gLiveStroke.drawTwice) {
      const bool hidden = !m_rcVisible.Contains({x + o.x, y + o.y}) ||
                          !m_rcVisible.Contains({x + o.x + kStampCell, y + o.y + kStampCell});
      if (hidden || gLiveStroke.sheetShown) gLiveStroke.drawTwice = 1;
      toWindow = true;
    } else {
      gLiveStroke.drawTwice = 0;
    }
  }
  if (block.width == 0 || block.height == 0) return;
  tmb::DeviceContext& target = toWindow ? dc : backDC;
  const int tx = block.x + (toWindow ? o.x : 0);
  const int ty = block.y + (toWindow ? o.y : 0);
  const int sx = kStampCell * column + block.offsetX;
  const int sy = kStampCell * s + block.offsetY;
  const auto blit = [&](tmb::Surface* cells, uint32_t rop) {
    brushDC.SelectSurface(cells);
    target.BitBlt(tx, ty, block.width, block.height, &brushDC, sx, sy, rop);
  };
  // The ink pen's colour where the cell has ink: paper and (pen or cell). The set of a
  // colour line mode holds the line's own colour, so there the pen takes the set's ink
  // mask, black where the set has ink.
  const bool inkPen = live && gLiveStroke.inkPen;
  const tmb::Brush oldBrush = inkPen ? target.SelectBrush(tmb::Brush::Solid(gLiveStroke.inkColour)) : tmb::Brush{};
  const uint32_t dark = inkPen ? kPaperAndPenOrCell : tmb::kSrcAnd;
  const bool colourSet = mode == kStampColour || mode == kStampOnWhite;
  tmb::Surface* cells = inkPen && colourSet ? &m_pBrushState->m_mask2 : &m_pBrushState->m_brushSet;
  switch (mode) {
    case kStampBlack:
      blit(&m_pBrushState->m_mask2, dark);
      break;
    case kStampColour:
      blit(&m_pBrushState->m_mask1, tmb::kSrcPaint);
      blit(cells, dark);
      break;
    default:
      blit(cells, dark);
      break;
  }
  if (inkPen) target.SelectBrush(oldBrush);
  brushDC.SelectSurface(&m_pBrushState->m_brushSet);
}
