#include "convert/analysis/curve_fitting.h"

#include <algorithm>
#include <vector>

#include "convert/analysis/corner_marking.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_path.h"

namespace {

constexpr int kMaxControls = 3;
// Where the control points of a run take their samples, as fractions of its sample count.
constexpr float kSpacingOfTwo[] = {0.1f, 0.5f};
constexpr float kSpacingOfThree[] = {0.0625f, 0.3125f, 0.6875f};

int ControlCount(int samples, int single) {
  if (single || samples < kTwoControlSamples) return 1;
  return samples < kThreeControlSamples ? 2 : 3;
}

}  // namespace

int FitControlPoints(CStrokePath& out, const CStrokePath& source, int first, int last, std::span<CFPoint> samples,
                     int single) {
  out.SetCount(0);
  const int count = source.GetCount();
  last = std::min(last, count);
  if (first < 0 || last <= first || samples.empty()) return 0;

  int n = source.Rasterize(first, last, samples, 1, {});
  // After a wrap the curve ends at the stroke's first point, not at point last, which
  // belongs to the next stroke (or lies past the path): the samples end there too.
  const bool wraps = source.IsStrokeLast(last - 1);
  const CFPoint end = source.m_pPoints[wraps ? source.FindStrokeStart(last - 1) : last];
  if (wraps && n < int(samples.size())) {
    if (last < count && n > 0) --n;  // the stray sample of point last
    samples[size_t(n++)] = end;
  }

  const int k = ControlCount(n, single);
  if (out.GetCapacity() < k + 1) return 0;
  out.CopyPointFrom(source, first, 0);
  CFPoint p = source.m_pPoints[first];
  for (int j = 0; j < k; ++j) {
    CFPoint c;
    if (k == 1) {
      // The quadratic from p to the run's last control point through the middle sample at
      // its middle: that point is always in the stroke, whether or not the run wraps.
      const CFPoint middle = samples[size_t(n / 2)];
      c = middle * 2.0f - (p + source.m_pPoints[last - 1]) / 2.0f;
    } else {
      const float fraction = k == 2 ? kSpacingOfTwo[j] : kSpacingOfThree[j];
      const int idx = std::min(RoundHalfAway(float(n) * fraction), n - 1);
      c = samples[size_t(idx)] * 2.0f - p;
      p = c;
    }
    out.m_pPoints[j + 1] = c;
    out.m_pFlags[j + 1] = CStrokePath::kFlagContinue;
    out.m_pAttrs[j + 1] = CStrokePath::kAttrSkip;
  }
  out.SetCount(k + 1);
  return k + 1;
}

int FitCurves(CStrokePath& result, CStrokePath& source, int single) {
  MarkCorners(source);
  const int count = source.GetCount();
  std::vector<CFPoint> samples(size_t(std::max(gWorkCanvas.m_nMaxPoints, 1)));
  CStrokePath run(kMaxControls + 1);
  int s = 0;
  int contourStart = result.GetCount();
  for (int i = 0; i < count; ++i) {
    if (source.m_pFlags[i] != 0) s = i;
    if (i == s) contourStart = result.GetCount();
    bool appended = true;
    if (!source.IsStrokeLast(i) && source.m_pAttrs[i + 1] == CStrokePath::kAttrSkip) {
      // The stroke's end is tested before the next attribute is read: past the path's
      // last point there is none.
      int e = i + 1;
      while (!source.IsStrokeLast(e - 1) && source.m_pAttrs[e] == CStrokePath::kAttrSkip) ++e;
      FitControlPoints(run, source, i, e, samples, single);
      appended = result.AppendSelectedStrokes(run, -1) == 1;
      i = e - 1;
    } else if (source.m_pAttrs[i] == CStrokePath::kAttrDefault) {
      appended = result.AppendPointFrom(source, i) == 1;
    }
    if (appended && source.IsStrokeLast(i)) {
      appended = result.AppendFlagged(source, s, CStrokePath::kFlagContinue) == 1;
      if (appended) result.m_pAttrs[result.GetCount() - 1] = CStrokePath::kAttrDefault;
    }
    if (!appended) {
      result.SetCount(contourStart);
      return -1;
    }
  }
  return result.GetCount();
}
