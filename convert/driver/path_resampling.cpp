#include "convert/driver/path_resampling.h"

#include <algorithm>
#include <cmath>

#include "convert/driver/scratch_paths.h"
#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_work.h"

int gUnitPassActive = 0;

float AdaptiveSpacing(const CStrokePath& path, int i, float s) {
  const float len = path.StrokeLength(i);
  if (8.0 * s > len) return static_cast<float>(len / 8.0);
  if (32.0 * s < len) return static_cast<float>(len / 32.0);
  return s;
}

namespace {

// Where the walk puts its points: into a path (with the values of the point each new one
// follows), or nowhere but a count, for searches that need only how many there would be.
class PathSink {
 public:
  explicit PathSink(CStrokePath& out) : out_(out) { out_.SetCount(0); }
  int count() const { return out_.m_nCount; }
  int capacity() const { return out_.GetCapacity(); }
  bool AppendFrom(const CStrokePath& path, int i, uint8_t flag) {
    if (!out_.AppendPointFrom(path, i)) return false;
    out_.m_pFlags[out_.m_nCount - 1] = flag;
    return true;
  }
  void SetLastPoint(CFPoint p) { out_.m_pPoints[out_.m_nCount - 1] = p; }
  void DropLast() { out_.SetCount(out_.m_nCount - 1); }
  CFPoint LastPoint() const { return out_.m_pPoints[out_.m_nCount - 1]; }
  uint8_t LastFlag() const { return out_.m_pFlags[out_.m_nCount - 1]; }

 private:
  CStrokePath& out_;
};

class CountSink {
 public:
  explicit CountSink(int capacity) : capacity_(capacity) {}
  int count() const { return count_; }
  int capacity() const { return capacity_; }
  bool AppendFrom(const CStrokePath& path, int i, uint8_t flag) {
    if (count_ >= capacity_) return false;
    ++count_;
    previous_ = last_;
    previousFlag_ = lastFlag_;
    last_ = path.m_pPoints[i];
    lastFlag_ = flag;
    return true;
  }
  void SetLastPoint(CFPoint p) { last_ = p; }
  // Only ever right after an append: the point before it is the last one again, with its
  // flag, as in a path.
  void DropLast() {
    --count_;
    last_ = previous_;
    lastFlag_ = previousFlag_;
  }
  CFPoint LastPoint() const { return last_; }
  uint8_t LastFlag() const { return lastFlag_; }

 private:
  int capacity_;
  int count_ = 0;
  CFPoint last_{0, 0};
  uint8_t lastFlag_ = 0;
  CFPoint previous_{0, 0};
  uint8_t previousFlag_ = 0;
};

template <typename Sink>
ResampleResult Walk(const CStrokePath& path, Sink& temp, float s, int endRule, int endDistance2) {
  double s2 = double(s) * s;
  if (!(s2 > 0)) return {};
  const int n = path.GetCount();
  // New points along a segment stop one short of the capacity, and once the path holds
  // that many the walk ends.
  const int limit = temp.capacity() - 1;
  bool truncated = false;
  CFPoint anchor(0, 0);
  int walked = 0;  // points walked since the stroke's start
  for (int i = 0; i < n && !truncated; ++i) {
    const CFPoint p = path.m_pPoints[i];
    // The first point starts a stroke whatever its flag: the walk needs an anchor.
    if (path.m_pFlags[i] != 0 || i == 0) {
      if (!temp.AppendFrom(path, i, path.m_pFlags[i])) {
        truncated = true;
        break;
      }
      anchor = p;
      walked = 0;
      if (gUnitPassActive != 0) s2 = std::pow(double(AdaptiveSpacing(path, i, s)), 2);
    }
    if (!path.IsStrokeLast(i)) {
      const CFPoint next = path.m_pPoints[i + 1];
      if (p != next) {
        const CFPoint seg = next - p;
        const double seg2 = SquaredDistance(p, next);
        while (SquaredDistance(anchor, next) >= s2 && temp.count() < limit) {
          CFPoint foot = anchor;
          ProjectPointOnLine(p, next, anchor, &foot);
          const double h2 = SquaredDistance(anchor, foot);
          const double t = std::sqrt(std::fabs(s2 - h2) / seg2);
          const CFPoint made(static_cast<float>(foot.x + seg.x * t), static_cast<float>(foot.y + seg.y * t));
          temp.AppendFrom(path, i, CStrokePath::kFlagContinue);
          temp.SetLastPoint(made);
          // A spacing below the float step at these coordinates makes no headway: the
          // point is taken back and the walk goes on with the next source point.
          if (made == anchor) {
            temp.DropLast();
            break;
          }
          anchor = made;
        }
        if (temp.count() >= limit) {
          truncated = true;
          break;
        }
      }
      ++walked;
      continue;
    }
    if (endRule == kResampleNoEnds || temp.count() <= 0) continue;
    if (endRule != kResampleAllEnds && walked > endRule && temp.LastFlag() == 0) continue;
    const CFPoint last = temp.LastPoint();
    if (p == last || !(SquaredDistance(p, last) > endDistance2)) continue;
    if (!temp.AppendFrom(path, i, CStrokePath::kFlagContinue)) {
      truncated = true;
      break;
    }
  }
  return {temp.count(), truncated};
}

}  // namespace

ResampleResult ResamplePath(CStrokePath& path, float s, int endRule, int endDistance2) {
  if (!(double(s) * s > 0)) return {};
  ScratchPath out(path.GetCapacity());
  const ResampleResult result = ResamplePathInto(path, *out, s, endRule, endDistance2);
  path.CopyRangeFrom(*out, 0, out->m_nCount);
  return {path.GetCount(), result.truncated};
}

ResampleResult ResamplePathInto(const CStrokePath& path, CStrokePath& out, float s, int endRule, int endDistance2) {
  PathSink sink(out);
  return Walk(path, sink, s, endRule, endDistance2);
}

int CountResampledPoints(const CStrokePath& path, float s, int endRule, int endDistance2, int capacity) {
  CountSink sink(capacity);
  return Walk(path, sink, s, endRule, endDistance2).count;
}

void SmoothValueRun(std::span<float> values, int a, int b, int passes) {
  const int size = static_cast<int>(values.size());
  a = std::max(a, 0);
  b = std::min(b, size - 2);  // values[b + 1] is the last one written
  if (a > b || passes <= 0) return;
  for (int round = 0; round < 10 * passes; ++round) {
    for (int k = a; k < b; ++k) values[k + 1] = static_cast<float>((double(values[k]) + values[k + 2]) / 2);
    int rough = 0;
    for (int k = a; k <= b; ++k) rough += std::fabs(double(values[k + 1]) - values[k]) > 1.0 ? 1 : 0;
    if (rough == 0 && round + 1 >= passes) break;
  }
}
