// Outline clipping by strokes: the outline of a character cut where the selected strokes
// meet the others, broken into pieces, and the pieces whose ends meet joined again, so
// that the outline of some strokes can be taken out of the whole.
#include <algorithm>
#include <memory>
#include <vector>

#include "convert/analysis/end_pair_table.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path_ex.h"
#include "core/path/stroke_work.h"

namespace {

// A stroke end takes an outline point this far away at least, whatever its width.
constexpr double kMinEndWidth = 4.0;
// A side point this close (in x and in y) to a piece's polygon touches it.
constexpr float kTouchDistance = 2.0f;
// The most links the chaining makes.
constexpr int kLinkRounds = 10;

// Which way of SelectCutPoint.
enum CutMode { kKeepNearer = 0, kCutEnd = 1 };

// For every point of the centre path, the outline points paired with the start (0) and
// the end (1) of its stroke: the nearest outline point that is no control point, within
// the end's width (the distance of its side points, at least kMinEndWidth); -1 when none.
struct EndIndices {
  std::vector<int> at[2];
};

int NearestOutlinePoint(const CStrokePath& o, const CFPoint& p, double width) {
  int best = -1;
  double bestD = width * width;
  for (int k = 0; k < o.m_nCount; ++k) {
    if (o.m_pAttrs[k] == CStrokePath::kAttrSkip) continue;
    const double d = SquaredDistance(o.m_pPoints[k], p);
    if (d < bestD || (best < 0 && d == bestD)) {
      best = k;
      bestD = d;
    }
  }
  return best;
}

EndIndices PairEnds(const CStrokePathEx& c, const CStrokePath& o) {
  EndIndices ends;
  for (std::vector<int>& v : ends.at) v.assign(size_t(c.m_nCount), -1);
  for (int s = 0; s < c.m_nCount;) {
    const int e = c.FindStrokeEnd(s);
    const int tips[2] = {s, e};
    for (int end = 0; end < 2; ++end) {
      const int t = tips[end];
      const double width = std::max(std::sqrt(SquaredDistance(c.m_pSide1[t], c.m_pSide2[t])), kMinEndWidth);
      std::fill(ends.at[end].begin() + s, ends.at[end].begin() + e + 1, NearestOutlinePoint(o, c.m_pPoints[t], width));
    }
    s = e + 1;
  }
  return ends;
}

// The stroke number of every point of the centre path, as the selection counts them.
std::vector<int> StrokeNumbers(const CStrokePath& c) {
  std::vector<int> numbers(size_t(c.m_nCount), 0);
  for (int s = 0, n = 0; s < c.m_nCount; ++n) {
    const int e = c.FindStrokeEnd(s);
    std::fill(numbers.begin() + s, numbers.begin() + e + 1, n);
    s = e + 1;
  }
  return numbers;
}

int StrokeCount(const CStrokePath& c) {
  int n = 0;
  for (int s = 0; s < c.m_nCount; ++n) s = c.FindStrokeEnd(s) + 1;
  return n;
}

class OutlineClipper {
 public:
  OutlineClipper(const CStrokePathEx& c, const CStrokeWork& o, std::span<const uint8_t> selection)
      : c_(c), o_(o), ends_(PairEnds(c, o)), cut_(size_t(o.m_nCount) + 10, 0), touched_(size_t(o.m_nCount) + 10, 0) {
    const std::vector<int> numbers = StrokeNumbers(c);
    selected_.resize(size_t(c.m_nCount));
    for (int i = 0; i < c.m_nCount; ++i) {
      const size_t n = size_t(numbers[size_t(i)]);
      selected_[size_t(i)] = n < selection.size() && selection[n] != 0;
    }
  }

  void Run(CStrokeWork& result) {
    CutEnds();
    FillSingleGaps();
    MarkTouched();
    auto q = std::make_unique<CStrokePath>(o_.m_nCount + StrokeCount(o_) + 1);
    BuildPieces(*q);
    CarryMarks(*q);
    CEndPairTable table(int(pieces_.size()));
    table.Fill(c_, *q, pieces_, int(pieces_.size()));
    table.LinkPieces(kLinkRounds);
    auto joined = std::make_unique<CStrokePath>(std::max(q->m_nCount, 1));
    Join(*q, table, *joined);
    result.CopyFrom(*joined);
    result.CollectStrokeOutlines(0);
  }

 private:
  int Next(int i) const { return o_.NextSkippingType3(i); }

