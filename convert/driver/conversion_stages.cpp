#include "convert/driver/conversion_stages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "convert/analysis/loop_marks.h"
#include "convert/driver/analysis_overlay.h"
#include "convert/driver/conversion_chain.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/part_store.h"
#include "convert/driver/path_resampling.h"
#include "convert/driver/stroke_units.h"
#include "convert/driver/tablet_ink.h"
#include "convert/driver/unit_grouping.h"
#include "convert/passes/box_sides.h"
#include "convert/passes/direction_changes.h"
#include "convert/passes/end_trimming.h"
#include "convert/passes/link_decision.h"
#include "convert/passes/link_point_insertion.h"
#include "convert/passes/link_point_removal.h"
#include "convert/passes/main_linking.h"
#include "convert/passes/main_linking_alt.h"
#include "convert/passes/shape_transform.h"
#include "convert/passes/stroke_bow.h"
#include "convert/passes/stroke_end_shortening.h"
#include "convert/passes/stroke_extension.h"
#include "convert/passes/stroke_features.h"
#include "convert/passes/stroke_form.h"
#include "convert/passes/stroke_widths.h"
#include "convert/passes/three_segment_rewrite.h"
#include "convert/passes/work_path_smoothing.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kCursiveDegree = 0;
constexpr int kBrushVein = 1;
constexpr int kLightness = 7;
constexpr int kLinkSpacing = 44;
constexpr int kShowFeatures = 361;
constexpr int kStoreParts = 334;
constexpr int kBoxSides = 330;
constexpr int kStrongTrimming = 315;
constexpr int kAlternativeLinking = 356;
constexpr int64_t kRewriteSum = 10;
constexpr int64_t kReverseRewriteSum = 20;
constexpr float kMinSpacing = 0.5f;
constexpr int kResampleEndDistance2 = 2;
constexpr uint8_t kLinkKindFirst = 50;
constexpr uint8_t kLinkKindLast = 61;
constexpr int kCursiveType = 11;
constexpr int kBowedType = 1;
constexpr int kStrokeForm = 344;
constexpr int kSlantForm = 317;
constexpr int kShearForm = 359;
constexpr int kSquashedForm = 2;
constexpr int kScaledForm = 3;
constexpr int kReachingForm = 1;
constexpr int kFallingReach = 12;
constexpr int kSquashedFallingReach = 25;
constexpr int kLevelReach = 25;
constexpr int kFormPercent = 80;
constexpr int kSlant = 10;
constexpr int kShear = -1;

bool IsKeptPoint(uint8_t flag) { return flag == kFlagLoopEntry || flag == kFlagLoopExit; }

}  // namespace

void RewriteThreeSegmentsStage(ConversionRun& run) {
  const int64_t sum = int64_t{run.work.m_param[kCursiveDegree]} + run.work.m_param[kBrushVein];
  if (sum < kRewriteSum) return;
  std::vector<int> before;
  RewriteThreeSegmentStrokes(run.work, sum >= kReverseRewriteSum, &before);
  // The reversed form writes a stroke as two: both halves are of the stroke it was.
  std::vector<int> origins;
  for (int k : before) {
    origins.push_back(k >= 0 && size_t(k) < run.strokeOrigins.size() ? run.strokeOrigins[size_t(k)] : -1);
  }
  run.strokeOrigins = std::move(origins);
}

void GroupUnitsStage(ConversionRun& run) {
  run.unitStarts.assign(static_cast<size_t>(run.work.CountStrokes()), 0);
  MarkStrokeStates(run.work, run.unitStarts);
}

void LoopMarksStage(ConversionRun& run) { FlagStrokeLoops(run.work); }

void ShortenEndsStage(ConversionRun& run) {
  if (run.work.m_param[kLightness] != 0) ShortenStrokeEnds(run.work, run.work.m_param[kLightness]);
}

