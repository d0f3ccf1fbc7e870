#include "imageedit/vectorise/skeleton_trace.h"

#include <algorithm>
#include <cstdlib>

#include "core/canvas/work_canvas.h"
#include "core/onebit/region_scan.h"

namespace {

constexpr tmb::Point kSteps[8] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
constexpr uint8_t kRingFlag = 2;

// The first junction within one pixel of p, or null.
const tmb::Point* JunctionNear(tmb::Point p, std::span<const tmb::Point> junctions) {
  for (const tmb::Point& j : junctions) {
    if (std::abs(j.x - p.x) < 2 && std::abs(j.y - p.y) < 2) return &j;
  }
  return nullptr;
}

// The step to the first ink neighbour of p, the neighbours taken from the east round
// clockwise; -1 when none is ink.
int NextStep(const CMonoBitmap& mask, tmb::Point p) {
  for (int k = 0; k < 8; ++k) {
    if (!mask.TestBit(p.x + kSteps[k].x, p.y + kSteps[k].y)) return k;
  }
  return -1;
}

// Whether the pixel ends a branch: one ink neighbour.
bool EndsBranch(const CMonoBitmap& mask, int x, int y) {
  return mask.CountInk8(x, y) == 1;
}

}  // namespace

int FollowSkeletonLine(CMonoBitmap& mask, int x, int y, std::span<tmb::Point> out,
                       std::span<const tmb::Point> junctions) {
  size_t n = 0;
  bool full = false;
  auto store = [&](tmb::Point p) {
    if (n > 0 && out[n - 1].x == p.x && out[n - 1].y == p.y) return;
    if (n >= out.size()) {
      full = true;
      return;
    }
    out[n++] = p;
  };
  const tmb::Point start{x, y};
  if (const tmb::Point* j = JunctionNear(start, junctions)) store(*j);
  store(start);
  mask.SetBit(x, y, 1);
  tmb::Point cur = start;
  // Past the junctions a branch pixel has one neighbour ahead; the walk stops where that
  // is not so. The start is stored once, not again as the walk's first point.
  for (int next = NextStep(mask, cur); !full && next >= 0 && mask.CountInk8(cur.x, cur.y) == 1;
       next = NextStep(mask, cur)) {
    cur = {cur.x + kSteps[next].x, cur.y + kSteps[next].y};
    store(cur);
    mask.SetBit(cur.x, cur.y, 1);
  }
  // Without room nothing was stored to end on.
  if (n == 0) return -1;
  if (const tmb::Point* j = JunctionNear(out[n - 1], junctions)) store(*j);
  return full ? -1 : int(n);
}

int TraceSkeleton(CStrokePath& path, CMonoBitmap& mask, int left, int top, int right, int bottom) {
  const tmb::Rect area = RegionWithin(mask, {left, top, right, bottom});
  const size_t capacity = size_t(std::max(gWorkCanvas.m_nMaxPoints, 1));
  std::vector<tmb::Point> junctions;
  bool full = false;
  ForEachInkPixel(mask, area, [&](int x, int y) {
    if (mask.CountInk8(x, y) <= 2) return;
    if (junctions.size() < capacity) {
      junctions.push_back({x, y});
    } else {
      full = true;
    }
  });
  for (const tmb::Point& j : junctions) mask.SetBit(j.x, j.y, 1);

  path.SetCount(0);
  std::vector<tmb::Point> branch(size_t(std::max(path.GetCapacity(), 1)));
  int strokes = 0;
  // Appends a branch as a stroke, whole or not at all.
  auto trace = [&](int x, int y, uint8_t flag) {
    const int room = path.GetCapacity() - path.GetCount();
    const int n = FollowSkeletonLine(mask, x, y, {branch.data(), size_t(std::max(room, 0))}, junctions);
    if (n < 0 || room <= 0) {
      full = true;
      return;
    }
    for (int i = 0; i < n; ++i) path.AppendPoint(branch[size_t(i)].x, branch[size_t(i)].y, i == 0 ? flag : 0);
    ++strokes;
  };
  ForEachInkPixel(mask, area, [&](int x, int y) {
    if (!full && !mask.TestBit(x, y) && EndsBranch(mask, x, y)) trace(x, y, CStrokePath::kFlagStart);
  });
  // What is left has no ends: rings, each closed on the pixel it starts from.
  ForEachInkPixel(mask, area, [&](int x, int y) {
    if (full || mask.TestBit(x, y)) return;
    mask.SetBit(x, y, 1);
    const int next = NextStep(mask, {x, y});
    if (next < 0) return;  // a crumb left between junctions
    // The walk starts beside the pixel and ends beside it again: taken as a junction, the
    // pixel opens and closes the ring.
    junctions.push_back({x, y});
    trace(x + kSteps[next].x, y + kSteps[next].y, kRingFlag);
    junctions.pop_back();
  });
  return full ? -1 : strokes;
}
