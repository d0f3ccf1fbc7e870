#include "convert/analysis/staged_smoothing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "convert/analysis/outline_smoothing.h"
#include "convert/analysis/shape_records.h"
#include "core/path/point_index_list.h"

namespace {

constexpr int kWidth = 3;
constexpr int kSmoothing = 201;
constexpr int kStages = 293;
constexpr int kQuarterWindow = 348;
constexpr int kOneStage = 1;
constexpr int kWindowPerSmoothing = 8;
constexpr int kMinWindowPerSmoothing = 4;
constexpr int kFirstPercent = 25;
constexpr int kReleasePercent = 12;

// The share of the width the last of four stages smooths for, by parameter 293.
double LastStageFactor(int stages) {
  switch (stages) {
    case 0: return 0.4;
    case 2: return 1.0;
    default: return 0.0;
  }
}

bool Releases(SmoothingGroup group, int kind) {
  switch (group) {
    case kReleaseUnmatched: return kind == kAnchorPosition;
    case kReleaseLoopInside: return kind == kAnchorLoopInside;
    case kReleaseInnerSide: return kind == kAnchorInnerTurn;
    case kReleaseAllButEnds:
      return kind > 0 && kind != kAnchorStart && kind != kAnchorEnd && kind != kAnchorKeptSix &&
             kind != kAnchorKeptSeven && kind != kAnchorLoopEnd;
    case kReleaseAll: return kind > 0;
  }
  return false;
}

}  // namespace

std::vector<SmoothingStage> PlanSmoothingStages(const ParamBlock& params, int percent) {
  if (params[kSmoothing] == 0) return {};
  // In 64 bits: the parameters come from files and may be anything.
  const double base = double(params[kSmoothing]) * kWindowPerSmoothing * (params[kWidth] / 10.0);
  int64_t w = int64_t(std::clamp(std::trunc(base), double(INT64_MIN / 2), double(INT64_MAX / 2)));
  if (percent != 0) {
    const double s = percent / 100.0 > 1.0 ? percent / 100.0 : 1.0;
    w = std::max(int64_t(std::trunc(double(w) / s)), int64_t(params[kSmoothing]) * kMinWindowPerSmoothing);
  }
  if (params[kQuarterWindow] != 0) w /= 4;
  auto passes = [w](int64_t stagePercent) {
    const double p = double(w) * double(stagePercent) / 100.0;
    return int(std::clamp(std::trunc(p), 1.0, double(kMaxStagePasses)));
  };
  if (params[kStages] == kOneStage) return {{kReleaseAll, passes(kFirstPercent)}};
  const int64_t last = int64_t(std::trunc(params[kWidth] * LastStageFactor(params[kStages])));
  return {{kReleaseUnmatched, passes(kFirstPercent)},
          {kReleaseLoopInside, passes(kReleasePercent)},
          {kReleaseInnerSide, passes(kReleasePercent)},
          {kReleaseAllButEnds, passes(last)}};
}

int SmoothContoursInStages(CStrokePath& path, CPointIndexList& anchors, const ParamBlock& params, int percent) {
  const std::vector<SmoothingStage> stages = PlanSmoothingStages(params, percent);
  if (stages.empty()) return 0;
  for (const SmoothingStage& stage : stages) {
    for (int k = 0; k < anchors.m_nCount; ++k) {
      if (Releases(stage.group, int8_t(anchors.m_pKinds[k]))) anchors.m_pKinds[k] = kAnchorReleased;
    }
    SmoothContoursAnchored(path, stage.passes, anchors, -1, -1, 0, 1);
  }
  return 1;
}