float ResamplingSpacing(const ParamBlock& params) {
  if (params[kBrushVein] == 0) return 0;
  const float s = static_cast<float>(params[kBrushVein] / 4.0);
  return s > kMinSpacing ? s : kMinSpacing;
}

void ResampleStage(ConversionRun& run) {
  const float s = ResamplingSpacing(run.work.m_param);
  if (s > 0) ResamplePath(run.work, s, kResampleAllEnds, kResampleEndDistance2);
}

void StrokeBowStage(ConversionRun& run) {
  if (run.work.m_param[kCursiveType] == kBowedType) BowHorizontalStrokes(run.work);
}

void StrokeExtensionStage(ConversionRun& run) {
  const int form = run.work.m_param[kStrokeForm];
  if (form == 0) return;
  ExtendStrokeEnds(run.work, kExtendFallingEnd, form == kSquashedForm ? kSquashedFallingReach : kFallingReach);
  if (form == kReachingForm) ExtendStrokeEnds(run.work, kExtendLevelStart, kLevelReach);
}

void StrokeFormStage(ConversionRun& run) {
  const ParamBlock& p = run.work.m_param;
  if (p[kStrokeForm] == kSquashedForm) ApplyStrokeForm(run.work, kFormScaleY, kFormPercent);
  if (p[kStrokeForm] == kScaledForm) ApplyStrokeForm(run.work, kFormScale, kFormPercent);
  if ((p[kSlantForm] != 0 || p[kStrokeForm] == kSquashedForm) && p[kCursiveType] != kBowedType) {
    ApplyStrokeForm(run.work, kFormSlant, kSlant);
  }
  if (p[kShearForm] != 0) ApplyStrokeForm(run.work, kFormShear, kShear);
}

namespace {

// The first of the source's strokes that begins in work strokes [k, next): the origin of
// stroke k, or the one after it when stroke k is the second half of a stroke written as
// two. -1 when the work strokes cannot be told as the source's (a pass since the copy
// made or lost a stroke, or the strokes are not the source's at all).
int FirstSourceStroke(const std::vector<int>& origins, int strokes, int k, int next) {
  if (static_cast<int>(origins.size()) != strokes || origins[size_t(k)] < 0) return -1;
  const int origin = origins[size_t(k)];
  if (k == 0 || origins[size_t(k - 1)] != origin) return origin;
  for (int j = k + 1; j < next; ++j) {
    if (origins[size_t(j)] != origin) return origins[size_t(j)];
  }
  return origin + 1;  // the mark holds no start of a source stroke
}

}  // namespace

void OverlayMarksStage(ConversionRun& run) {
  gAnalysisOverlay.Clear();
  std::vector<int> starts;
  ListStrokeStarts(run.work, starts);
  const int strokes = static_cast<int>(starts.size());
  const int n = std::min<int>(strokes, static_cast<int>(run.unitStarts.size()));
  for (int k = 0; k < n; ++k) {
    if (run.unitStarts[k] == 0) continue;
    int next = k + 1;
    while (next < n && run.unitStarts[next] == 0) ++next;
    const int last = next < n ? starts[next] - 1 : run.work.GetCount() - 1;
    gAnalysisOverlay.AddMark(starts[k], last, run.work, FirstSourceStroke(run.strokeOrigins, strokes, k, next));
    k = next - 1;
  }
  gAnalysisOverlay.BuildRunStarts(run.work);
}

void StrokeFeaturesStage(ConversionRun& run) { AnalyseStrokeFeatures(run.work, 0, 1); }

void BoxSidesStage(ConversionRun& run) {
  if (run.work.m_param[kBoxSides] != 0) BendBoxSides(run.work, run.work.m_param[kBoxSides]);
}

void ReferenceCopyStage(ConversionRun& run) {
  CStrokeWork& ref = *run.reference;
  ref.CopySettingsFrom(run.work);
  ref.CopyRangeFrom(run.work, 0, run.work.GetCount());
  const int n = run.work.GetCount();
  run.savedFlags.assign(run.work.m_pFlags, run.work.m_pFlags + n);
  for (int i = 0; i < n; ++i) {
    ref.m_pFlags[i] = run.work.m_pFlags[i] == CStrokePath::kFlagStart ? CStrokePath::kFlagStart : 0;
  }
}

