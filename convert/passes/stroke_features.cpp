#include "convert/passes/stroke_features.h"

#include <algorithm>

#include "convert/analysis/corner_detection.h"
#include "convert/analysis/corner_list.h"
#include "convert/analysis/stroke_feature_list.h"
#include "convert/analysis/stroke_feature_table.h"
#include "convert/driver/marker_list.h"
#include "core/path/stroke_work.h"

namespace {

// The angle table's first entries start each analysis at this value.
constexpr int kPresetAngles = 1000;
constexpr float kPresetAngle = 1.5f;
constexpr CornerSearch kFeatureCorners{2, 165, false, 0, 2.0f};

bool IsSectionBreak(uint8_t flag) { return flag == CStrokePath::kFlagStart || flag == CStrokePath::kFlagSection; }

// One record for each run of points from a stroke start or a section break to the point
// before the next; link points (255) after a run are passed over up to the next break.
void CutIntoRecords(const CStrokePath& path, CStrokeFeatureList& records) {
  const int n = path.GetCount();
  int needed = 1;
  for (int i = 0; i < n; ++i) needed += IsSectionBreak(path.m_pFlags[i]) ? 1 : 0;
  if (needed > records.Capacity()) records.Allocate(needed);
  bool open = false;
  for (int i = 0; i < n; ++i) {
    if (!open || path.m_pFlags[i] == CStrokePath::kFlagStart) {
      records.BeginStroke(i);
      open = true;
    }
    const bool last = i + 1 >= n;
    if (!last && !IsSectionBreak(path.m_pFlags[i + 1]) && path.m_pFlags[i + 1] != CStrokePath::kFlagLink) continue;
    records.EndStroke(i, 0);
    open = false;
    if (!last && path.m_pFlags[i + 1] == CStrokePath::kFlagLink) i = path.FindNextBreak(i) - 1;
  }
}

}  // namespace

int AnalyseStrokeFeatures(CStrokeWork& path, int list, int classify) {
  CStrokeFeatureList& records = gStrokeFeatureLists[static_cast<size_t>(std::clamp(list, 0, 1))];
  records.Reset();
  gStrokeFeatureTable.Clear();
  EnsureCornerAngleSize(kPresetAngles);
  std::fill_n(gCornerAngle.begin(), kPresetAngles, kPresetAngle);
  if (list == 1) gMarkers.m_nSpare = gMarkers.m_nCount;
  ReplaceFlags(path, kFlagCorner, 0);
  FindCorners(path, kFeatureCorners);
  CutIntoRecords(path, records);
  if (classify != 0) records.ClassifyFeatures(path);
  return 1;
}
