// The point markers of a path (the kind of every point at a glance) and its points as
// single pixels.
#include "core/canvas/path_pens.h"
#include "core/canvas/saved_tools.h"
#include "core/path/stroke_path.h"

namespace {

// The look of the marks of one painting: the square's colour and, for attributes 2 and
// 3, the circle's radius and pen number.
struct MarkStyle {
  tmb::Colour square;
  int radius2, pen2;
  int radius3, pen3;
};

void DrawMarks(const CStrokePath& path, tmb::DeviceContext* pDC, const MarkStyle& style) {
  if (!pDC) return;
  SavedTools saved(pDC);
  pDC->SelectPen(PathPen(6));
  for (int i = 0; i < path.m_nCount; ++i) {
    const tmb::Point p = path.m_pPoints[i].RoundToPoint();
    switch (path.m_pAttrs[i]) {
      case 0:
      case 1: FillSquareMark(pDC, p.x, p.y, 4, style.square); break;
      case 2: DrawCircleMark(pDC, p.x, p.y, style.radius2, PathPen(style.pen2)); break;
      case 3: DrawCircleMark(pDC, p.x, p.y, style.radius3, PathPen(style.pen3)); break;
      default: break;
    }
  }
}

}  // namespace

void CStrokePath::DrawPointMarks(tmb::DeviceContext* pDC) const { DrawMarks(*this, pDC, {0xE0A000, 5, 6, 2, 8}); }

void CStrokePath::DrawPointMarksAlt(tmb::DeviceContext* pDC) const {
  DrawMarks(*this, pDC, {0xE0C000, 2, 6, 3, 1});
}

void CStrokePath::DrawPointPixels(tmb::DeviceContext* pDC, tmb::Colour colour, tmb::Colour alternateColour) const {
  if (!pDC) return;
  int strokeFirst = 0;
  for (int i = 0; i < m_nCount; ++i) {
    const tmb::Point p = m_pPoints[i].RoundToPoint();
    if (m_pFlags[i] != 0) {
      strokeFirst = i;
      pDC->SetPixel(p.x, p.y, 0x00FFFF);
    } else {
      pDC->SetPixel(p.x, p.y, alternateColour != 0 && (i & 1) ? alternateColour : colour);
    }
    if (IsStrokeLast(i)) {
      const tmb::Point f = m_pPoints[strokeFirst].RoundToPoint();
      pDC->SetPixel(f.x, f.y, 0xFFFF00);
      pDC->SetPixel(p.x, p.y, 0x000080);
    }
  }
}
