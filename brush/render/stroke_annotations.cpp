#include "brush/render/stroke_annotations.h"

#include "core/record/char_data.h"

namespace {

constexpr int kKindEmphasis = 101;
constexpr tmb::Colour kEmphasis = 0xFF8000;
constexpr tmb::Colour kRed = 0x0000FF;
constexpr int kMarkRadius = 3;

}  // namespace

void DrawStrokeAnnotations(tmb::DeviceContext* pDC, const CCharData& work, int kind, int stroke) {
  if (!pDC || stroke < 0) return;
  // The stroke's points: from its start flag to the point before the next one.
  int first = -1, count = 0;
  for (int i = 0, n = -1; i < work.m_nPoints; ++i) {
    if (i == 0 || work.m_pFlags[i] == 1) ++n;
    if (n == stroke) {
      if (first < 0) first = i;
      ++count;
    } else if (n > stroke) {
      break;
    }
  }
  if (first < 0) return;
  const tmb::Pen segment = kind == kKindEmphasis ? tmb::Pen::Solid(kAnnotationWidths[3], kEmphasis)
                                                 : tmb::Pen::Solid(kAnnotationWidths[0], 0x000000);
  const tmb::Pen oldPen = pDC->SelectPen(segment);
  const tmb::Brush oldBrush = pDC->SelectBrush(tmb::Brush::Null());
  const tmb::Point* p = work.m_pPoints.get() + first;
  pDC->MoveTo(p[0].x, p[0].y);
  for (int i = 1; i < count; ++i) pDC->LineTo(p[i].x, p[i].y);
  if (kind == 2 || kind == 4) {
    pDC->SelectPen(tmb::Pen::Solid(2, kRed));
    for (int i = 0; i < count; ++i) {
      pDC->Ellipse(p[i].x - kMarkRadius, p[i].y - kMarkRadius, p[i].x + kMarkRadius + 1, p[i].y + kMarkRadius + 1);
    }
  }
  pDC->SelectBrush(oldBrush);
  pDC->SelectPen(oldPen);
}
