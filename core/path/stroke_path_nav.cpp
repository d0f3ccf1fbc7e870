// Finding a point's stroke, section and segment, cyclic neighbours inside a stroke, and
// stroke numbering.
#include <algorithm>
#include <cstdlib>

#include "core/geometry/point_distance.h"
#include "core/path/stroke_path.h"

namespace {

bool IsSectionBreak(uint8_t flag) { return flag == 1 || flag == 2; }

bool EndsSegmentBefore(uint8_t flag) { return flag == 1 || flag == 2 || flag == 4 || flag == 255; }

// i + offset wrapped once into [start, end] and clamped there.
int WrapOnce(int i, int offset, int start, int end) {
  int k = i + offset;
  if (k > end) k = i + offset - (end - start) - 1;
  if (k < start) k = end - start + k + 1;
  return std::clamp(k, start, std::max(start, end));
}

int ShorterWayRound(int a, int b, int start, int end) {
  int wrap = b > a ? (a - start) + (end - b) : (b - start) + (end - a);
  return std::min(std::abs(b - a), wrap);
}

}  // namespace

bool CStrokePath::IsStrokeLast(int i) const {
  if (i >= m_nCount - 1) return true;
  return m_pFlags[std::max(i, -1) + 1] != 0;
}

bool CStrokePath::IsStrokeBoundary(int i) const {
  return (i >= 0 && i < m_nCount && m_pFlags[i] != 0) || IsStrokeLast(i);
}

bool CStrokePath::IsSectionLast(int i) const {
  if (i >= m_nCount - 1) return true;
  return IsSectionBreak(m_pFlags[std::max(i, -1) + 1]);
}

int CStrokePath::FindStrokeEnd(int i) const {
  i = std::max(i, 0);
  while (!IsStrokeLast(i)) ++i;
  return i;
}

int CStrokePath::FindStrokeStart(int i) const {
  for (int j = std::min(i, m_nCount - 1); j >= 1; --j) {
    if (m_pFlags[j] != 0) return j;
  }
  return 0;
}

int CStrokePath::FindStrokeStartStrict(int i) const {
  for (int j = std::min(i, m_nCount - 1); j >= 1; --j) {
    if (m_pFlags[j] == kFlagStart) return j;
  }
  return 0;
}

int CStrokePath::FindSegmentEnd(int i) const {
  i = std::max(i, 0);
  while (i + 1 < m_nCount && !EndsSegmentBefore(m_pFlags[i + 1])) ++i;
  return i;
}

int CStrokePath::FindNextBreak(int i) const {
  for (int j = std::max(i + 1, 0); j < m_nCount; ++j) {
    if (IsSectionBreak(m_pFlags[j])) return j;
  }
  return m_nCount;
}

int CStrokePath::GetStrokeBound(int i, int dir) const { return dir < 1 ? FindStrokeStart(i) : FindStrokeEnd(i); }

int CStrokePath::GetStrokeBoundIndex(int i) const {
  return GetFlag(i) != 0 ? FindStrokeEnd(i) : FindStrokeStart(i);
}

int CStrokePath::GetStrokeRange(int i, int& start, int& endExcl) const {
  start = FindStrokeStart(i);
  endExcl = i >= m_nCount ? m_nCount : FindStrokeEnd(i) + 1;
  return 1;
}

int CStrokePath::FindPrevFlag(int i) const { return FindStrokeStart(i); }

int CStrokePath::NextInStroke(int i, int wrapTo) const {
  if (!IsStrokeLast(i)) return i + 1;
  return wrapTo < 0 ? FindStrokeStart(i) : wrapTo;
}

int CStrokePath::NextInSegment(int i, int wrapTo) const {
  if (!IsSectionLast(i)) return i + 1;
  return wrapTo < 0 ? FindStrokeStartStrict(i) : wrapTo;
}

int CStrokePath::PrevInStroke(int i, int wrapTo) const {
  // The first point of the path begins a stroke whatever its flag.
  if (i > 0 && GetFlag(i) == 0) return i - 1;
  return wrapTo < 0 ? FindStrokeEnd(i) : wrapTo;
}

CFPoint CStrokePath::NextPoint(int i, int wrapTo) const { return GetPoint(NextInStroke(i, wrapTo)); }

CFPoint CStrokePath::PrevPoint(int i, int wrapTo) const { return GetPoint(PrevInStroke(i, wrapTo)); }

CFPoint CStrokePath::NextPointClamped(int i) const { return GetPoint(IsStrokeLast(i) ? i : i + 1); }

CFPoint CStrokePath::PrevPointClamped(int i) const { return GetPoint(i > 0 && GetFlag(i) == 0 ? i - 1 : i); }

int CStrokePath::NextSkippingType3(int i) const {
  if (m_nCount <= 0) return i;
  int j = NextInStroke(i, -1);
  while (j != i && m_pAttrs[j] == kAttrSkip) j = NextInStroke(j, -1);
  return j;
}

int CStrokePath::PrevSkippingType3(int i) const {
  if (m_nCount <= 0) return i;
  int j = PrevInStroke(i, -1);
  while (j != i && m_pAttrs[j] == kAttrSkip) j = PrevInStroke(j, -1);
  return j;
}

int CStrokePath::WrapIndexInStroke(int i, int offset, int start, int end) const {
  if (start < 0) start = FindStrokeStart(i);
  if (end < 0) end = FindStrokeEnd(i);
  return WrapOnce(i, offset, start, end);
}

