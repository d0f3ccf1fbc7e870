#include "convert/passes/link_point_insertion.h"

#include <cmath>

#include "convert/analysis/link_kind.h"
#include "convert/analysis/stroke_feature_table.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/scratch_paths.h"
#include "core/path/stroke_work.h"

namespace {

// Where the first link point lies for an end level of 2 and 1 (between it and half the
// spacing): one pixel from the end.
constexpr double kNearFirst = 1.0;

double FirstDistance(int endLevel, double half) {
  if (endLevel == 0) return half;
  return endLevel == 2 ? kNearFirst : (kNearFirst + half) / 2;
}

// Appends the link points of the gap from point i of path to out, at most room of them.
void AddGapPoints(CStrokeWork& out, const CStrokeWork& path, int i, const LinkKind& kind, double half, int room) {
  const CFPoint from = path.m_pPoints[i];
  const double gx = double(path.m_pPoints[i + 1].x) - from.x;
  const double gy = double(path.m_pPoints[i + 1].y) - from.y;
  const double len = std::sqrt(gx * gx + gy * gy);
  const double inc0 = 0.5 / (kind.score + 1);
  double inc = inc0;
  double t = FirstDistance(kind.endLevel, half);
  // Counted, so that a step lost in rounding against a far gap cannot run on for ever.
  for (int k = 0; k < room && t < len; ++k) {
    out.AppendPointFrom(path, i);
    const int o = out.GetCount() - 1;
    out.m_pPoints[o] = CFPoint(static_cast<float>(from.x + gx * t / len), static_cast<float>(from.y + gy * t / len));
    out.m_pFlags[o] = CStrokePath::kFlagLink;
    if (t > len / 2 && kind.startLevel != 2) inc = kind.startLevel != 0 ? 2 * inc0 : 2 * inc;
    t += half * inc;
  }
}

}  // namespace

int InsertLinkPoints(CStrokeWork& path, int spacing) {
  ScratchPath temp(path.GetCapacity());
  CStrokeWork& out = *temp;
  const double half = spacing / 2.0;
  const int n = path.GetCount();
  for (int i = 0; i < n; ++i) {
    out.AppendPointFrom(path, i);
    if (!StartsLinkGap(path, i, path.m_param) || path.m_pPoints[i + 1] == path.m_pPoints[i]) continue;
    gMarkers.EnablePosting(0);
    const LinkKind kind = ClassifyLink(path, i, path.m_param, gStrokeFeatureTable);
    path.m_pFlags[i + 1] = kind.flag;
    // The points still to copy keep their places.
    const int room = out.GetCapacity() - out.GetCount() - (n - i - 1);
    if (spacing >= 1) AddGapPoints(out, path, i, kind, half, room);
  }
  path.CopyRangeFrom(out, 0, out.GetCount());
  path.m_bLinkPoints = 1;
  return 1;
}
