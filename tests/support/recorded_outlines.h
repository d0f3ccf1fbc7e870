// The recorded character (recorded_character.h) as the brush-outline engine writes it,
// working points with a brush level each, and those strokes as closed outlines: each
// stroke a band round its points, at every point as wide as the brush size of its level.
// Until the conversion draws real brush outlines this is the character the renderers
// fill. Header-only: the benchmarks use it too.
#pragma once

#include <cmath>
#include <memory>

#include "brush/outline/outline_state.h"
#include "core/record/param_defaults.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "tests/support/recorded_character.h"

namespace tmb::test {

// The drawn record holds the recorded character with the brush defaults of window A; the
// working record what the brush-outline engine made of it, the levels in the drawn one.
struct RecordedBrushCharacter {
  RecordedBrushCharacter() {
    for (CCharDataFull* rec : {drawn.get(), work.get()}) {
      rec->ClearPoints();
      rec->SetDefaultParams();
      GetSlotParamDefaults(rec->m_param, {}, 0);
      rec->m_param[37] = 0;  // the brush outline, not the conversion
    }
    AppendRecordedCharacter(*drawn);
    ResetOutlineEngine();
    work->BuildOutline(*drawn);
  }
  ~RecordedBrushCharacter() { ResetOutlineEngine(); }

  std::unique_ptr<CCharDataFull> drawn = std::make_unique<CCharDataFull>();
  std::unique_ptr<CCharDataFull> work = std::make_unique<CCharDataFull>();
};

// Appends the band outline of every stroke of rec to out: down the stroke's left side and
// back up its right side, each point moved off the stroke by half of (level + 1) pixels
// along the normal of the stroke's direction there. Each band starts a stroke of out.
inline void AppendBandOutlines(const CCharData& rec, const int8_t* levels, CStrokePath& out) {
  auto side = [&rec, levels](int i, int first, int last, double sign) {
    const tmb::Point a = rec.m_pPoints[i > first ? i - 1 : i];
    const tmb::Point b = rec.m_pPoints[i < last ? i + 1 : i];
    double dx = b.x - a.x, dy = b.y - a.y;
    const double len = std::hypot(dx, dy);
    if (len > 0) {
      dx /= len;
      dy /= len;
    }
    const double half = (std::max<int>(levels[i], 0) + 1) / 2.0;
    const tmb::Point p = rec.m_pPoints[i];
    return CFPoint(float(p.x - dy * half * sign), float(p.y + dx * half * sign));
  };
  for (int first = 0; first < rec.m_nPoints;) {
    int last = first;
    while (last + 1 < rec.m_nPoints && rec.m_pFlags[last + 1] == 0) ++last;
    const int start = out.m_nCount;
    for (int i = first; i <= last; ++i) {
      const CFPoint p = side(i, first, last, 1);
      out.AddPointUnique(p.x, p.y, i == first ? 1 : 0, 1);
    }
    for (int i = last; i >= first; --i) {
      const CFPoint p = side(i, first, last, -1);
      out.AddPointUnique(p.x, p.y, 0, 1);
    }
    if (out.m_nCount > start) out.m_pFlags[start] = 1;
    first = last + 1;
  }
}

}  // namespace tmb::test