int CStrokePath::WrapIndexInSection(int i, int offset, int start, int end) const {
  if (start < 0) start = FindStrokeStartStrict(i);
  if (end < 0) end = FindSegmentEnd(i);
  return WrapOnce(i, offset, start, end);
}

int CStrokePath::FillCyclicIndices(std::span<int> out, int i, int start, int end, int n) {
  int limit = std::min<int>(n, static_cast<int>(out.size()));
  for (int k = 0; k < limit; ++k) {
    int v = i + k;
    out[k] = v > end ? v - (end - start) - 1 : v;
  }
  return 1;
}

int CStrokePath::IndexDistanceInStroke(int a, int b) const {
  int end = FindStrokeEnd(a);
  if (end != FindStrokeEnd(b)) return -1;
  return ShorterWayRound(a, b, FindStrokeStart(a), end);
}

int CStrokePath::IndexDistanceInSection(int a, int b) const {
  int end = FindSegmentEnd(a);
  if (end != FindSegmentEnd(b)) return -1;
  return ShorterWayRound(a, b, FindStrokeStartStrict(a), end);
}

int CStrokePath::IsWithinInStroke(int a, int b, int n) const {
  int start = FindStrokeStart(a);
  if (start != FindStrokeStart(b)) return 0;
  int end = FindStrokeEnd(a);
  if (std::abs(a - b) < n || (end - a + b - start) < n || (end - b + a - start) < n) return 1;
  return 0;
}

int CStrokePath::CyclicDistance(int a, int b, int start, int end) {
  int len = end + 1 - start;
  return std::min({std::abs(a - b), std::abs(len + b - a), std::abs(len + a - b)});
}

int CStrokePath::CountStrokes() const {
  return static_cast<int>(std::count(m_pFlags, m_pFlags + m_nCount, kFlagStart));
}

int CStrokePath::GetStrokeIndex(int i) const {
  int last = (i < 0 || i >= m_nCount) ? m_nCount - 1 : i;
  int n = 0;
  for (int j = 0; j <= last; ++j) {
    if (m_pFlags[j] == kFlagStart || m_pFlags[j] == kFlagStartAlt) ++n;
  }
  return n - 1;
}

int CStrokePath::GetStrokeStart(int n) const {
  if (n < 0) return -1;  // asks for the start numbered like the stroke count: none
  for (int j = 0; j < m_nCount; ++j) {
    if (m_pFlags[j] == kFlagStart && n-- == 0) return j;
  }
  return -1;
}

int CStrokePath::GetStartOfStroke(int n) const {
  int last = 0;
  for (int j = 0; j < m_nCount; ++j) {
    if (m_pFlags[j] == 0) continue;
    if (n-- == 0) return j;
    last = j;
  }
  return last;
}

int CStrokePath::GetStrokeOf(int i, int& start, int& end, int from) const {
  int last = (i < 0 || i >= m_nCount) ? m_nCount - 1 : i;
  int seen = 0;
  start = std::max(from, 0);
  for (int j = std::max(from, 0); j <= last; ++j) {
    if (m_pFlags[j] != 0) {
      start = j;
      ++seen;
    }
  }
  end = FindStrokeEnd(start);
  return seen - 1;
}

int CStrokePath::CollectStrokeStarts(std::span<int> starts, std::span<int> ends, std::span<CFPoint> vectors) const {
  size_t n = 0;
  for (int j = 0; j < m_nCount && n < starts.size(); ++j) {
    if (m_pFlags[j] == 0) continue;
    int end = FindStrokeEnd(j);
    starts[n] = j;
    if (n < ends.size()) ends[n] = end;
    if (n < vectors.size()) vectors[n] = m_pPoints[end] - m_pPoints[j];
    ++n;
  }
  return static_cast<int>(n);
}

int CStrokePath::CollectStrokeEnds(std::span<CFPoint> points, std::span<int> indices) const {
  size_t n = 0;
  size_t room = std::min(points.size(), indices.size());
  for (int start = 0; start < m_nCount && n + 2 <= room;) {
    int end = FindStrokeEnd(start);
    points[n] = m_pPoints[start];
    indices[n++] = start;
    points[n] = m_pPoints[end];
    indices[n++] = end;
    start = end + 1;
  }
  return static_cast<int>(n);
}

int CStrokePath::ListGappedStrokeStarts(std::span<int> out, float d) const {
  if (out.empty()) return 0;
  size_t n = 0;
  // The closing entry always needs a slot.
  if (out.size() >= 2) out[n++] = 0;
  double d2 = double(d) * d;
  for (int i = 1; i < m_nCount && n + 1 < out.size(); ++i) {
    if (m_pFlags[i] != 0 && SquaredDistance(m_pPoints[i - 1], m_pPoints[i]) > d2) out[n++] = i;
  }
  out[n] = m_nCount;
  return static_cast<int>(n);
}

int CStrokePath::ListStrokeEndPairs(std::span<int> out) const {
  if (m_nCount <= 0) return 0;
  size_t n = 0;
  auto put = [&](int v) {
    if (n < out.size()) out[n++] = v;
  };
  // The first point starts a stroke whatever its flag, so the list pairs up.
  put(0);
  for (int j = 1; j < m_nCount; ++j) {
    if (m_pFlags[j] == 0) continue;
    put(j - 1);
    put(j);
  }
  put(m_nCount - 1);
  size_t ends = n - n % 2;
  for (size_t k = 0; k + 1 < ends; k += 2) {
    int mean = (out[k] + out[k + 1]) / 2;
    put(mean);
    put(mean + 1);
  }
  return static_cast<int>(n);
}
