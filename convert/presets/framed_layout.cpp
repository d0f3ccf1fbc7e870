// The layout of framed parts: each frame's box (the frame or the bounds of its strokes)
// compared at one edge or axis, and the frame moved or resized with its strokes.
#include "convert/presets/framed_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numeric>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/geometry/rect_helpers.h"
#include "core/geometry/saturate.h"
#include "core/path/region_members.h"
#include "core/path/stroke_path.h"
#include "core/record/edit_regions.h"

namespace {

// Halves away from zero, held within the int range.
int RoundToInt(double v) { return SaturateToInt(std::round(v)); }

void MoveRect(tmb::Rect& r, int64_t dx, int64_t dy) {
  r = {SaturateToInt(r.left + dx), SaturateToInt(r.top + dy), SaturateToInt(r.right + dx),
       SaturateToInt(r.bottom + dy)};
}

// The six values of a box a layout can compare: its edges and its two centre axes.
double EdgeValue(const tmb::Rect& box, int edge) {
  switch (edge) {
    case kEdgeTop:
      return box.top;
    case kEdgeRight:
      return box.right;
    case kEdgeBottom:
      return box.bottom;
    case kEdgeCentreX:
      return box.left + double(RectWidth64(box)) / 2;
    case kEdgeCentreY:
      return box.top + double(RectHeight64(box)) / 2;
    default:
      return box.left;
  }
}

bool IsVertical(int edge) { return edge % 2 != 0; }

class FrameLayout {
 public:
  FrameLayout(CStrokePath& target, CEditRegions& regions, const CRegionMembers& members, int box)
      : target_(target),
        regions_(regions),
        members_(members),
        frames_(std::clamp(regions.m_nCount, 0, kEditRegionCount)),
        boxes_(box == kBoxFrame ? regions.m_rects : regions.m_rects2) {}

  // Calls fn on every point of the strokes frame holds (every framed point for -1).
  template <class Fn>
  void ForPoints(int frame, Fn fn) {
    const int entries = std::clamp(members_.m_nCount, 0, CRegionMembers::kMaxEntries);
    for (int k = 0; k < entries; ++k) {
      const CRegionMember& m = members_.m_entries[size_t(k)];
      if (frame >= 0 && m.region != frame) continue;
      const int first = std::clamp(m.first, 0, target_.m_nCount);
      const int last = std::clamp(m.last, first, target_.m_nCount);
      const tmb::Rect& box = boxes_[size_t(std::clamp(m.region, 0, kEditRegionCount - 1))];
      for (int i = first; i < last; ++i) fn(target_.m_pPoints[i], box);
    }
  }

  // Frame k and its strokes by shift along the edge's axis.
  void Shift(int k, int edge, int shift) {
    const int dx = IsVertical(edge) ? 0 : shift;
    const int dy = IsVertical(edge) ? shift : 0;
    MoveRect(regions_.m_rects[size_t(k)], dx, dy);
    ForPoints(k, [&](CFPoint& p, const tmb::Rect&) { p = CFPoint(float(double(p.x) + dx), float(double(p.y) + dy)); });
  }

  void Move(int dx, int dy) {
    ForPoints(-1, [&](CFPoint& p, const tmb::Rect&) { p = CFPoint(float(double(p.x) + dx), float(double(p.y) + dy)); });
    for (int k = 0; k < frames_; ++k) MoveRect(regions_.m_rects[size_t(k)], dx, dy);
  }

  bool HasReference() const { return regions_.m_nReference >= 0 && regions_.m_nReference < frames_; }

  void Align(int edge) {
    if (!HasReference()) return;
    const int r = regions_.m_nReference;
    const double value = EdgeValue(boxes_[size_t(r)], edge);
    for (int k = 0; k < frames_; ++k) {
      if (k != r) Shift(k, edge, RoundToInt(value - EdgeValue(boxes_[size_t(k)], edge)));
    }
  }

