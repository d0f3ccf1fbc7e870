#include "core/onebit/outline_trace.h"

#include <algorithm>
#include <cstdlib>

#include "core/onebit/region_masks.h"
#include "core/onebit/region_scan.h"
#include "core/onebit/trace_buffer.h"
#include "core/onebit/mask_rows.h"

namespace {

// Clockwise from the left, x to the right and y downwards.
constexpr tmb::Point kSteps[8] = {{-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}};
// The chain follower's, clockwise from the east.
constexpr tmb::Point kChainSteps[8] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
constexpr int kSearchOuter = 2;  // up
constexpr int kSearchHole = 6;   // down
constexpr uint8_t kNoDirection = 0xFF;

// Both tables hold the axis steps at even places.
bool IsAxisStep(int k) { return (k & 1) == 0; }

// The first index from `from` on (8 entries round) whose neighbour of p is ink; -1 when none.
int FindInkStep(const CMonoBitmap& mask, const tmb::Point (&steps)[8], tmb::Point p, int from) {
  for (int n = 0; n < 8; ++n) {
    const int k = (from + n) & 7;
    if (!mask.TestBit(p.x + steps[k].x, p.y + steps[k].y)) return k;
  }
  return -1;
}

// The points a follower stores: a step along an axis in the direction of the last stored
// point grows that point's run offset while both its components stay within the run
// limit; any other step stores a new point with its direction.
class FollowedPoints {
 public:
  FollowedPoints(const TracePoints& out, int runLimit)
      : out_(out), runLimit_(runLimit),
        capacity_(std::min({out.points.size(), out.directions.size(), out.runOffsets.size()})) {}

  // False when there is no room.
  bool Store(tmb::Point p, uint8_t direction) {
    if (n_ >= capacity_) return false;
    out_.points[n_] = p;
    out_.directions[n_] = direction;
    out_.runOffsets[n_] = {0, 0};
    ++n_;
    return true;
  }
  bool Step(tmb::Point to, int k, const tmb::Point (&steps)[8]) {
    tmb::Point& run = out_.runOffsets[n_ - 1];
    const tmb::Point grown{run.x + steps[k].x, run.y + steps[k].y};
    if (IsAxisStep(k) && out_.directions[n_ - 1] == k && std::abs(grown.x) <= runLimit_ &&
        std::abs(grown.y) <= runLimit_) {
      run = grown;
      return true;
    }
    return Store(to, uint8_t(k));
  }
  size_t count() const { return n_; }
  tmb::Point last() const { return out_.points[n_ - 1]; }
  tmb::Point at(size_t i) const { return out_.points[i]; }

 private:
  const TracePoints& out_;
  int runLimit_;
  size_t capacity_;
  size_t n_ = 0;
};

}  // namespace

int FollowOutline(const CMonoBitmap& mask, int x, int y, const TracePoints& out, int runLimit, CMonoBitmap& visited,
                  int hole) {
  FollowedPoints points(out, runLimit);
  const tmb::Point start{x, y};
  if (!points.Store(start, kNoDirection)) return -1;
  int k = FindInkStep(mask, kSteps, start, hole ? kSearchHole : kSearchOuter);
  if (k < 0) {
    visited.SetBit(x, y, 1);
    return 0;
  }
  const int firstStep = k;
  // Every edge of the outline is passed at most once each way.
  const long long maxSteps = 4LL * mask.m_width * mask.m_height + 8;
  tmb::Point cur = start;
  for (long long step = 0; step < maxSteps; ++step) {
    visited.SetBit(cur.x, cur.y, 1);
    cur = {cur.x + kSteps[k].x, cur.y + kSteps[k].y};
    if (!points.Step(cur, k, kSteps)) return -1;
    // The search goes on from the neighbour after the one the step came from.
    k = FindInkStep(mask, kSteps, cur, k + 5);
    if (cur.x == start.x && cur.y == start.y && k == firstStep) break;
  }
  const tmb::Point last = points.last();
  if ((last.x != start.x || last.y != start.y) && !points.Store(start, kNoDirection)) return -1;
  for (size_t i = 0; i < points.count(); ++i) visited.SetBit(points.at(i).x, points.at(i).y, 1);
  return int(points.count());
}

