#include "convert/analysis/short_segment_codes.h"

#include <algorithm>

#include "convert/analysis/midpoint_smoothing.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kLengthScale = 3;
constexpr int kSmoothingPasses = 10;

}  // namespace

void ClearShortSegmentCodes(CStrokeWork& path) {
  const double p = path.m_param[kLengthScale];
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] != CStrokePath::kFlagStart) continue;
    const int sL = path.FindSegmentEnd(i);
    // A segment whose first run reaches its end holds no code.
    if (path.FindStrokeEnd(i) == sL) continue;
    if (p <= path.PathLength(i, sL - 1, 0)) continue;
    std::fill(path.m_pFlags + i + 1, path.m_pFlags + sL, CStrokePath::kFlagContinue);
    SmoothPathMidpoints(path, kSmoothingPasses, i, sL);
  }
}
