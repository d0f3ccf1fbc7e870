#include "core/canvas/path_pens.h"

const std::array<tmb::Pen, 8> gPathPens = {
    tmb::Pen::Solid(0, 0xFF00FF), tmb::Pen::Solid(0, 0x000000), tmb::Pen::Solid(0, 0x00C000),
    tmb::Pen::Solid(0, 0xFF00FF), tmb::Pen::Solid(0, 0x00FFFF), tmb::Pen::Solid(0, 0x0000C0),
    tmb::Pen::Solid(0, 0xFF0000), tmb::Pen::Solid(0, 0x00A0E0),
};

const tmb::Pen& PathPen(int n) { return gPathPens[size_t(n - 1)]; }

tmb::Colour CyclePathColour(int index, int alternative) {
  static constexpr tmb::Colour kColours[2][3] = {{0xFF0000, 0x00FF00, 0xFFFF00}, {0x0000FF, 0x00FF00, 0x00FFFF}};
  return kColours[alternative ? 1 : 0][((index % 3) + 3) % 3];
}

void FillSquareMark(tmb::DeviceContext* pDC, int x, int y, int r, tmb::Colour colour) {
  pDC->FillRect({x - r, y - r, x + r, y + r}, tmb::Brush::Solid(colour));
}

void DrawCircleMark(tmb::DeviceContext* pDC, int x, int y, int r, const tmb::Pen& pen) {
  const tmb::Pen old = pDC->SelectPen(pen);
  pDC->Ellipse(x - r, y - r, x + r, y + r);
  pDC->SelectPen(old);
}