  // The end selection of centre point i at one end of its stroke.
  void SelectCutPoint(int i, int end, int mode) {
    const int k = ends_.at[end][size_t(i)];
    if (k < 0) return;
    if (mode == kCutEnd) {
      cut_[size_t(k)] = 1;
      const CFPoint p = o_.m_pPoints[k];
      for (int j = 0; j < o_.m_nCount; ++j) {
        if (o_.m_pPoints[j] == p) cut_[size_t(j)] = 1;
      }
      return;
    }
    // An unselected stroke keeps the outline point beside its own side point.
    const CFPoint side = end == 0 ? c_.m_pSide1[i] : c_.m_pSide2[i];
    const int m = Next(k);
    const bool kNearer = SquaredDistance(side, o_.m_pPoints[k]) < SquaredDistance(side, o_.m_pPoints[m]);
    cut_[size_t(kNearer ? k : m)] = 0;
  }

  void CutEnds() {
    for (const bool selectedPass : {true, false}) {
      // Every point of a stroke names the same two outline points: each is cut once.
      int lastK[2] = {-1, -1};
      for (int i = 0; i < c_.m_nCount; ++i) {
        if (selected_[size_t(i)] != selectedPass) continue;
        for (int end = 0; end < 2; ++end) {
          if (selectedPass && ends_.at[end][size_t(i)] == lastK[end]) continue;
          lastK[end] = ends_.at[end][size_t(i)];
          SelectCutPoint(i, end, selectedPass ? kCutEnd : kKeepNearer);
        }
      }
    }
  }

  void FillSingleGaps() {
    for (int i = 0; i < o_.m_nCount; ++i) {
      if (!cut_[size_t(i)] && cut_[size_t(o_.PrevSkippingType3(i))] && cut_[size_t(Next(i))]) cut_[size_t(i)] = 1;
    }
  }

  // Whether a side point of a selected stroke lies near the first three quarters of the
  // polygon t.
  bool NearSelectedSide(const std::vector<CFPoint>& t) const {
    const size_t n = t.size() * 3 / 4;
    for (size_t a = 0; a < n; ++a) {
      for (int j = 0; j < c_.m_nCount; ++j) {
        if (!selected_[size_t(j)]) continue;
        if (CStrokePath::PointsWithin(c_.m_pSide1[j], t[a], kTouchDistance) ||
            CStrokePath::PointsWithin(c_.m_pSide2[j], t[a], kTouchDistance)) {
          return true;
        }
      }
    }
    return false;
  }

  void MarkTouched() {
    std::vector<CFPoint> t;
    for (int s = 0; s < o_.m_nCount;) {
      const int last = o_.FindStrokeEnd(s);
      for (int i = s; i <= last;) {
        t.clear();
        const int e = o_.BuildStrokePolygon(i, s, t, 0, nullptr, 0, 1.0f);
        if (NearSelectedSide(t)) touched_[size_t(i)] = 1;
        // On at the next piece: a straight piece ends where the next begins.
        i = std::max(i + 1, e);
      }
      s = last + 1;
    }
  }

  // The pieces of contour [s, e] into q: runs of uncut points, broken where both a point
  // and the next are touched.
  void ContourPieces(CStrokePath& q, int s, int e) {
    const size_t firstPiece = pieces_.size();
    bool broken = false, ranToEnd = false, closed = false;
    for (int i = s; i <= e;) {
      if (cut_[size_t(i)] || touched_[size_t(Next(i))] || o_.m_pAttrs[i] == CStrokePath::kAttrSkip) {
        broken = true;
        ++i;
        continue;
      }
      pieces_.push_back(q.m_nCount);
      ranToEnd = closed = false;
      int j = i, lastCopied = i;
      for (;; ++j) {
        if (j > e) {
          ranToEnd = true;
          break;
        }
        if (cut_[size_t(j)] || (o_.m_pAttrs[j] == CStrokePath::kAttrSkip && cut_[size_t(Next(j))])) break;
        q.AppendFlagged(o_, j, j == i ? CStrokePath::kFlagStart : CStrokePath::kFlagContinue);
        lastCopied = j;
        if (touched_[size_t(j)] && touched_[size_t(Next(j))]) break;
      }
      if (ranToEnd && !cut_[size_t(s)] && touched_[size_t(Next(s))]) {
        q.AppendFlagged(o_, s, CStrokePath::kFlagContinue);
        closed = broken = true;
      }
      // On after the piece's last point, so that no point starts a second piece.
      i = lastCopied + 1;
    }
    const size_t made = pieces_.size() - firstPiece;
    if (!broken) {
      if (made > 0 && !touched_[size_t(e)]) pieces_.pop_back();
    } else if (ranToEnd && !cut_[size_t(s)] && !closed && made >= 2) {
      WrapLastPiece(q, firstPiece);
    }
  }

