#include "convert/driver/unit_grouping.h"

#include <algorithm>

#include "convert/analysis/midpoint_smoothing.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/path_resampling.h"
#include "convert/driver/scratch_paths.h"
#include "convert/driver/stroke_units.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_work.h"

namespace {

constexpr float kGroupingSpacing = 3.75f;
constexpr int kLightPasses = 3;
constexpr int kStrongPasses = 5;
constexpr double kJump2 = 64.0;  // a jump of more than 8 pixels between strokes
constexpr int kMaxRefinements = 10;

// copy becomes path resampled at the grouping spacing and smoothed by passes.
void ResampledCopy(CStrokeWork& copy, const CStrokePath& path, int passes) {
  copy.CopyRangeFrom(path, 0, path.GetCount());
  ResamplePath(copy, kGroupingSpacing, kResampleAllEnds, 2);
  if (passes > 0) SmoothPathMidpoints(copy, passes, 0, copy.GetCount() - 1);
}

}  // namespace

void MarkGappedStarts(CStrokeUnitTable& table, const CStrokePath& path, int state) {
  int stroke = -1;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] != CStrokePath::kFlagStart) continue;
    ++stroke;
    if (stroke >= table.Count()) break;
    if (stroke > 0 && i > 0 && SquaredDistance(path.m_pPoints[i - 1], path.m_pPoints[i]) > kJump2) {
      table.records[stroke].state = static_cast<uint8_t>(state);
    }
  }
}

int MarkStrokeStates(const CStrokePath& path, std::span<int> out) {
  std::fill(out.begin(), out.end(), 0);
  gMarkers.EnablePosting(0);
  CStrokeUnitTable table;
  table.Reset(path);
  if (table.Count() == 0) return 1;
  ScopedUnitPass fixedSpacing(0);
  ScratchPath copy(path.GetCapacity());

  ResampledCopy(*copy, path, kLightPasses);
  MarkGappedStarts(table, *copy, kUnitCandidate);

  ResampledCopy(*copy, path, kStrongPasses);
  table.records[0].state = kUnitBegins;
  MarkGappedStarts(table, *copy, kUnitBegins);

  ResampledCopy(*copy, path, 0);
  table.SetStrokeStarts(*copy);
  SetUnitSpans(table, *copy, kUnitBegins);
  AbsorbSmallUnits(table, *copy);
  for (int k = 0; k < kMaxRefinements; ++k) {
    MergeOverlappingUnits(table, *copy);
    if (SplitTallUnits(table, *copy) == 0) break;
  }

  const int n = std::min<int>(table.Count(), static_cast<int>(out.size()));
  for (int k = 0; k < n; ++k) out[k] = table.records[k].state == kUnitBegins ? 1 : 0;
  gMarkers.EnablePosting(0);
  return 1;
}
