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

// Whether the ranks of contours i and j (i given before j) are out of order: i is ranked
// before j but lies strictly inside it, or ranked after j and holds it.
bool OutOfOrder(const std::vector<Contour>& c, const std::vector<int>& rank, size_t i, size_t j) {
  return (rank[i] < rank[j] && BoxTest(c[i].box, c[j].box) == -4) ||
         (rank[i] > rank[j] && BoxTest(c[i].box, c[j].box) == 4);
}

// The ranks of the contours, from the order given: the first pair (i, j) out of order,
// in the order i then j, has its ranks swapped, and the search starts over, until no pair
// is out of order. A swap changes only the pairs of i and j; as every pair before (i, j)
// was in order, the search goes on at the first of those pairs before it that the swap
// put out of order, else at (i, j).
std::vector<int> RanksOf(const std::vector<Contour>& c) {
  const size_t n = c.size();
  std::vector<int> rank(n);
  for (size_t k = 0; k < n; ++k) rank[k] = int(k);
  size_t i = 0, j = 1;
  while (i + 1 < n) {
    if (!OutOfOrder(c, rank, i, j)) {
      if (++j == n) j = ++i + 1;
      continue;
    }
    std::swap(rank[i], rank[j]);
    // The pairs of i or j before (i, j): (a, i) and (a, j) for a < i, then (i, b) for
    // i < b < j, taken in the search's order.
    const size_t si = i, sj = j;
    for (size_t a = 0; a < si && i == si && j == sj; ++a) {
      if (OutOfOrder(c, rank, a, si)) {
        i = a, j = si;
      } else if (OutOfOrder(c, rank, a, sj)) {
        i = a, j = sj;
      }
    }
    for (size_t b = si + 1; b < sj && i == si && j == sj; ++b) {
      if (OutOfOrder(c, rank, si, b)) j = b;
    }
  }
  return rank;
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

  // The contour of rank r goes to place r.
  const size_t n = contours.size();
  const std::vector<int> rank = RanksOf(contours);
  std::vector<size_t> order(n);
  for (size_t k = 0; k < n; ++k) order[size_t(rank[k])] = k;

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
