#include "convert/morph/character_interpolation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/path/stroke_marks.h"
#include "core/path/stroke_work.h"

namespace {

// 0 at 0 and 100 %, 1 up to 50 % (A's breaks), 2 above (B's breaks).
int PhaseOf(int percent) {
  if (percent == 0 || percent == 100) return 0;
  return percent <= 50 ? 1 : 2;
}

// a when f is 0 and exactly a whenever a equals b, so a character blended with itself
// stays as it is.
float Blend(float a, float b, double f) { return static_cast<float>(a + (double(b) - a) * f); }

double Setting(const ParamBlock& params, int index) { return std::clamp(params[index], 0, 100); }

CPointRecord RecordOf(const CStrokePath& path, int i) {
  return path.m_pRecords ? path.m_pRecords[i] : CPointRecord{};
}

// The length of the stroke holding i, for ascending i: measured once per stroke.
class StrokeLengths {
 public:
  explicit StrokeLengths(const CStrokePath& path) : path_(path) {}
  double At(int i) {
    if (i > end_) {
      end_ = path_.FindStrokeEnd(i);
      length_ = path_.StrokeLength(i);
    }
    return length_;
  }

 private:
  const CStrokePath& path_;
  int end_ = -1;
  double length_ = 0;
};

}  // namespace

MorphBlend::MorphBlend(const ParamBlock& params, int n, double t) : t_(t) {
  if (params[kMorphLagOn] == 0) return;
  strength_ = Setting(params, kMorphLagStrength);
  latest_ = Setting(params, kMorphLagLatest) / 100;
  earliest_ = Setting(params, kMorphLagEarliest) / 100;
  last_ = n - 1;
  logRest_ = std::log(1 - t);
  logT_ = std::log(t);
}

// Round the cycle 0..1, from 0 at a up to 1 at b and back down to 0 at a.
double MorphBlend::LagShape(double u) const {
  const double a = latest_;
  const double b = earliest_;
  if (a < b) {
    if (u < a) return (a - u) / (1 - (b - a));
    if (u <= b) return (u - a) / (b - a);
    return (1 - (u - a)) / (1 - (b - a));
  }
  if (b < a) {
    if (u < b) return (1 - (a - u)) / (1 - (a - b));
    if (u <= a) return (a - u) / (a - b);
    return (u - a) / (1 - (a - b));
  }
  return u >= a ? 1 - (u - a) : a - u;
}

double MorphBlend::Factor(int i) const {
  if (strength_ == 0) return t_;
  const double u = last_ > 0 ? double(i) / last_ : 0.0;
  const double e = strength_ / 10 * (2 * LagShape(u) - 1);
  // 1 - (1 - t)^(1 + e): the point changes earlier; t^(1 - e): later.
  return e >= 0 ? 1 - std::exp((1 + e) * logRest_) : std::exp((1 - e) * logT_);
}

int CStrokeWork::InterpolateCharacters(const CStrokePath& a, const CStrokePath& b, int percent) {
  const int p = std::clamp(percent, 0, 100);
  const int phase = PhaseOf(p);
  const double t = p / 100.0;
  const int n = std::min({a.GetCount(), b.GetCount(), m_nCapacity});
  // What the blend leaves alone (breaks, attributes, pressures, widths and the last
  // record value) comes with the point from the character whose breaks it takes.
  const CStrokePath& breaks = p <= 50 ? a : b;
  CopySlots(breaks, 0, 0, n);
  m_nCount = n;
  if (m_pStrokeMarks) m_pStrokeMarks->Clear();
  const MorphBlend blend(m_param, n, t);
  for (int i = 0; i < n; ++i) {
    const double f = blend.Factor(i);
    m_pPoints[i] = CFPoint(Blend(a.m_pPoints[i].x, b.m_pPoints[i].x, f), Blend(a.m_pPoints[i].y, b.m_pPoints[i].y, f));
    const double g = f < 0.5 ? 2 * f * f : 1 - 2 * (1 - f) * (1 - f);
    const CPointRecord ra = RecordOf(a, i);
    const CPointRecord rb = RecordOf(b, i);
    for (int k = 0; k < 3; ++k) m_pRecords[i].v[k] = Blend(ra.v[k], rb.v[k], g);
  }
  if (n > 0) m_pFlags[0] = kFlagStart;
  if (phase == 0) return n;

  // The breaks of the other character, which this phase hides, mark the points where the
  // in-between stroke has grown past the tolerance against the shown character's stroke.
  // Lengths are those of the strokes as interpolated, before any mark splits them.
  const CStrokePath& hidden = phase == 1 ? b : a;
  StrokeLengths own(*this);
  StrokeLengths shown(breaks);
  const double tolerance = m_param[kMorphStretchTolerance] / 10.0;
  std::vector<int> stretched;
  for (int i = 1; i < n; ++i) {
    if (hidden.m_pFlags[i] == 0 || IsStrokeBoundary(i)) continue;
    if (own.At(i) >= shown.At(i) * tolerance) stretched.push_back(i);
  }
  for (int i : stretched) m_pFlags[i] = kFlagStretched;
  return n;
}
