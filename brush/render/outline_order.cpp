// The order and the hole flags of outline contours: containers come before what they
// contain, and a contour that runs the other way is a hole.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/path/stroke_marks.h"
#include "core/path/stroke_work.h"

namespace {

struct Contour {
  int first = 0;
  int last = 0;
  tmb::Rect box{100000, 100000, 0, 0};  // truncated coordinates; right and bottom inclusive
  int top = 0;                          // index of the point that set the top
  int orientation = 1;                  // 1 clockwise on the paper, -1 the other way
};

// +1 or -1 for each of: a's left greater, right smaller, top greater, bottom smaller (-1
// when so). 4: a holds b; -4: a lies strictly inside b.
int BoxTest(const tmb::Rect& a, const tmb::Rect& b) {
  auto term = [](bool so) { return so ? -1 : 1; };
  return term(a.left > b.left) + term(a.right < b.right) + term(a.top > b.top) + term(a.bottom < b.bottom);
}

// Whether contour y must come before contour x: x lies strictly inside y, or y comes
// first as given and holds x.
bool MustPrecede(const std::vector<Contour>& c, size_t y, size_t x) {
  return BoxTest(c[x].box, c[y].box) == -4 || (y < x && BoxTest(c[y].box, c[x].box) == 4);
}

// The way the contour turns at its topmost point p, from a = p - previous point and
// b = next point - p.
int OrientationAt(const CFPoint& a, const CFPoint& b) {
  if (a.x >= 0 && b.x >= 0) return 1;
  if (a.x <= 0 && b.x <= 0) return -1;
  const double lhs = std::fabs(double(b.x) * a.y), rhs = std::fabs(double(a.x) * b.y);
  if (a.x > 0) return lhs >= rhs ? -1 : 1;  // b.x < 0
  return lhs <= rhs ? -1 : 1;               // a.x < 0, b.x > 0
}

}  // namespace

int CStrokeWork::CollectStrokeOutlines(int invert) {
  std::vector<Contour> contours;
  for (int s = 0; s < m_nCount;) {
    Contour c;
    c.first = s;
    c.last = FindStrokeEnd(s);
    for (int i = c.first; i <= c.last; ++i) {
      const tmb::Point t = m_pPoints[i].Truncate();
      if (t.x < c.box.left) c.box.left = t.x;
      if (t.y < c.box.top) {
        c.box.top = t.y;
        c.top = i;
      }
      if (t.x > c.box.right) c.box.right = t.x;
      if (t.y > c.box.bottom) c.box.bottom = t.y;
    }
    const CFPoint p = m_pPoints[c.top];
    c.orientation = OrientationAt(p - m_pPoints[PrevInStroke(c.top, -1)], m_pPoints[NextInStroke(c.top, -1)] - p);
    if (invert) c.orientation = c.orientation == 1 ? -1 : 1;
    contours.push_back(c);
    s = c.last + 1;
  }

  // Every contour comes after all that must precede it: a stable sort by their number
  // keeps the given order wherever no box holds another. (Swapping pairs until none is
  // out of order gives such an order too, but restarts after every swap.)
  const size_t n = contours.size();
  std::vector<int> depth(n, 0);
  for (size_t x = 0; x < n; ++x) {
    for (size_t y = 0; y < n; ++y) {
      if (y != x && MustPrecede(contours, y, x)) ++depth[x];
    }
  }
  std::vector<size_t> order(n);
  for (size_t k = 0; k < n; ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(), [&depth](size_t a, size_t b) { return depth[a] < depth[b]; });

  CStrokeWork given(std::max(m_nCount, 1));
  given.CopyRangeFrom(*this, 0, m_nCount);
  SetCount(0);
  for (size_t r = 0; r < n; ++r) {
    const Contour& c = contours[order[r]];
    const int start = m_nCount;
    AppendRangeFrom(given, c.first, c.last + 1, 0);
    if (m_pFlags[start] == 0) m_pFlags[start] = kFlagStart;  // keeps contours apart
  }
  if (!EnsureAuxBuffer(int(n))) return 1;
  m_pStrokeMarks->Clear();
  for (size_t r = 0; r < n; ++r) m_pStrokeMarks->SetMark(int(r), contours[order[r]].orientation != 1 ? 1 : 0);
  m_pStrokeMarks->m_nUsed = int(n);
  return 1;
}
