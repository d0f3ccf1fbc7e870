// The effects' sample of card turning: every character cell of the picture squeezed about
// its middle as a card turning over, drawn through the canvas's colour bitmap.
#include <cmath>
#include <cstdlib>

#include "core/canvas/work_canvas.h"
#include "core/geometry/cell_grid.h"
#include "core/record/char_data.h"
#include "core/state/draw_state.h"
#include "imageedit/editor/bmp_view.h"
#include "platform/gdi/raster_ops.h"

namespace {

constexpr double kPi = 3.1415926536;
// A turned cell never gets thinner than this.
constexpr int kMinFlipSide = 8;

// The side of a cell at factor s: its place from the cell's start and its signed extent
// (negative: mirrored, drawn from the far edge).
void FlipSide(double s, int side, int& offset, int& extent) {
  const int squeezed = std::max(kMinFlipSide, int(std::trunc(std::abs(s) * side)));
  offset = (side - squeezed) / 2;
  extent = squeezed;
  if (s < 0) {
    offset += squeezed;
    extent = -squeezed;
  }
}

}  // namespace

void CBmpView::DrawFlipSample(int cellWidth, int cellHeight, const tmb::Rect& clip, int phase, int direction,
                              int both) {
  CCharData* record = m_pHost->WindowRecord(kKindCurrentDraw, 0);
  CWorkBitmap& sample = gWorkCanvas.m_colorBitmap;
  if (!record || sample.IsNull() || m_bmpWork.IsNull()) return;
  record->DrawGuideLines(gWorkCanvas.m_width, gWorkCanvas.m_height, nullptr);
  const CCellGrid& grid = record->m_cellGrid;
  sample.Fill(BackgroundColour());
  tmb::DeviceContext to(&sample);
  tmb::DeviceContext from(&m_bmpWork);
  const double s = std::sin(phase * kPi / 200);
  const int cells = grid.IsEmpty() ? 0 : grid.m_nColumns * grid.m_nRows;
  for (int n = 0; n < cells; ++n) {
    const tmb::Rect cell = grid.CellRect(n);
    if (cell.right <= clip.left || cell.left >= clip.right || cell.bottom <= clip.top || cell.top >= clip.bottom) {
      continue;
    }
    int x = 0, w = cellWidth, y = 0, h = cellHeight;
    if (direction == 0 || both) FlipSide(s, cellHeight, y, h);
    if (direction == 1 || both) FlipSide(s, cellWidth, x, w);
    to.StretchBlt(cell.left + x, cell.top + y, w, h, &from, cell.left, cell.top, cellWidth, cellHeight, tmb::kSrcCopy);
  }
  tmb::DeviceContext dc;
  m_pHost->PrepareClientDC(dc);
  if (dc.surface()) {
    const tmb::Point o = gDrawState.m_ptCanvasOrigin;
    dc.BitBlt(o.x + clip.left, o.y + clip.top, clip.Width(), clip.Height(), &to, clip.left, clip.top, tmb::kSrcCopy);
  }
  m_pHost->ShowDrawn();
}
