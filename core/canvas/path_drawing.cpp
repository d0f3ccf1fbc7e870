// Point paths drawn as lines and filled polygons, and the side lines of a path with side
// points.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/canvas/path_pens.h"
#include "core/canvas/saved_tools.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_path_ex.h"

namespace {

void Line(tmb::DeviceContext* pDC, const CFPoint& a, const CFPoint& b) {
  const tmb::Point p = a.RoundToPoint();
  const tmb::Point q = b.RoundToPoint();
  pDC->MoveTo(p.x, p.y);
  pDC->LineTo(q.x, q.y);
}

tmb::Pen OnePixel(tmb::Colour colour) { return tmb::Pen::Solid(1, colour); }

// Each channel of colour at percent.
tmb::Colour Dimmed(tmb::Colour colour, int percent) {
  return tmb::MakeRgb(tmb::RedOf(colour) * percent / 100, tmb::GreenOf(colour) * percent / 100,
                      tmb::BlueOf(colour) * percent / 100);
}

}  // namespace

void CStrokePath::DrawLines(tmb::DeviceContext* pDC, tmb::Colour colour, int mode, int markRadius) const {
  DrawRange(pDC, colour, mode, 0, m_nCount, markRadius);
}

void CStrokePath::DrawRange(tmb::DeviceContext* pDC, tmb::Colour colour, int mode, int first, int last,
                            int markRadius) const {
  if (!pDC) return;
  if (first > last) std::swap(first, last);
  first = std::max(first, 0);
  last = std::min(last, m_nCount);
  SavedTools saved(pDC);
  pDC->SelectPen(OnePixel(colour));
  const bool shaded = std::abs(mode) == 2;
  const bool coloured = mode == -1 || std::abs(mode) == 4;
  int strokes = 0;
  int strokeFirst = first;
  for (int i = first; i < last; ++i) {
    if (m_pFlags[i] != 0) {
      strokeFirst = i;
      ++strokes;
      if (shaded) pDC->SelectPen(OnePixel(strokes <= 4 ? tmb::MakeRgb((strokes - 1) * 64, 0, 0) : 0x000000));
      if (coloured) {
        const tmb::Pen pen = OnePixel(CyclePathColour(strokes - 1, 1));
        pDC->SelectPen(pen);
        if (markRadius != 0) {
          const tmb::Point p = m_pPoints[i].RoundToPoint();
          DrawCircleMark(pDC, p.x, p.y, markRadius, pen);
        }
      }
    }
    if (!IsStrokeLast(i)) {
      Line(pDC, m_pPoints[i], m_pPoints[i + 1]);
    } else if (mode >= 0) {
      Line(pDC, m_pPoints[i], m_pPoints[strokeFirst]);
    }
  }
}

void CStrokePath::DrawSegment(tmb::DeviceContext* pDC, int i, int j, tmb::Colour colour) const {
  if (!pDC || i < 0 || j < 0 || i >= m_nCount || j >= m_nCount) return;
  SavedTools saved(pDC);
  pDC->SelectPen(OnePixel(colour));
  Line(pDC, m_pPoints[i], m_pPoints[j]);
}

void CStrokePath::DrawNextSegment(tmb::DeviceContext* pDC, int i, tmb::Colour colour) const {
  DrawSegment(pDC, i, i + 1, colour);
}

void CStrokePath::FillStrokes(tmb::DeviceContext* pDC, tmb::Colour colour, int mode,
                              std::span<const uint8_t> selection, int useSelection) const {
  if (!pDC) return;
  auto selected = [&selection](int stroke) { return size_t(stroke) < selection.size() && selection[size_t(stroke)]; };
  bool counts = false;
  if (useSelection) {
    int stroke = 0;
    for (int i = 0; i < m_nCount && !counts; ++i) {
      counts = selected(stroke);
      if (IsStrokeLast(i)) ++stroke;
    }
  }

  // With a counting selection the strokes go onto a white picture of the scaled paper,
  // ANDed into pDC at the end with the ink in colour. The canvas's scaled mask serves
  // unless it is pDC's own picture, which the white fill would wipe out.
  const tmb::Rect scaled{0, 0, gWorkCanvas.m_scaledWidth, gWorkCanvas.m_scaledHeight};
  tmb::Surface own;
  tmb::DeviceContext off = tmb::DeviceContext::CompatibleWith(pDC);
  tmb::DeviceContext* dc = pDC;
  if (counts) {
    tmb::Surface* picture = &gWorkCanvas.m_scaledMaskBitmap;
    if (picture->IsNull() || picture == pDC->surface()) {
      picture = own.Create(scaled.right, scaled.bottom, tmb::PixelFormat::kMono1) ? &own : nullptr;
    }
    if (picture) {
      off.SelectSurface(picture);
      off.FillRect(scaled, tmb::Brush::Solid(0xFFFFFF));
      dc = &off;
    }
  }

  // On the one-bit picture the ink is black, and becomes colour as it is ANDed in.
  const tmb::Colour ink = dc == &off ? 0x000000 : colour;
  SavedTools saved(dc);
  const int oldFill = dc->SetPolyFillMode(tmb::kWinding);
  dc->SelectPen(OnePixel(ink));
  std::vector<tmb::Point> polygon;
  int stroke = 0;
  for (int i = 0; i < m_nCount; ++i) {
    polygon.push_back(m_pPoints[i].RoundToPoint());
    if (!IsStrokeLast(i)) continue;
    bool solid = mode == 1 || (!selection.empty() && !selected(stroke));
    if (mode == 2) solid = false;
    dc->SelectBrush(tmb::Brush::Solid(solid ? ink : 0xFFFFFF));
    dc->Polygon(polygon);
    polygon.clear();
    ++stroke;
  }
  dc->SetPolyFillMode(oldFill);

  if (dc == &off) {
    const tmb::Colour oldText = pDC->SetTextColour(colour);
    pDC->BitBlt(0, 0, scaled.right, scaled.bottom, &off, 0, 0, tmb::kSrcAnd);
    pDC->SetTextColour(oldText);
  }
}

void CStrokePathEx::DrawSideLines(tmb::DeviceContext* pDC, tmb::Colour colourA, tmb::Colour colourB,
                                  int givenColours) const {
  if (!pDC) return;
  SavedTools saved(pDC);
  for (int pass = 0; pass < 2; ++pass) {
    const CFPoint* sides = pass == 0 ? m_pSide1 : m_pSide2;
    if (givenColours) pDC->SelectPen(OnePixel(pass == 0 ? colourA : colourB));
    int stroke = 0;
    for (int i = 0; i < m_nCount; ++i) {
      if (!givenColours && (i == 0 || m_pFlags[i] != 0)) {
        const tmb::Colour c = CyclePathColour(stroke++, 1);
        pDC->SelectPen(OnePixel(pass == 0 ? c : Dimmed(c, 70)));
      }
      Line(pDC, m_pPoints[i], sides[i]);
    }
  }
}
