// Outline contours painted into a device context: curved runs flattened, each contour
// drawn as its outline or filled as one polygon by its flag, and collected as integer
// points on request.
#include <algorithm>
#include <optional>
#include <vector>

#include "core/canvas/saved_tools.h"
#include "core/canvas/work_canvas.h"
#include "core/path/curve_runs.h"
#include "core/path/division_selection.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_work.h"

namespace {

tmb::Point Scaled(const CFPoint& p, float scale) { return (p * scale).RoundToPoint(); }

// Whether the contour ending at point last is drawn under the division selection of the
// morph correspondence.
bool InSelectedDivision(int last) {
  const DivisionSelection& selection = CurrentDivisionSelection();
  const int mode = selection.ActiveMode();
  if (mode != 1 && mode != 2) return true;
  int lo = 0, hi = 0;
  selection.GetCurrentRange(lo, hi);
  return mode == 1 ? last >= lo && last < hi : last >= hi;
}

}  // namespace

int CStrokeWork::BuildStrokePolygon(int i, int strokeStart, std::vector<CFPoint>& out, int mode,
                                    tmb::DeviceContext* pDC, tmb::Colour colour, float scale,
                                    CStrokePath* sidePath) const {
  const int last = FindStrokeEnd(i);
  if (i >= last || m_pAttrs[i + 1] != kAttrSkip) {
    if (mode == 1 && pDC && i < last) {
      SavedTools saved(pDC);
      pDC->SelectPen(tmb::Pen::Solid(1, colour));
      const tmb::Point a = Scaled(m_pPoints[i], scale), b = Scaled(m_pPoints[i + 1], scale);
      pDC->MoveTo(a.x, a.y);
      pDC->LineTo(b.x, b.y);
    }
    if (mode == -1 && sidePath && i < last) {
      sidePath->AppendFlagged(*this, i, kFlagStart);
      sidePath->AppendFlagged(*this, i + 1, kFlagContinue);
    }
    out.push_back(m_pPoints[i]);
    return i + 1;
  }

  // The run: point i, its control points, and the next point on the curve, which is the
  // stroke's first point when the control points reach the stroke's end.
  std::vector<CFPoint> run{m_pPoints[i]};
  int j = i + 1;
  while (j < last && m_pAttrs[j] == kAttrSkip) run.push_back(m_pPoints[j++]);
  run.push_back(m_pPoints[j]);
  if (m_pAttrs[j] == kAttrSkip) run.push_back(m_pPoints[strokeStart]);
  std::vector<CFPoint> flat;
  FlattenCurveRun(run, flat);
  for (const CFPoint& p : flat) {
    out.push_back(p);
    if ((mode == 1 || mode == 5) && pDC) {
      const tmb::Point q = Scaled(p, scale);
      pDC->SetPixel(q.x, q.y, colour);
    }
  }
  return j;
}

void CStrokeWork::FillOutlines(tmb::DeviceContext* pDC, tmb::Colour colour, int mode, int keepBackground,
                               CStrokePath* outPath, float scale, int invert) {
  tmb::DeviceContext* dc = mode != 0 ? pDC : nullptr;
  std::optional<SavedTools> saved;
  int oldFill = tmb::kWinding;
  if (dc) {
    saved.emplace(dc);
    if (!keepBackground) {
      // The paper, and at a scale above 1 the paper at the drawing's scale, so that no
      // earlier picture shows beside the drawing.
      const CFPoint paper(float(gWorkCanvas.m_width), float(gWorkCanvas.m_height));
      const tmb::Point size = (paper * std::max(scale, 1.0f)).RoundToPoint();
      dc->FillRect({0, 0, size.x, size.y}, tmb::Brush::Solid(0xFFFFFF));
    }
    oldFill = dc->SetPolyFillMode(tmb::kWinding);
    dc->SelectBrush(tmb::Brush::Solid(colour));
    dc->SelectPen(tmb::Pen::Solid(1, colour));
  }
  if (mode == 3 || mode == 7) CollectStrokeOutlines(invert);

  std::vector<CFPoint> contour;
  std::vector<tmb::Point> polygon;
  for (int s = 0, k = 0; s < m_nCount; ++k) {
    const int last = FindStrokeEnd(s);
    contour.clear();
    for (int i = s; i < last;) i = BuildStrokePolygon(i, s, contour, mode, dc, colour, scale);
    const int first = s;
    s = last + 1;
    if (mode == 5 || !InSelectedDivision(last)) continue;
    // A last point that is a control point was used by the run that closes the contour
    // through the first point: added again, the contour would run out to it in a spike.
    if (m_pAttrs[last] != kAttrSkip || first == last) contour.push_back(m_pPoints[last]);
    polygon.clear();
    for (const CFPoint& p : contour) polygon.push_back(Scaled(p, scale));
    if (dc && mode == 1) {
      dc->MoveTo(polygon.back().x, polygon.back().y);
      dc->LineTo(polygon.front().x, polygon.front().y);
    } else if (dc && mode >= 2) {
      const int flag = static_cast<int8_t>(m_pStrokeMarks ? m_pStrokeMarks->GetMark(k) : 0);
      dc->SelectBrush(tmb::Brush::Solid(flag == 0 ? colour : 0xFFFFFF));
      dc->SelectPen(tmb::Pen::Solid(1, flag == -1 ? 0xFFFFFF : colour));
      dc->Polygon(polygon);
    }
    if (outPath) {
      for (size_t q = 0; q < polygon.size(); ++q) outPath->AppendPoint(polygon[q].x, polygon[q].y, q == 0 ? 1 : 0);
    }
  }
  if (dc) dc->SetPolyFillMode(oldFill);
}

void CStrokeWork::FillOutlinesInto(tmb::DeviceContext* pDC, tmb::Surface* pBitmap, tmb::Colour colour, int mode,
                                   int keepBackground, CStrokePath* outPath, float scale, int invert) {
  if (!pBitmap) return;
  tmb::DeviceContext dc = tmb::DeviceContext::CompatibleWith(pDC);
  dc.SelectSurface(pBitmap);
  FillOutlines(&dc, colour, mode, keepBackground, outPath, scale, invert);
}
