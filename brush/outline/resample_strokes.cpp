// Even-step resampling: the points of every stroke are replaced by points `step` pixels
// apart along the drawn polyline. Each new point is where a circle of radius step around
// the last kept point cuts the line of the current segment; the exact positions go to the
// resampling float arrays, the rounded ones to the record.
#include <algorithm>
#include <cmath>

#include "brush/outline/outline_state.h"
#include "brush/outline/point_rebuild.h"
#include "brush/outline/stroke_walks.h"
#include "core/record/char_data.h"

namespace {

constexpr int kStyle = 37;
constexpr int kFloatStyle = 300;
constexpr int kStepPerStroke = -100;
constexpr int kWalkedForEnd = 5;

// Appends the points of a walk, each with the attributes of the point its segment starts
// at but continuing the stroke: with the start's flag, every point made on a stroke's first
// segment would be a stroke of one point. False when out is full.
bool AppendWalked(PointRebuild& out, const CCharData& rec, const StrokeWalk& walk) {
  for (const WalkedPoint& p : walk.points) {
    if (!out.AppendAt(rec, p.from, p.at, 0, p.fx, p.fy)) return false;
  }
  return true;
}

}  // namespace

void CCharData::ResampleStrokes(int step) {
  if (m_nPoints <= 0) return;
  const double r = std::max(step, 1);
  PointRebuild out;
  // A stroke keeps its first point; the walk takes in the last point too, so a dot written
  // last is a stroke of its own.
  WalkStrokes(*this, kMaxCharPoints, [r](int, int) { return r; }, [&](const StrokeWalk& walk) {
    return out.Append(*this, walk.first) && AppendWalked(out, *this, walk);
  });
  out.CopyTo(*this);
  out.CopyFloatsTo(gResampleX.data(), gResampleY.data());
}

void CCharData::ResampleStrokesFloat(int step, int mode) {
  if (m_nPoints <= 0) return;
  step = std::max(step, 1);
  const bool floatStyle = m_param[kStyle] >= kFloatStyle;
  PointRebuild out;
  const auto stepOf = [step, mode](int first, int last) {
    return double(mode == kStepPerStroke ? std::max(2 * (last - first) / step, 2) : step);
  };
  WalkStrokes(*this, kMaxCharPoints, stepOf, [&](const StrokeWalk& walk) {
    if (!out.Append(*this, walk.first) || !AppendWalked(out, *this, walk)) return false;
    // The stroke's last point: with a short or low-style stroke in mode 0 only when the
    // stroke got no resampled point after its start.
    const int i = walk.last;
    const int walked = walk.last - walk.first;
    bool add = true;
    if ((!floatStyle || walked >= kWalkedForEnd) && mode == 0) add = out.FlagAt(out.Count() - 1) != 0;
    const float fx = float(m_pPoints[i].x);
    const float fy = float(m_pPoints[i].y);
    const int lastOut = out.Count() - 1;
    return !(add && !(out.FloatX(lastOut) == fx && out.FloatY(lastOut) == fy)) || out.Append(*this, i);
  });
  out.CopyTo(*this);
  out.CopyFloatsTo(gResampleX.data(), gResampleY.data());
}