int LinkPointSpacing(const ParamBlock& params) {
  const double d = std::trunc((params[kBrushVein] + 1.0) * params[kLinkSpacing]);
  return static_cast<int>(std::clamp<double>(d, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void LinkPointsStage(ConversionRun& run) { InsertLinkPoints(run.work, LinkPointSpacing(run.work.m_param)); }

void SmoothingStage(ConversionRun& run) { SmoothWorkPath(run.work); }

void FirstPassesDoneStage(ConversionRun&) { gUnitPassActive = 0; }

void LinkPointRemovalStage(ConversionRun& run) {
  if (run.work.m_bLinkPoints != 0) RemoveLinkPoints(run.work);
}

void LinkDecisionStage(ConversionRun& run) { DecideLinks(run.work, *run.reference); }

void LinkStartsStage(ConversionRun& run) {
  uint8_t* flags = run.work.m_pFlags;
  for (int i = 0; i < run.work.GetCount(); ++i) {
    if (flags[i] >= kLinkKindFirst && flags[i] <= kLinkKindLast) {
      flags[i] = CStrokePath::kFlagStart;
    } else if (IsKeptPoint(flags[i])) {
      flags[i] = CStrokePath::kFlagContinue;
    }
  }
}

void DirectionChangesStage(ConversionRun& run) { MarkDirectionChanges(run.work); }

void MainLinkingStage(ConversionRun& run) {
  if (run.work.m_param[kAlternativeLinking] != 0) {
    ShapeLinkedStrokesAlt(run.work, *run.reference);
  } else {
    ShapeLinkedStrokes(run.work, *run.reference);
  }
}

void EndTrimmingStage(ConversionRun& run) { TrimStrokeEnds(run.work, run.work.m_param[kStrongTrimming]); }

int FeatureMarkerCode(uint8_t flag) {
  switch (flag) {
    case 0:
      return 0;
    case 1:
      return 1033;
    case 3:
      return 1034;
    case 22:
      return 1035;
    case 'B':
    case 'C':
    case 'E':
      return 1037;
    case 5:
    case 21:
    case 25:
    case 26:
      return 1041;
    default:
      return 1039;
  }
}

void FeatureMarkersStage(ConversionRun& run) {
  const int show = run.work.m_param[kShowFeatures];
  if (show == 0) return;  // posting stays off: nothing would be posted
  gMarkers.EnablePosting(show);
  for (int i = 0; i < run.work.GetCount(); ++i) {
    const int code = FeatureMarkerCode(run.work.m_pFlags[i]);
    if (code != 0) gMarkers.PostMarker(run.work.m_pPoints[i].x, run.work.m_pPoints[i].y, -1, code);
  }
  gMarkers.EnablePosting(0);
}

void StrokeWidthsStage(ConversionRun& run) { AssignStrokeWidths(run.work, *run.reference); }

void KeptPointsStage(ConversionRun& run) {
  // The saved flags cover the points of the reference time; later passes may have added
  // points after them.
  const int n = std::min<int>(run.work.GetCount(), static_cast<int>(run.savedFlags.size()));
  for (int i = 0; i < n; ++i) {
    if (run.work.m_pFlags[i] != CStrokePath::kFlagStart && IsKeptPoint(run.savedFlags[i])) {
      run.work.m_pFlags[i] = run.savedFlags[i];
    }
  }
}

void CharacterPartsStage(ConversionRun& run) {
  if (run.work.m_param[kStoreParts] == 0) return;
  CurrentPartStore().RegisterCharacterParts(run.window, TabletInkOf(run.window).InkPointCount());
}

void ShapeTransformStage(ConversionRun& run) { ApplyShapeTransform(run.work); }
