// Editing a path in place: rounding, deleting ranges and removing repeated points, short
// strokes and matching points. Removals compact the path from the front, so every slot is
// read before it is overwritten.
#include <algorithm>
#include <vector>

#include "core/geometry/point_distance.h"
#include "core/path/stroke_path.h"

void CStrokePath::RoundPoints(int first, int last) {
  if (first < 0 || last < 0) {
    first = 0;
    last = m_nCount;
  }
  ClipRange(first, last);
  for (int i = first; i < last; ++i) {
    tmb::Point p = m_pPoints[i].RoundToPoint();
    m_pPoints[i].Set(p.x, p.y);
  }
}

int CStrokePath::RemoveDuplicates() { return CopyWithoutDuplicates(*this, 1); }

void CStrokePath::DeleteRange(int first, int last) {
  ClipRange(first, last);
  int n = last - first;
  if (n <= 0) return;
  bool removedStart = std::any_of(m_pFlags + first, m_pFlags + last, [](uint8_t f) { return f != 0; });
  CopySlots(*this, last, first, m_nCount - last);
  m_nCount -= n;
  if (removedStart && first < m_nCount) m_pFlags[first] = kFlagStart;
}

void CStrokePath::RemoveRepeatsInRange(int first, int last) {
  if (m_nCount <= 0) return;
  if (first < 0) {
    first = 0;
    last = m_nCount - 1;
  }
  last = std::min(last, m_nCount - 1);
  // An empty range changes nothing; compacting from first would then move the points
  // after last up over ones not yet read, and past the capacity.
  if (first >= m_nCount || last < first) return;
  int w = first;
  tmb::Point strokeFirst = m_pPoints[FindStrokeStart(first)].RoundToPoint();
  for (int i = first; i <= last; ++i) {
    tmb::Point p = m_pPoints[i].RoundToPoint();
    bool strokeLast = IsStrokeLast(i);  // reads i + 1, not yet overwritten
    bool keep = true;
    if (m_pFlags[i] != 0) {
      strokeFirst = p;
    } else if (w > 0 && p == m_pPoints[w - 1].RoundToPoint()) {
      keep = false;
    } else if (strokeLast && p == strokeFirst) {
      keep = false;
    }
    if (keep) CopySlots(*this, i, w++, 1);
    if (strokeLast) {
      while (w > first && m_pFlags[w - 1] == 0 && m_pPoints[w - 1].RoundToPoint() == strokeFirst) --w;
    }
  }
  for (int i = last + 1; i < m_nCount; ++i) CopySlots(*this, i, w++, 1);
  m_nCount = w;
}

namespace {

struct StrokeSpan {
  int first;
  int last;
};

// Removes the strokes for which drop (first, last) holds; returns how many.
template <typename Drop>
int RemoveStrokesWhere(CStrokePath& path, Drop drop) {
  std::vector<StrokeSpan> doomed;
  for (int s = 0; s < path.m_nCount;) {
    int e = path.FindStrokeEnd(s);
    if (drop(s, e)) doomed.push_back({s, e});
    s = e + 1;
  }
  if (doomed.empty()) return 0;
  // Compact, skipping the doomed spans (listed in order).
  int w = 0;
  size_t k = 0;
  for (int i = 0; i < path.m_nCount; ++i) {
    if (k < doomed.size() && i >= doomed[k].first) {
      if (i == doomed[k].last) ++k;
      continue;
    }
    path.CopyPointFrom(path, i, w++);
  }
  path.m_nCount = w;
  return static_cast<int>(doomed.size());
}

}  // namespace

int CStrokePath::RemoveShortStrokes(int minLength) {
  return RemoveStrokesWhere(*this, [&](int s, int e) {
    // In double, not cast to int: a path far out has a length past the int range.
    return s == e || double(PathLength(s, e, 0)) < double(minLength);
  });
}

int CStrokePath::RemoveStrokesByPointCount(int n) {
  return RemoveStrokesWhere(*this, [&](int s, int e) { return e - s <= n; });
}

int CStrokePath::RemoveMatchingPoints(const CStrokePath& other, int markNext) {
  // Read other's points first: other may be this path.
  std::vector<CFPoint> targets(other.m_pPoints, other.m_pPoints + other.m_nCount);
  int w = 0;
  int removed = 0;
  bool flagNext = false;
  for (int i = 0; i < m_nCount; ++i) {
    if (std::find(targets.begin(), targets.end(), m_pPoints[i]) != targets.end()) {
      ++removed;
      if (m_pFlags[i] != 0 || markNext) flagNext = true;
      continue;
    }
    CopySlots(*this, i, w++, 1);
    if (flagNext) {
      m_pFlags[w - 1] = kFlagStart;
      flagNext = false;
    }
  }
  m_nCount = w;
  return removed;
}

int CStrokePath::DropShortEndSegments(float d) {
  double d2 = double(d) * d;
  int w = 0;
  int dropped = 0;
  uint8_t carried = 0;
  for (int i = 0; i < m_nCount; ++i) {
    bool nextEndsStroke = i + 1 < m_nCount && m_pFlags[i + 1] == 0 && IsStrokeLast(i + 1);
    if (nextEndsStroke && SquaredDistance(m_pPoints[i], m_pPoints[i + 1]) <= d2) {
      ++dropped;
      // A dropped stroke start passes its flag on, so the stroke keeps its start.
      carried = m_pFlags[i];
      continue;
    }
    CopySlots(*this, i, w++, 1);
    if (carried != 0) {
      m_pFlags[w - 1] = carried;
      carried = 0;
    }
  }
  m_nCount = w;
  return dropped;
}

int CStrokePath::RemoveLastStroke() {
  if (m_nCount > 0) m_nCount = FindStrokeStart(m_nCount - 1);
  return 1;
}
