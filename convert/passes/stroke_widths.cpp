#include "convert/passes/stroke_widths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "convert/analysis/corner_detection.h"
#include "convert/analysis/run_reads.h"
#include "convert/analysis/stroke_end_codes.h"
#include "convert/analysis/stroke_end_kind.h"
#include "convert/analysis/width_profile.h"
#include "convert/driver/marker_list.h"
#include "convert/passes/turn_splitting.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kBrushVein = 1;
constexpr int kLinking = 2;
constexpr int kWidth = 3;
constexpr int kModulation = 4;
constexpr int kLinearWidths = 348;
constexpr int kMaxModulation = 100;
constexpr uint8_t kReferenceStrongStart = 4;
constexpr float kNoWidth = -1.0f;
constexpr int kLeastByte = 1;
constexpr int kMostByte = 255;

// The widths of the pass, from the width and modulation settings.
struct WidthScale {
  int64_t fullInt = 0;
  float full = 0;  // wMax
  float thin = 0;  // wThin
  float mid = 0;   // wMid: the end before a corner
  // The share of full that t of it and 1 - t of thin make.
  float Blend(float t) const { return t * full + (1 - t) * thin; }
};

WidthScale ScaleOf(const ParamBlock& params) {
  WidthScale w;
  w.fullInt = std::max<int64_t>(0, params[kWidth] / 2);
  w.full = static_cast<float>(w.fullInt);
  const double m = std::clamp(params[kModulation], 0, kMaxModulation) / 100.0;
  w.thin = static_cast<float>((1 - std::sqrt(m)) * w.full);
  w.mid = 0.2f * w.full + 0.8f * w.thin;
  return w;
}

// Gives the run from j to e its profile; n = e + 1 is the point after it.
void WidenRun(CStrokeWork& path, std::vector<float>& widths, const WidthScale& w, int j, int e) {
  uint8_t* flags = path.m_pFlags;
  float start = w.full;
  float end = std::trunc(w.thin);
  switch (flags[j]) {
    case kFlagTurnAfter:
      start = w.Blend(0.67f);
      break;
    case kFlagRiseIntoLink:
      start = w.Blend(0.75f);
      break;
    case kFlagEndTurn:
      start = w.Blend(0.5f);
      flags[j] = kFlagCorner;
      break;
    case kFlagTurnInto:
      start = w.Blend(0.75f);
      flags[j] = kFlagCorner;
      break;
    default:
      break;
  }
  const int n = e + 1;
  const int next = FlagOrStart(path, n);
  if (next == kFlagCorner || next == kFlagFold || next == kFlagTurnBefore) {
    end = std::trunc(w.mid);
  } else if (next == kFlagStartTurn) {
    start = w.Blend(0.5f);
    flags[n] = kFlagCorner;
  }
  start = std::max(std::min(start, w.full), 1.0f);

  bool longHorizontal = false;
  bool sharp = ClassifyStrokeEnd(path, j, path.m_pPoints[e] - path.m_pPoints[j], path.m_param, w.fullInt,
                                 longHorizontal);
  float middle = end;
  int mode = CWidthProfile::kLinear;
  if (path.m_param[kLinearWidths] != 0) {
    sharp = false;
  } else {
    const float t = longHorizontal ? 0.25f : 0.5f;
    middle = t * start + (1 - t) * end;
    mode = CWidthProfile::kStepped;
  }
  CWidthProfile profile;
  const std::array<float, 3> keys{start, middle, end};
  profile.SetValues(keys);
  profile.SetKeyIndexes(j, e);
  profile.Apply(widths, mode, sharp);
}

// Where the path runs on across an old stroke start, the join is thin.
void ThinJoins(const CStrokeWork& path, const CStrokeWork& reference, std::vector<float>& widths,
               const WidthScale& w) {
  const CFPoint* pt = path.m_pPoints;
  const uint8_t* flags = path.m_pFlags;
  const double vein = path.m_param[kBrushVein] / 4.0 + 3;
  const double reach2 = vein * vein;  // link steps are at least this long
  for (int j = 1; j < path.GetCount(); ++j) {
    const int r = ReferenceFlag(reference, j);
    if ((r != CStrokePath::kFlagStart && r != kReferenceStrongStart) || flags[j] == CStrokePath::kFlagStart) continue;
    widths[j] = w.thin;
    if (flags[j - 1] == 0) widths[j - 1] = w.mid;
    int k = j - 1;
    while (k > 0 && flags[k] == 0 && SquaredDistance(pt[k], pt[k - 1]) >= reach2) --k;
    const float v = r == CStrokePath::kFlagStart ? (widths[k] + widths[j - 1]) / 2 : widths[j - 1];
    std::fill(widths.begin() + k + 1, widths.begin() + j, v);
  }
}

}  // namespace

int AssignStrokeWidths(CStrokeWork& path, const CStrokeWork& reference) {
  if (path.m_param[kLinking] == 0) return 0;
  gMarkers.EnablePosting(0);
  const int n = path.GetCount();
  const WidthScale w = ScaleOf(path.m_param);
  std::vector<float> widths(static_cast<size_t>(n), kNoWidth);
  for (int j = 0; j < n;) {
    const int e = path.FindStrokeEnd(j);
    WidenRun(path, widths, w, j, e);
    j = e + 1;
  }
  ThinJoins(path, reference, widths, w);
  for (int i = 0; i < n; ++i) {
    const double rounded = std::floor(double(widths[static_cast<size_t>(i)]) + 0.5);
    path.m_pWidths[i] = static_cast<uint8_t>(std::clamp<double>(rounded, kLeastByte, kMostByte));
  }
  return 1;
}