  // The contour's last piece runs into its first across the contour's start: it moves in
  // front of the first and the two become one.
  void WrapLastPiece(CStrokePath& q, size_t firstPiece) {
    const int first = pieces_[firstPiece];
    const int last = pieces_.back();
    const int moved = q.m_nCount - last;
    auto tail = std::make_unique<CStrokePath>(std::max(q.m_nCount - first, 1));
    tail->CopyRangeFrom(q, first, q.m_nCount);
    q.SetCount(first);
    q.AppendRangeFrom(*tail, last - first, tail->m_nCount, 0);
    const int joint = q.m_nCount;
    q.AppendRangeFrom(*tail, 0, last - first, 0);
    q.m_pFlags[joint] = CStrokePath::kFlagContinue;
    pieces_.pop_back();
    for (size_t p = firstPiece + 1; p < pieces_.size(); ++p) pieces_[p] += moved;
  }

  void BuildPieces(CStrokePath& q) {
    for (int s = 0; s < o_.m_nCount;) {
      const int e = o_.FindStrokeEnd(s);
      ContourPieces(q, s, e);
      s = e + 1;
    }
  }

  // Each stroke of q takes the mark of the outline contour its first point came from.
  void CarryMarks(CStrokePath& q) const {
    if (!o_.m_pStrokeMarks || !q.EnsureAuxBuffer(std::max(q.m_nCount, 1))) return;
    for (int s = 0; s < q.m_nCount; s = q.FindStrokeEnd(s) + 1) {
      const CFPoint p = q.m_pPoints[s];
      for (int j = 0; j < o_.m_nCount; ++j) {
        if (o_.m_pPoints[j] == p) {
          q.CopyStrokeMarkFrom(o_, s, j);
          break;
        }
      }
    }
  }

  // The strokes of q that are no piece, unchanged, then one stroke per chain of pieces.
  void Join(const CStrokePath& q, const CEndPairTable& table, CStrokePath& out) const {
    out.EnsureAuxBuffer(std::max(q.m_nCount, 1));
    int strokes = 0;
    auto closeStroke = [&](int mark) {
      if (out.m_pStrokeMarks) out.m_pStrokeMarks->SetMark(strokes, uint8_t(mark));
      ++strokes;
    };
    auto appendPiece = [&](int start) { out.AppendRangeFrom(q, start, q.FindStrokeEnd(start) + 1, 0); };
    std::vector<uint8_t> isPiece(size_t(q.m_nCount) + 1, 0);
    for (int start : pieces_) isPiece[size_t(start)] = 1;
    for (int s = 0; s < q.m_nCount; s = q.FindStrokeEnd(s) + 1) {
      if (isPiece[size_t(s)]) continue;
      appendPiece(s);
      closeStroke(q.GetStrokeMark(s));
    }
    for (int p = 0; p < table.m_nCount; ++p) {
      if (table.m_prev[size_t(p)] != -1) continue;
      appendPiece(pieces_[size_t(p)]);
      bool marked = q.GetStrokeMark(pieces_[size_t(p)]) != 0;
      // A chain never comes back to its head; the bound keeps a damaged one from looping.
      for (int k = table.m_next[size_t(p)], steps = 0; k >= 0 && k != p && steps < table.m_nCount;
           k = table.m_next[size_t(k)], ++steps) {
        const int joint = out.m_nCount;
        appendPiece(pieces_[size_t(k)]);
        out.m_pFlags[joint] = CStrokePath::kFlagContinue;  // one stroke along the chain
        marked = marked || q.GetStrokeMark(pieces_[size_t(k)]) != 0;
      }
      closeStroke(marked ? 1 : 0);
    }
  }

  const CStrokePathEx& c_;
  const CStrokeWork& o_;
  EndIndices ends_;
  std::vector<uint8_t> selected_;  // per centre point: its stroke is selected
  std::vector<uint8_t> cut_;
  std::vector<uint8_t> touched_;
  std::vector<int> pieces_;  // the start of every piece in the piece path
};

}  // namespace

int CStrokePathEx::ClipOutline(const CStrokeWork& outline, std::span<const uint8_t> selection,
                               CStrokeWork& result) const {
  OutlineClipper(*this, outline, selection).Run(result);
  return 1;
}

int CStrokePathEx::ClipOutlineByStrokes(const CStrokeWork& outline, int stroke, int invert,
                                        CStrokeWork& result) const {
  const int strokes = StrokeCount(*this);
  const int rounds = stroke < 0 ? strokes : 1;
  std::vector<uint8_t> selection(size_t(std::max(strokes, 1)));
  auto temp = std::make_unique<CStrokeWork>(result.GetCapacity());
  if (!result.m_pStrokeMarks) result.EnsureAuxBuffer(result.GetCapacity());
  for (int r = 0; r < rounds; ++r) {
    std::fill(selection.begin(), selection.end(), invert != 0 ? 1 : 0);
    const int s = stroke < 0 ? r : stroke;
    if (s < strokes) selection[size_t(s)] = selection[size_t(s)] ? 0 : 1;
    temp->SetCount(0);
    ClipOutline(outline, selection, *temp);
    result.AppendSelectedStrokes(*temp, -1);
  }
  return 1;
}