  void Distribute(int edge) {
    const int n = frames_ - 1;
    if (n <= 1) return;
    std::vector<double> values(static_cast<size_t>(frames_));
    for (int k = 0; k < frames_; ++k) values[size_t(k)] = EdgeValue(boxes_[size_t(k)], edge);
    // From the largest value to the smallest; equal values keep the frames' order.
    std::vector<int> order(static_cast<size_t>(frames_));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) { return values[size_t(x)] > values[size_t(y)]; });
    const double first = values[size_t(order.front())];
    const double step = (values[size_t(order.back())] - first) / n;
    for (int pos = 1; pos < n; ++pos) {
      const int k = order[size_t(pos)];
      Shift(k, edge, RoundToInt(first + step * pos - values[size_t(k)]));
    }
  }

  void Equalise(int dimension) {
    if (!HasReference()) return;
    const int r = regions_.m_nReference;
    const tmb::Rect model = boxes_[size_t(r)];
    for (int k = 0; k < frames_; ++k) {
      if (k == r) continue;
      const tmb::Rect box = boxes_[size_t(k)];
      tmb::Rect& frame = regions_.m_rects[size_t(k)];
      double fx = 0, fy = 0;
      if (dimension != kDimensionHeight) {
        fx = RectWidth64(box) != 0 ? double(RectWidth64(model)) / double(RectWidth64(box)) : 0.0;
        frame.left = box.left;
        frame.right = SaturateToInt(box.left + RectWidth64(model));
      }
      if (dimension != kDimensionWidth) {
        fy = RectHeight64(box) != 0 ? double(RectHeight64(model)) / double(RectHeight64(box)) : 0.0;
        frame.top = box.top;
        frame.bottom = SaturateToInt(box.top + RectHeight64(model));
      }
      ForPoints(k, [&](CFPoint& p, const tmb::Rect&) {
        if (dimension != kDimensionHeight) p.x = float(RoundToInt(box.left + (double(p.x) - box.left) * fx));
        if (dimension != kDimensionWidth) p.y = float(RoundToInt(box.top + (double(p.y) - box.top) * fy));
      });
    }
  }

  void Scale(int a, int b) {
    const double fx = a / 100.0, fy = b / 100.0;
    ForPoints(-1, [&](CFPoint& p, const tmb::Rect& box) {
      p = CFPoint(float(RoundToInt(box.left + (double(p.x) - box.left) * fx)),
                  float(RoundToInt(box.top + (double(p.y) - box.top) * fy)));
    });
    for (int k = 0; k < frames_; ++k) {
      const tmb::Rect box = boxes_[size_t(k)];
      tmb::Rect frame{box.left, box.top, RoundToInt(box.left + double(RectWidth64(box)) * fx),
                      RoundToInt(box.top + double(RectHeight64(box)) * fy)};
      // A negative percent mirrors the box: the frame keeps left <= right so that the
      // strokes are found in it again.
      frame.Normalize();
      regions_.m_rects[size_t(k)] = frame;
    }
  }

  void Centre(int dimension) {
    if (frames_ == 0) return;
    tmb::Rect u = boxes_[0];
    for (int k = 1; k < frames_; ++k) {
      const tmb::Rect& r = boxes_[size_t(k)];
      u = {std::min(u.left, r.left), std::min(u.top, r.top), std::max(u.right, r.right), std::max(u.bottom, r.bottom)};
    }
    const int64_t dx = (int64_t{gWorkCanvas.m_width} - (int64_t{u.left} + u.right)) / 2;
    const int64_t dy = (int64_t{gWorkCanvas.m_height} - (int64_t{u.top} + u.bottom)) / 2;
    Move(dimension != kDimensionHeight ? SaturateToInt(dx) : 0, dimension != kDimensionWidth ? SaturateToInt(dy) : 0);
  }

 private:
  CStrokePath& target_;
  CEditRegions& regions_;
  const CRegionMembers& members_;
  int frames_;
  const std::array<tmb::Rect, kEditRegionCount>& boxes_;
};

// Deletes the strokes of every entry; the later entries' ranges move back by what went.
void DeleteMembers(CStrokePath& target, const CRegionMembers& members) {
  const int entries = std::clamp(members.m_nCount, 0, CRegionMembers::kMaxEntries);
  int removed = 0;
  for (int k = 0; k < entries; ++k) {
    const CRegionMember& m = members.m_entries[size_t(k)];
    const int first = std::clamp(m.first - removed, 0, target.m_nCount);
    const int last = std::clamp(m.last - removed, first, target.m_nCount);
    target.DeleteRange(first, last);
    removed += last - first;
  }
}

}  // namespace

int LayoutFrames(CStrokePath& path, CStrokePath* second, int operation, CEditRegions& regions, int edge, int box,
                 int dimension, int a, int b) {
  CStrokePath& target = second ? *second : path;
  auto members = std::make_unique<CRegionMembers>();
  path.MatchStrokes(target, regions, *members);
  if (operation == kLayoutClear) {
    DeleteMembers(target, *members);
    CCellRectTable::Clear(regions);
    return 1;
  }
  FrameLayout layout(target, regions, *members, box);
  if (operation == kLayoutMove) {
    layout.Move(a, b);
    return 1;
  }
  target.GroupBounds(regions, *members);
  edge = std::clamp(edge, int(kEdgeLeft), int(kEdgeCentreY));
  switch (operation) {
    case kLayoutScale:
      layout.Scale(a, b);
      break;
    case kLayoutCentre:
      layout.Centre(dimension);
      break;
    case kLayoutAlign:
      layout.Align(edge);
      break;
    case kLayoutDistribute:
      layout.Distribute(edge);
      break;
    case kLayoutEqualise:
      layout.Equalise(dimension);
      break;
    default:
      break;
  }
  return 1;
}
