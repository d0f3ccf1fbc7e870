#include "support/conversion_globals.h"

#include "convert/analysis/stroke_feature_table.h"
#include "convert/driver/analysis_overlay.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/part_store.h"
#include "convert/driver/path_resampling.h"
#include "convert/driver/scratch_paths.h"
#include "convert/driver/tablet_ink.h"

namespace tmb::test {

void ResetConversionGlobals() {
  gMarkers.Clear();
  gAnalysisOverlay.Clear();
  gStrokeFeatureTable.Clear();
  gUnitPassActive = 0;
  gInkModes = {kInkMerge, kInkMerge};
  SetTabletInk(0, nullptr);
  SetTabletInk(1, nullptr);
  SetCharacterPartStore(nullptr);
  ReleaseScratchPaths();
}

}  // namespace tmb::test
