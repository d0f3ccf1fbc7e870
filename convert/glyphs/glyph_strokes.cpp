#include "convert/glyphs/glyph_strokes.h"

#include <algorithm>

#include "convert/analysis/kink_removal.h"
#include "convert/analysis/outline_smoothing.h"
#include "convert/analysis/reversed_ends.h"
#include "convert/analysis/side_points.h"
#include "convert/analysis/staged_smoothing.h"
#include "convert/analysis/step_cleaning.h"
#include "convert/driver/path_resampling.h"
#include "core/path/point_index_list.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_path_ex.h"

int gPreparedGlyphs = 0;

namespace {

constexpr int kParamCursive = 0;
constexpr int kParamEndSmoothing = 260;
constexpr int kParamSmoothing = 201;
constexpr int kParamScratch = 220;
constexpr float kOutlineSpacing = 1.0f;
constexpr int kOutlineEndRule = 5;
constexpr int kOutlineEndDistance2 = 2;
constexpr int kKinkLevel = 1;
constexpr tmb::Colour kOutlineColour = 0xFFC000;

}  // namespace

void ReverseStrokes(CStrokePath& path, int first) {
  for (int s = std::max(first, 0); s < path.GetCount();) {
    const int e = path.FindStrokeEnd(s);
    std::reverse(path.m_pPoints + s, path.m_pPoints + e + 1);
    std::reverse(path.m_pAttrs + s, path.m_pAttrs + e + 1);
    if (path.m_bHasRecords && path.m_pRecords) std::reverse(path.m_pRecords + s, path.m_pRecords + e + 1);
    path.m_pFlags[s] = CStrokePath::kFlagStart;
    std::fill(path.m_pFlags + s + 1, path.m_pFlags + e + 1, CStrokePath::kFlagContinue);
    s = e + 1;
  }
}

int PrepareGlyphStrokes(CStrokePathEx& path, const ParamBlock& params, bool findNear) {
  CStrokePath& outline = *path.m_pOutline;
  UpdateSidePoints(path, 1, 0, params[kParamCursive], params[kParamEndSmoothing]);
  ResamplePath(outline, kOutlineSpacing, kOutlineEndRule, kOutlineEndDistance2);
  if (params[kParamScratch] != 0 && params[kParamSmoothing] != 0) {
    CPointIndexList anchors;
    FindReversedEnds(path, outline, anchors);
    // A value read from a file must not set the work of every preparation.
    const int passes = std::clamp<int>(params[kParamSmoothing], 0, kMaxSmoothingPasses);
    SmoothContoursAnchored(outline, passes, anchors, -1, -1, 0, 0);
  }
  RemoveKinks(outline, kKinkLevel);
  if (findNear) CleanSteps(outline, 1, 0);
  ++gPreparedGlyphs;
  return 1;
}

void DrawPathOutline(tmb::DeviceContext* dc, const CStrokePath& path) { path.DrawLines(dc, kOutlineColour, 0, 0); }
