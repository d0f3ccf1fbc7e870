// Stand-ins for the brush-shapes pass and the outline merge, whose shape analyses are
// still to come, so that a converted character is drawn end to end meanwhile:
// - the brush-shapes pass gives each stroke a plain band outline, each side of every
//   point half its width (level / 2) away, with round turns and half-round ends; the
//   pass to come straightens short strokes and has the shape analyses build
//   and smooth the outline (AnalyseStrokeShapes, SmoothContoursInStages), then renders
//   and collects it as here;
// - the outline merge keeps one outline per stroke instead of their outer outline.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kCapSteps = 8;  // pieces of a half-round end
constexpr double kArcStep = std::numbers::pi / kCapSteps;
constexpr int kFlyingWhite = 5;
constexpr int kNoScaledStrokes = 351;
constexpr int kFirstInPath = 3;  // the first stroke of a drawing opens a picture of the sequence
constexpr int kLaterInPath = 1;

struct BandPoint {
  CFPoint p;
  double half;  // the band's reach on either side
};

struct Direction {
  double x, y;
};

Direction UnitFrom(const CFPoint& a, const CFPoint& b) {
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  const double length = std::hypot(dx, dy);
  return {dx / length, dy / length};
}

// d turned by angle; with y growing downwards a positive angle turns it clockwise.
Direction Turned(Direction d, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {d.x * c - d.y * s, d.x * s + d.y * c};
}

class BandBuilder {
 public:
  explicit BandBuilder(std::vector<CFPoint>& out) : out_(out) {}

  // The left side of the run as walked: round the outside of every turn, and through the
  // centre point on its inside, so that the band fills whole under the non-zero rule
  // however sharply the stroke turns back.
  void LeftSide(const std::vector<BandPoint>& run) {
    const size_t n = run.size();
    for (size_t k = 0; k < n; ++k) {
      const Direction in = UnitFrom(run[k == 0 ? 0 : k - 1].p, run[k == 0 ? 1 : k].p);
      const Direction out = k + 1 < n ? UnitFrom(run[k].p, run[k + 1].p) : in;
      Add(run[k], Turned(in, kQuarter));
      const double turn = std::atan2(in.x * out.y - in.y * out.x, in.x * out.x + in.y * out.y);
      if (turn < 0) {
        Add(run[k], {0, 0});
      } else {
        const int steps = int(std::ceil(turn / kArcStep));
        for (int s = 1; s < steps; ++s) Add(run[k], Turned(in, kQuarter + turn * s / steps));
      }
      if (turn != 0) Add(run[k], Turned(out, kQuarter));
    }
  }
  // The half-round end at the run's last point, from its left side to its right.
  void End(const std::vector<BandPoint>& run) {
    const size_t n = run.size();
    const Direction ahead = n > 1 ? UnitFrom(run[n - 2].p, run[n - 1].p) : Direction{1, 0};
    for (int s = 1; s < kCapSteps; ++s) Add(run.back(), Turned(ahead, kQuarter + kArcStep * s));
  }
  // A lone point: a disc.
  void Disc(const BandPoint& b) {
    for (int s = 0; s < 2 * kCapSteps; ++s) Add(b, Turned({1, 0}, kArcStep * s));
  }

 private:
  static constexpr double kQuarter = -std::numbers::pi / 2;  // from a direction to its left

  void Add(const BandPoint& b, Direction d) {
    out_.push_back({float(b.p.x + d.x * b.half), float(b.p.y + d.y * b.half)});
  }

  std::vector<CFPoint>& out_;
};

// The band round the centre points [first, last] of path, one closed contour: down the
// left side, round the end, back up the right side and round the start; each side of a
// point half its width (level / 2) away.
std::vector<CFPoint> BandOutline(const CStrokePath& path, int first, int last, std::span<const int> levels) {
  std::vector<BandPoint> run;
  for (int i = first; i <= last; ++i) {
    if (!run.empty() && run.back().p == path.m_pPoints[i]) continue;
    run.push_back({path.m_pPoints[i], double(levels[size_t(i - first)] / 2)});
  }
  std::vector<CFPoint> outline;
  BandBuilder band(outline);
  if (run.size() == 1) {
    band.Disc(run[0]);
    return outline;
  }
  band.LeftSide(run);
  band.End(run);
  std::reverse(run.begin(), run.end());
  band.LeftSide(run);
  band.End(run);
  return outline;
}

}  // namespace

int CStrokeWork::RenderBrushShapes(tmb::DeviceContext* pDC, int from, int to, int fullMode,
                                   std::span<const int> levels, int style, tmb::Surface* target) {
  to = std::min({to, m_nCount, from + int(levels.size())});
  if (from < 0 || from >= to) return 1;
  const std::vector<CFPoint> band = BandOutline(*this, from, to - 1, levels);
  CStrokeWork outline(int(band.size()) + 1);
  for (const CFPoint& p : band) outline.AddPointUnique(p.x, p.y, outline.GetCount() == 0 ? 1 : 0, 1);

  CWorkCanvas& canvas = gWorkCanvas;
  if (style == 0) {
    // The stroke alone on a white paper, with its flying white.
    CWorkBitmap& picture = canvas.m_maskBitmaps[2];
    picture.Fill(0xFFFFFF);
    outline.FillToBitmap(pDC, &picture, 0x000000);
    CStrokeWork centre(to - from);
    centre.CopyRangeFrom(*this, from, to);
    tmb::DeviceContext dc = tmb::DeviceContext::CompatibleWith(pDC);
    dc.SelectSurface(&picture);
    centre.DrawCharacterStrokes(&dc, canvas.m_rect, m_param[kFlyingWhite]);
  } else if (style != 3 && m_param[kNoScaledStrokes] == 0) {
    outline.RenderToBitmap(pDC, target, fullMode ? 0 : 2, m_param, tmb::PlainColour(tmb::Colour(m_rangeFrom)));
  }

  if (CStrokePath* sequence = gPathSequence.m_pPath) {
    if (outline.EnsureAuxBuffer(0)) outline.m_pStrokeMarks->m_pBytes[0] = 0;
    sequence->AppendSelectedStrokes(outline, from > 0 ? kLaterInPath : kFirstInPath);
  }
  return 1;
}

int CStrokePath::BuildOutlineViaBitmap(tmb::DeviceContext* /*pDC*/, tmb::Colour /*colour*/, int mode) const {
  CStrokePath* sequence = gPathSequence.m_pPath;
  if (!sequence) return 0;
  if (m_nCount > sequence->GetCapacity()) return -1;  // the sequence keeps its path
  sequence->CopyFrom(*this);
  for (int i = 0; i < sequence->m_nCount; ++i) {
    if (sequence->m_pFlags[i] != 0) sequence->m_pFlags[i] = mode == 2 ? 3 : 1;
  }
  return 1;
}
