// A made-up character of 20 thick strokes for the benchmarks: the outlines of curved
// bands of varying width on the 500 x 750 paper at four times its size, and their
// rendering the way the paper shows a character (filled large, reduced by averaging).
// Deterministic; header-only.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/gdi/device_context.h"

namespace tmb::test {

inline constexpr int kOutlineStrokes = 20;
inline constexpr int kOutlineScale = 4;

// The outlines of a 20-stroke character on the 500 x 750 paper, scaled by 4: each stroke
// a curved band of varying width closed by round ends, about 130 points.
inline std::vector<std::vector<tmb::Point>> CharacterOutlines() {
  std::vector<std::vector<tmb::Point>> strokes;
  uint32_t seed = 12345;
  auto next = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return double((seed >> 8) & 0xFFFF) / 65535.0;
  };
  for (int s = 0; s < kOutlineStrokes; ++s) {
    const double x0 = 60 + next() * 380, y0 = 60 + next() * 630;
    const double angle = next() * 6.2832, length = 80 + next() * 220, bend = (next() - 0.5) * 1.5;
    std::vector<double> cx, cy, w;
    const int n = 30;
    for (int i = 0; i <= n; ++i) {
      const double t = double(i) / n;
      const double a = angle + bend * t;
      cx.push_back(x0 + std::cos(a) * length * t);
      cy.push_back(y0 + std::sin(a) * length * t);
      w.push_back(8 + 14 * std::sin(3.1416 * t) + 4 * next());
    }
    std::vector<tmb::Point> outline;
    auto add = [&outline](double x, double y) {
      outline.push_back({int(std::lround(x * kOutlineScale)), int(std::lround(y * kOutlineScale))});
    };
    for (int i = 0; i <= n; ++i) {
      const double a = angle + bend * double(i) / n + 1.5708;
      add(cx[size_t(i)] + std::cos(a) * w[size_t(i)], cy[size_t(i)] + std::sin(a) * w[size_t(i)]);
    }
    for (int k = 1; k < 16; ++k) {  // round end
      const double a = angle + bend + 1.5708 - 3.1416 * k / 16;
      add(cx[n] + std::cos(a) * w[n], cy[n] + std::sin(a) * w[n]);
    }
    for (int i = n; i >= 0; --i) {
      const double a = angle + bend * double(i) / n - 1.5708;
      add(cx[size_t(i)] + std::cos(a) * w[size_t(i)], cy[size_t(i)] + std::sin(a) * w[size_t(i)]);
    }
    for (int k = 1; k < 16; ++k) {  // round start
      const double a = angle - 1.5708 - 3.1416 * k / 16;
      add(cx[0] + std::cos(a) * w[0], cy[0] + std::sin(a) * w[0]);
    }
    strokes.push_back(std::move(outline));
  }
  return strokes;
}

// Clears the work bitmap, fills every stroke as a black polygon (winding, with its
// outline) and reduces it 4:1 into the paper-sized target by averaging.
inline void RenderCharacter(tmb::Surface& work, tmb::Surface& target,
                            const std::vector<std::vector<tmb::Point>>& strokes) {
  tmb::DeviceContext dc(&work);
  dc.FillRect(work.Bounds(), tmb::Brush::Solid(0xFFFFFF));
  dc.SetPolyFillMode(tmb::kWinding);
  dc.SelectBrush(tmb::Brush::Solid(0x000000));
  dc.SelectPen(tmb::Pen::Solid(1, 0x000000));
  for (const auto& s : strokes) dc.Polygon(s);
  tmb::DeviceContext out(&target);
  out.SetStretchMode(tmb::kHalftone);
  out.StretchBlt(0, 0, target.width(), target.height(), &dc, 0, 0, work.width(), work.height(), tmb::kSrcCopy);
}

}  // namespace tmb::test
