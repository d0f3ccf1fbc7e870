// Per-stroke building: each stroke of the drawn record gets its lead-in and lead-out
// points, its points thinned or doubled, and short strokes get padding points.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "brush/outline/point_rebuild.h"
#include "core/geometry/saturate.h"
#include "core/record/char_data.h"

namespace {

// The walk stops after the input point that takes the count past this, a little below the
// record's capacity; the leads of that point are kept as far as the record holds them.
constexpr int kBuildLimit = 15900;

constexpr int kLeadInOn = 213;
constexpr int kLeadOutOn = 214;
constexpr int kLeadInLength = 17;
constexpr int kLeadOutLength = 18;
constexpr int kLeadInStep = 19;
constexpr int kLeadOutStep = 20;
constexpr int kLeadInAngle = 215;
constexpr int kLeadOutAngle = 216;
constexpr int kThinMode = 12;
constexpr int kResample = 22;
constexpr int kStyle = 37;
constexpr int kPenMode = 47;
constexpr int kPadding = 48;
constexpr int kFloatDirectionStyle = 300;

// Steps of a lead-in or lead-out in pixels, by step index.
constexpr int kLeadSteps[] = {8, 4, 2};
// Unit directions by angle / 45: 0 degrees points up, 90 right; y grows downward.
constexpr int kDirX[] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int kDirY[] = {-1, -1, 0, 1, 1, 1, 0, -1};

int LeadStep(int index) { return kLeadSteps[std::clamp(index, 0, 2)]; }

// The offset of a lead of `length` pixels in direction `angle` (degrees). Integer
// directions come from the table of eight; with float directions the offset is the unit
// vector times the length, truncated toward zero.
tmb::Point LeadOffset(int angle, int64_t length, bool floatDirections) {
  if (floatDirections) {
    const float radians = (90.0f - float(angle)) * 3.1415927f / 180.0f;
    const double x = double(std::cos(radians)) * double(length);
    const double y = -double(std::sin(radians)) * double(length);
    return {SaturateToInt(std::clamp(x, -2e9, 2e9)), SaturateToInt(std::clamp(y, -2e9, 2e9))};
  }
  const int index = ((angle % 360) + 360) % 360 / 45;
  return {SaturateToInt(kDirX[index] * length), SaturateToInt(kDirY[index] * length)};
}

tmb::Point Offset(tmb::Point p, tmb::Point d) {
  return {SaturateToInt(int64_t{p.x} + d.x), SaturateToInt(int64_t{p.y} + d.y)};
}

// The building point by point: the leads, the thinning or the doubling.
void BuildStrokesPointByPoint(CCharData& rec, const CCharData& source, int mode) {
  const ParamBlock& param = rec.m_param;
  PointRebuild out;
  const int n = source.m_nPoints;
  const bool floatDirections = param[kStyle] >= kFloatDirectionStyle;
  // Past the last point counts as the start of a further stroke.
  auto startsStroke = [&](int k) { return k >= n || source.m_pFlags[k] != 0; };

  for (int i = 0; i < n; ++i) {
    const tmb::Point p = source.m_pPoints[i];
    if (!out.Append(source, i)) break;
    if (param[kLeadInOn] != 0 && source.m_pFlags[i] != 0) {
      // The stroke begins `length` pixels out along the lead-in direction and walks back
      // toward the drawn start in whole steps: a length that is no multiple of the step
      // stops short of it, and the stroke goes on from its next drawn point.
      const int64_t length = param[kLeadInLength];
      const int step = LeadStep(param[kLeadInStep]);
      const int angle = param[kLeadInAngle];
      out.SetPoint(out.Count() - 1, Offset(p, LeadOffset(angle, length, floatDirections)));
      bool full = false;
      for (int64_t t = step; t <= length && !full; t += step) {
        full = !out.AppendAt(source, i, Offset(p, LeadOffset(angle, length - t, floatDirections)), 0);
      }
      if (full) break;
    }
    const bool lastOfStroke = startsStroke(i + 1);
    if (!lastOfStroke) {
      const tmb::Point next = source.m_pPoints[i + 1];
      if (mode == 3) {
        const tmb::Point mid{SaturateToInt(p.x + (int64_t{next.x} - p.x) / 2),
                             SaturateToInt(p.y + (int64_t{next.y} - p.y) / 2)};
        if (!out.AppendAt(source, i, mid, 0)) break;
      } else if (mode == 2 && !startsStroke(i + 2)) {
        ++i;  // halving: the next point is left out
      } else if (mode == 1 && !startsStroke(i + 2) &&
                 (std::llabs(int64_t{next.x} - p.x) < 2 || std::llabs(int64_t{next.y} - p.y) < 2)) {
        ++i;  // a near step: the next point is left out
      }
    } else if (param[kLeadOutOn] != 0) {
      const int64_t length = param[kLeadOutLength];
      const int step = LeadStep(param[kLeadOutStep]);
      const int angle = param[kLeadOutAngle];
      bool full = false;
      // The lead-out continues the stroke: its points never start one. Copies of a dot's
      // start flag would split the dot's tail into a row of dots.
      for (int64_t t = step; t <= length && !full; t += step) {
        full = !out.AppendAt(source, i, Offset(p, LeadOffset(angle, t, floatDirections)), 0);
      }
      if (full) break;
    }
    if (out.Count() > kBuildLimit) {
      ReportCharCapacity();
      break;
    }
  }
  out.CopyTo(rec);
}

}  // namespace

void CCharData::BuildStrokePoints(const CCharData& source) {
  const int mode = m_param[kResample] != 0 || m_param[kPenMode] != 0 ? 0 : m_param[kThinMode];
  if (m_param[kLeadInOn] != 0 || m_param[kLeadOutOn] != 0 || mode != 0) {
    BuildStrokesPointByPoint(*this, source, mode);
  } else {
    // Without leads or thinning every point is kept as it is, up to the point that takes
    // the count past the building's limit: a copy of whole arrays.
    const int count = std::clamp(source.m_nPoints, 0, kBuildLimit + 1);
    if (&source != this) CopyPointRange(source, 0, count);
    m_nPoints = count;
    if (count > kBuildLimit) ReportCharCapacity();
  }
  if (m_param[kPenMode] == 0 && m_param[kPadding] != 0) PadShortStrokes(m_param[kPadding] == 1 ? 3 : 7, 2);
}

void CCharData::PadShortStrokes(int limit, int divisor) {
  if (divisor <= 0 || m_nPoints <= 0) return;
  PointRebuild out;
  int i = 0;
  bool full = false;
  while (i < m_nPoints && !full) {
    const int s = i;
    const int e = FindStrokeEnd(i);
    const int inner = std::max(e - s - 1, 0);
    const int64_t per = (int64_t{limit} - inner) / divisor;
    for (int j = s; j <= e && !full; ++j) {
      full = !out.Append(*this, j);
      if (full || j == e || inner > limit) continue;
      // Padding points walk diagonally, one pixel at a time, toward the next point.
      const tmb::Point next = m_pPoints[j + 1];
      for (int64_t r = 0; r <= per && !full; ++r) {
        const tmb::Point prev = out.PointAt(out.Count() - 1);
        const tmb::Point step{next.x < prev.x ? -1 : 1, next.y < prev.y ? -1 : 1};
        full = !out.AppendAt(*this, j, Offset(prev, step), 0);
      }
    }
    i = e + 1;
  }
  out.CopyTo(*this);
}