int FollowChain(CMonoBitmap& mask, int x, int y, const TracePoints& out, int runLimit) {
  FollowedPoints points(out, runLimit);
  tmb::Point cur{x, y};
  if (!points.Store(cur, kNoDirection)) return -1;
  mask.SetBit(x, y, 1);
  int k = FindInkStep(mask, kChainSteps, cur, 0);
  if (k < 0) return 0;
  // Each step consumes the pixel it reaches, so the walk ends when no ink is left beside.
  for (; k >= 0; k = FindInkStep(mask, kChainSteps, cur, 0)) {
    cur = {cur.x + kChainSteps[k].x, cur.y + kChainSteps[k].y};
    mask.SetBit(cur.x, cur.y, 1);
    if (!points.Step(cur, k, kChainSteps)) return -1;
  }
  return int(points.count());
}

bool IsContourStart(int x, int y, const CMonoBitmap& border, const CMonoBitmap& filled) {
  if (border.CountInk8(x, y) == 0) return false;
  auto ink = [&](int dx, int dy) { return filled.TestBit(x + dx, y + dy) == 0; };
  if (ink(1, 1)) {
    if (!ink(1, 0) && ink(1, -1) && ink(2, 0)) return false;
    if (!ink(0, 1) && ink(-1, 1) && ink(0, 2)) return false;
  }
  if (!ink(-1, 1)) return true;
  if (!ink(-1, 0) && ink(-1, -1) && ink(-2, 0)) return false;
  return !(!ink(0, 1) && ink(1, 1) && ink(0, 2));
}

int TraceRegionOutlines(CMonoBitmap& border, tmb::DeviceContext* /*pDC*/, const CMonoBitmap& copy,
                        const CMonoBitmap& filled) {
  CTraceBuffer& buffer = gTraceBuffer;
  if (!buffer.m_bAllocated) return -1;
  CStrokePathLite& lite = *buffer.m_pLite;
  buffer.m_holeFlags.Clear();
  const int capacity = std::min({lite.m_nCapacity, int(buffer.m_directions.size()), int(buffer.m_runOffsets.size())});
  int count = 0;
  bool full = false;
  const tmb::Rect area = RegionWithin(border, {0, 0, border.m_width, border.m_height});
  ForEachInkPixel(border, area, [&](int x, int y) {
    if (full || border.TestBit(x, y) || !IsContourStart(x, y, border, filled)) return;
    const int hole = !filled.TestBit(x, y - 1) && filled.TestBit(x, y + 1) ? 1 : 0;
    const size_t from = size_t(count), room = size_t(capacity - count);
    const TracePoints out{{lite.m_pPoints + from, room}, {buffer.m_directions.data() + from, room},
                          {buffer.m_runOffsets.data() + from, room}};
    const int n = FollowOutline(copy, x, y, out, 1, border, hole);
    if (n < 0 || (n > 1 && buffer.m_holeFlags.Append(uint8_t(hole)) < 0)) {
      full = true;
      return;
    }
    if (n <= 1) return;  // a single pixel makes no outline
    for (int i = 0; i < n; ++i) lite.m_pFlags[count + i] = i == 0 ? 1 : 0;
    count += n;
  });
  lite.m_nCount = count;
  buffer.m_pPath->CopyFromLite(lite);
  return full ? -1 : count;
}

int TraceImageRegion(tmb::DeviceContext* pDC, const tmb::Surface* picture, int left, int top, int right, int bottom) {
  if (gTraceBuffer.m_bAllocated) gTraceBuffer.m_pLite->m_nCount = 0;
  CMonoBitmap a, b, c;
  if (!BuildRegionMasks(pDC, picture, left, top, right, bottom, a, b, c, MaskDibRows(0), MaskDibRows(1),
                        MaskDibRows(2), nullptr)) {
    return 0;
  }
  return TraceRegionOutlines(b, pDC, c, a);
}
