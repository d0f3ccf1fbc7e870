// The brush-shapes pass: one stroke of the converted character becomes the closed outline
// a slanted brush writes, which is rendered by the drawing mode and collected in the path
// sequence for the outline merge and the export.
#include "brush/render/brush_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "brush/render/sequence_capacity.h"
#include "brush/render/supersampled_render.h"
#include "convert/analysis/staged_smoothing.h"
#include "convert/analysis/stroke_shapes.h"
#include "convert/driver/marker_list.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/path/point_index_list.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path_ex.h"
#include "core/path/stroke_work.h"

int gPlotShapePoints = 0;

namespace {

constexpr int kWidth = 3;
constexpr int kFlyingWhite = 5;
constexpr int kNoScaledStrokes = 351;
constexpr int kFirstInPath = 3;  // the first stroke of a drawing opens a picture of the sequence
constexpr int kLaterInPath = 1;
constexpr int kStyleStrokePicture = 0;
constexpr int kStyleShapesOnly = 3;
constexpr int kModeAdded = 2;
constexpr int kModeWhole = 0;
const double kShortReach = std::sqrt(0.75 / 2);
constexpr double kSizeScale = 100 * 1.5;
constexpr int kPlotShift = 25;

int gPlotRound = 0;  // the calls of PlotShapePoints since round 0

// The stroke-mark bytes of path emptied, its first stroke's mark 0 (filled); the marks as a
// selection.
std::span<const uint8_t> FirstStrokeFilled(CStrokePath& path) {
  if (!path.EnsureAuxBuffer(0)) return {};
  path.m_pStrokeMarks->m_pBytes[0] = 0;
  return {path.m_pStrokeMarks->m_pBytes, size_t(path.m_pStrokeMarks->m_nSize)};
}

}  // namespace

int StraightenShortStroke(CStrokePathEx& shape, int v, float length) {
  const int n = shape.GetCount();
  if (n == 0) return 0;
  CFPoint* p = shape.m_pPoints;
  const double reach = v * kShortReach;
  double dx = double(p[n - 1].x) - p[0].x, dy = double(p[n - 1].y) - p[0].y;
  const double d2 = dx * dx + dy * dy;
  const double chord = std::sqrt(d2);
  if (d2 != 0 && 2 * reach * reach > d2) {
    dx = reach * dx / chord;
    dy = reach * dy / chord;
  }
  // A single point has no line to be spread along: it stays where it is.
  for (int j = 1; j < n; ++j) {
    p[j] = CFPoint(float(p[0].x + dx * j / (n - 1)), float(p[0].y + dy * j / (n - 1)));
  }
  double m = std::max(double(length), chord);
  if (m <= 1.0) m = 1.0;
  return int(std::clamp(std::trunc(v / m * kSizeScale), double(INT32_MIN), double(INT32_MAX)));
}

int DrawBrushShapes(CStrokeWork& centre, const CStrokePathEx& shape, tmb::DeviceContext* pDC, tmb::Surface* target,
                    const tmb::Rect& rect, const ParamBlock& settings, int round) {
  if (!target) return 1;
  tmb::DeviceContext dc = tmb::DeviceContext::CompatibleWith(pDC);
  dc.SelectSurface(target);
  dc.FillSolidRect(rect, 0xFFFFFF);
  if (gPlotShapePoints) {
    const tmb::Pen old = dc.SelectPen(tmb::Pen::Solid(1, 0x000000));
    PlotShapePoints(shape, &dc, round);
    dc.SelectPen(old);
  } else {
    shape.m_pOutline->FillStrokes(&dc, 0x000000, 0, FirstStrokeFilled(*shape.m_pOutline), 1);
  }
  centre.DrawCharacterStrokes(&dc, rect, settings[kFlyingWhite]);
  return 1;
}

void PlotShapePoints(const CStrokePathEx& shape, tmb::DeviceContext* dc, int round) {
  gPlotRound = round == 0 ? 1 : gPlotRound + 1;
  const int shift = kPlotShift * gPlotRound;
  auto plot = [dc](const CFPoint& p, int dx) {
    const tmb::Point q = p.RoundToPoint();
    dc->SetPixel(q.x + dx, q.y, 0x000000);
  };
  const CStrokePath& outline = *shape.m_pOutline;
  for (int i = 0; i < outline.GetCount(); ++i) plot(outline.m_pPoints[i], shift);
  for (int i = 0; i < shape.GetCount(); ++i) plot(shape.m_pPoints[i], shift);
  for (int i = 0; i < shape.GetCount(); ++i) {
    if (shape.IsSectionLast(i)) continue;
    plot(shape.m_pPoints[i], 0);
    if (i % 2 != 0) continue;
    const tmb::Point c = shape.m_pPoints[i].RoundToPoint();
    for (const CFPoint& side : {shape.m_pSide1[i], shape.m_pSide2[i]}) {
      const tmb::Point s = side.RoundToPoint();
      dc->MoveTo(c.x, c.y);
      dc->LineTo(s.x, s.y);
    }
  }
}

int CStrokeWork::RenderBrushShapes(tmb::DeviceContext* pDC, int from, int to, int fullMode,
                                   std::span<const int> levels, int style, tmb::Surface* target) {
  gMarkers.EnablePosting(0);
  to = std::min({to, m_nCount, from + int(levels.size())});
  if (from < 0 || from >= to) return 1;
  const int n = to - from;

  // The stroke's centre points, each side half its level away; room for an outline of two
  // points per point.
  CStrokePathEx shape(2 * n + 2);
  shape.CopyRangeFrom(*this, from, to);
  if (shape.m_pFlags[0] == 0) shape.m_pFlags[0] = kFlagStart;  // a stroke drawn from its middle
  if (!shape.AllocWeights()) return 1;
  for (int k = 0; k < n; ++k) shape.m_pWeight1[k] = shape.m_pWeight2[k] = float(levels[size_t(k)] / 2);

  // A stroke shorter than the width setting is written as an even line.
  const int v = m_param[kWidth];
  const float length = shape.PathLength(0, n - 1, 1);
  const int size = length < float(v) ? StraightenShortStroke(shape, v, length) : 0;

  // The anchors of an outline of 2n points never outnumber its records (2n) and two ends.
  CPointIndexList anchors(2 * n + 2);
  AnalyseStrokeShapes(shape, anchors, m_param, size != 0 ? 1 : 0);
  CStrokePath& outline = *shape.m_pOutline;
  SmoothContoursInStages(outline, anchors, m_param, size);

  if (style != kStyleShapesOnly) {
    CWorkCanvas& canvas = gWorkCanvas;
    if (style == kStyleStrokePicture) {
      CStrokeWork centre(n);
      centre.CopyRangeFrom(*this, from, to);
      DrawBrushShapes(centre, shape, pDC, &canvas.m_maskBitmaps[2], canvas.m_rect, m_param, from);
    } else if (m_param[kNoScaledStrokes] == 0) {
      RenderPathToBitmap(outline, pDC, target, fullMode ? kModeWhole : kModeAdded, m_param,
                         tmb::PlainColour(tmb::Colour(m_rangeFrom)));
    }
  }

  if (CStrokePath* sequence = gPathSequence.m_pPath) {
    FirstStrokeFilled(outline);
    if (sequence->AppendSelectedStrokes(outline, from > 0 ? kLaterInPath : kFirstInPath) < 0) ReportSequenceFull();
  }
  gMarkers.EnablePosting(0);
  return 1;
}
