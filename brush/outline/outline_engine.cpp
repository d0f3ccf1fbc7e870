// The brush-outline engine driver: turns the drawn record into the working record with
// one brush level per point. The points are prepared again only when they or a
// parameter the preparation reads changed (or a geometric transform is on); the levels,
// links, contrast, smoothing, tapers and transforms are redone on every call, which
// keeps slider moves of the level parameters cheap.
#include <algorithm>
#include <memory>
#include <optional>

#include "brush/outline/character_converter.h"
#include "brush/outline/ink_handler.h"
#include "brush/outline/level_shaping.h"
#include "brush/outline/outline_document.h"
#include "brush/outline/outline_state.h"
#include "brush/outline/point_level_calculator.h"
#include "core/canvas/work_canvas.h"
#include "core/geometry/saturate.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data.h"
#include "core/record/char_data_full.h"
#include "core/state/animation_flags.h"
#include "platform/service/wait_cursor.h"

namespace {

constexpr int kCursiveDegree = 0;
constexpr int kFlow = 6;
constexpr int kResample = 22;
constexpr int kStyle = 37;
constexpr int kPenMode = 47;
constexpr int kContrast = 113;
constexpr int kShortRecordBuild = 200;
constexpr int kIntegerStyle = 200;
constexpr int kConversionStyle = 300;
constexpr int kWaitDegree = 100;
constexpr int kShortRecord = 3;

// The transforms work on freshly prepared points: with one on, every call prepares again
// so that a transform is never applied twice.
constexpr int kTransformParams[] = {80, 84, 88, 90};

// Every parameter that the preparation and the cursive shaping read: when one of them
// changes, the points are prepared again.
constexpr int kRebuildParams[] = {
    0,   6,   11,  12,  9,   1,   8,   17,  18,  215, 216, 27,  28,  29,  26,  22,  47, 111,
    80,  84,  88,  90,  19,  20,  213, 214, 44,  45,  48,  37,  210, 211, 212, 230, 234,
};

// The float points of the cursive shaping when no document lends its buffer.
CFPoint* EngineFloatPoints() {
  static const std::unique_ptr<CFPoint[]> points = std::make_unique<CFPoint[]>(kMaxCharPoints);
  return points.get();
}

// The two work paths of the conversion road, kept for the next call: making and clearing
// them took about 0.4 ms on every conversion, whatever the character.
struct ConversionRoadPaths {
  std::unique_ptr<CStrokeWork> source;
  std::unique_ptr<CStrokeWork> converted;
};

ConversionRoadPaths& RoadPaths() {
  static ConversionRoadPaths paths;
  const int capacity = gWorkCanvas.m_nMaxPoints;
  for (std::unique_ptr<CStrokeWork>* path : {&paths.source, &paths.converted}) {
    if (!*path) {
      *path = std::make_unique<CStrokeWork>(capacity);
    } else if ((*path)->GetCapacity() != capacity) {
      (*path)->Reallocate(capacity);
    }
  }
  return paths;
}

bool IsFrameInProgress(const CCharDataFull& source) {
  const int percent = source.m_flags[kFlagMorphPercent];
  return source.m_flags[kFlagMorphState] != 0 && (percent != 0 || gAnimationMode == -1) &&
         (percent != 100 || gAnimationMode == 1);
}

}  // namespace

int CCharData::BuildOutline(CCharDataFull& source, COutlineDocument* doc) {
  CopySettingsAndNames(source);
  const bool inkActive = gWorkCanvas.m_bInkActive != 0;
  if (source.m_nPoints < kShortRecord && source.m_param[kShortRecordBuild] == 0 && !inkActive) {
    PreparePoints(source, true);
    // The gap points are temporary here too: nothing shapes them, nothing else drops them.
    if (gDropFlaggedPoints) DropFlaggedPoints();
    return 1;
  }

  if (m_param[kStyle] >= kConversionStyle || IsFrameInProgress(source)) {
    ConversionRoadPaths& paths = RoadPaths();
    source.ToStrokeWork(*paths.source);
    source.CopySettingsToWork(*paths.converted);
    // Switched off, the conversion hands back the character unchanged: the working record
    // shows it as drawn, and the drawn record keeps its own points.
    const int converted = Converter().ConvertCharacter(*paths.converted, *paths.source);
    FromStrokePathDedup(*paths.converted, &source);
    source.m_nOutlineDirty = 0;
    source.m_bConverted = 1;
    if (inkActive) {
      CurrentInkHandler().SetCollectorFlag(0);
      if (converted != 0) source.FromStrokePath(*paths.converted, false);
    }
    return 1;
  }

  bool changed = false;
  for (int p : kTransformParams) changed = changed || m_param[p] != 0;
  for (int p : kRebuildParams) changed = changed || m_param[p] != gOutlineParamCache[p];
  source.ComputeWidthLevels();

  const bool penMode = m_param[kPenMode] != 0;
  if (source.m_nOutlineDirty != 0 || changed) {
    std::optional<tmb::WaitCursor> wait;
    if (m_param[kCursiveDegree] > kWaitDegree) wait.emplace();
    if (doc) doc->m_pSourceRecord = &source;
    PreparePoints(source, true);
    if (!penMode) {
      CFPoint* points = doc && doc->m_pFloatPoints ? doc->m_pFloatPoints : EngineFloatPoints();
      FillFloatPoints(points, gResampleX.data(), gResampleY.data(), m_param[kResample]);
      ShapeCursive(points, m_param);
    }
  }
  gOutlineParamCache = m_param;
  if (gDropFlaggedPoints) DropFlaggedPoints();

  // Levels: one per segment; a one-point dip or bump between equal levels is levelled.
  int8_t* levels = source.m_pLevels.get();
  const bool keepDips = penMode && m_param[kStyle] >= kIntegerStyle;
  PointLevelCalculator(source, penMode ? 1 : 0, 0).FillSegmentLevels(*this, levels, keepDips);
  if (penMode) {
    ApplyTransforms();
    source.m_nOutlineDirty = 0;
    return 1;
  }

  source.FlagLinkSegments(*this);
  const uint8_t* links = source.m_pLinks.get();
  const bool perStroke = m_param[kCursiveDegree] == 0 || m_param[kFlow] == 0;
  ScaleLevelContrast(links, levels, float(m_param[kContrast]) / 100.0f + 1.0f, perStroke ? 1 : 0);
  SmoothLevels(*this, links, levels, perStroke);
  TaperLevels(*this, links, levels);
  ApplyTransforms();
  source.m_nOutlineDirty = 0;
  return 1;
}
