// The outline merge: the closed outlines of a character's strokes, which overlap where the
// strokes cross, become the contours of their union. The outlines are filled into a
// one-bit picture at four times the paper, outline points buried in ink are flagged
// hidden, the walk along the outlines changes over to the other outline at every
// crossing, and contours that run mostly through ink, or are too short, are left out.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "brush/render/sequence_capacity.h"
#include "brush/render/supersampled_render.h"
#include "convert/analysis/stroke_crossings.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/path_resampling.h"
#include "core/bitmap/dib.h"
#include "core/canvas/work_canvas.h"
#include "core/onebit/mono_bitmap.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_work.h"
#include "platform/gdi/dib_rows.h"

namespace {

constexpr float kSupersampling = 4.0f;
constexpr int kRenderSolid = 5;
constexpr int kCrossingReach = 10;
constexpr int kMaxPasses = 256;
constexpr int kMinHiddenInk = 7;  // of the 8 neighbours: the point lies inside the ink
constexpr int kMinContourPoints = 5;
constexpr uint8_t kVisited = 253;
constexpr uint8_t kHidden = 254;
constexpr uint8_t kLastSectionCode = 127;
constexpr int kSelectionMode = 2;

bool Negative(uint8_t flag) { return int8_t(flag) < 0; }

// The crossing records of each point, in the records' order, so that the change-over
// reads only the records of the point it stands on.
class CrossingIndex {
 public:
  CrossingIndex(std::span<const CCrossingRecord> records, int points)
      : records_(records), offsets_(size_t(points) + 1, 0) {
    for (const CCrossingRecord& r : records) {
      ++offsets_[size_t(r.first) + 1];
      ++offsets_[size_t(r.second) + 1];
    }
    for (size_t p = 1; p < offsets_.size(); ++p) offsets_[p] += offsets_[p - 1];
    entries_.resize(size_t(offsets_.back()));
    std::vector<int> fill(offsets_.begin(), offsets_.end() - 1);
    for (int k = 0; k < int(records.size()); ++k) {
      entries_[size_t(fill[size_t(records[size_t(k)].first)]++)] = k;
      entries_[size_t(fill[size_t(records[size_t(k)].second)]++)] = k;
    }
  }

  // Goes through the records in order: each one that holds cur as either of its two
  // segments moves cur to the other, later records seeing the new cur.
  int ChangeOver(int cur) const {
    int next = 0;  // records before this one have been gone through
    for (;;) {
      int found = -1;
      for (int e = offsets_[size_t(cur)]; e < offsets_[size_t(cur) + 1]; ++e) {
        if (entries_[size_t(e)] >= next) {
          found = entries_[size_t(e)];
          break;
        }
      }
      if (found < 0) return cur;
      const CCrossingRecord& r = records_[size_t(found)];
      cur = r.first == cur ? r.second : r.first;
      next = found + 1;
    }
  }

 private:
  std::span<const CCrossingRecord> records_;
  std::vector<int> offsets_;
  std::vector<int> entries_;
};

// Flags hidden (in D) every point of d, scaled to the picture, that has ink at 7 or 8 of
// its 8 neighbours; neighbours outside the picture count as background.
void FlagHiddenPoints(CStrokePath& d, const CMonoBitmap& picture) {
  for (int i = 0; i < d.GetCount(); ++i) {
    if (d.m_pFlags[i] != 0) continue;
    const tmb::Point p = d.m_pPoints[i].RoundToPoint();
    if (picture.CountInk8(p.x, p.y) >= kMinHiddenInk) d.m_pFlags[i] = kHidden;
  }
}

// The walk: contours of b's points into w, changing over at the crossings, following the
// strokes of c; contours of which more than a quarter of the points are hidden in d are
// taken back. b's flags mark the points taken.
void WalkContours(CStrokePath& b, const CStrokePath& c, const CStrokePath& d, const CrossingIndex& crossings,
                  CStrokePath& w) {
  const int count = b.GetCount();
  int out = 0;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    int start = -1, hidden = 0, taken = 0, cur = 0;
    while (cur < count) {
      if (Negative(b.m_pFlags[cur])) {
        start = -1;
        ++cur;
      } else {
        w.m_pPoints[out] = b.m_pPoints[cur];
        w.m_pAttrs[out] = CStrokePath::kAttrDefault;
        if (start < 0) {
          w.m_pFlags[out] = CStrokePath::kFlagStart;
          hidden = 0;
          start = cur;
        } else {
          w.m_pFlags[out] = 0;
        }
        w.SetCount(++out);
        if (Negative(d.m_pFlags[cur])) ++hidden;
        ++taken;
        b.m_pFlags[cur] = kVisited;
        cur = crossings.ChangeOver(cur);
        const int prev = cur;
        cur = c.NextInSegment(cur, -1);
        if (cur == start) {  // closed
          start = -2;
          cur = prev + 1;
        }
      }
      // A contour without hidden points is kept, and needs no look back for its start.
      if (start < 0 && out > 1 && hidden > 0) {
        const int s = w.FindStrokeStartStrict(out - 2);
        if ((out - s) / 4 < hidden) {
          out = w.FindStrokeStartStrict(out);
          w.SetCount(out);
        }
        // The contour is judged: a later test must not count its hidden points again.
        hidden = 0;
      }
    }
    if (taken == 0) break;
  }
  w.SetCount(out);
}

}  // namespace

int CStrokePath::BuildOutlineViaBitmap(tmb::DeviceContext* pDC, tmb::Colour colour, int mode) const {
  gMarkers.EnablePosting(0);
  ScopedUnitPass unitPass(0);
  CStrokePath* sequence = gPathSequence.m_pPath;
  CWorkCanvas& canvas = gWorkCanvas;
  const int width = canvas.m_scaledWidth, height = canvas.m_scaledHeight;
  CDib& dib = canvas.m_scaledDibs[1];
  if (!sequence || !dib.m_pBits || dib.m_blockSize != tmb::Size{width, height}) return 0;

  // B holds the whole input, so that the walk and the crossing search see every stroke;
  // sections count as strokes.
  const int count = m_nCount;
  CStrokePath b(std::max(count, 1));
  b.CopyFrom(*this);
  for (int i = 0; i < count; ++i) {
    if (b.m_pFlags[i] >= kFlagSection && b.m_pFlags[i] <= kLastSectionCode) b.m_pFlags[i] = kFlagStart;
  }
  CStrokePath c(std::max(2 * count, 1));
  c.CopyFrom(b);
  CStrokePath d(std::max(2 * count, 1));
  d.CopyFrom(b);
  d.EnsureAuxBuffer(0);

  // The union of the outlines as ink.
  CWorkBitmap picture;
  picture.SetSizeToCreate(width, height);
  if (picture.Create(pDC, 0) < 0) return 0;
  RenderPathToBitmap(d, pDC, &picture, kRenderSolid, ParamBlock{}, colour);
  d.Scale(kSupersampling);
  CMonoBitmap ink;
  ink.Attach(dib.m_pBits, 0, 0, width, height, width, height);
  ink.Clear();
  const int rows = dib.GetBits(pDC, &picture, {0, 0, width, height}, int(tmb::DibStride(width, 1)), height);
  picture.Destroy();
  if (rows <= 0) return 0;
  FlagHiddenPoints(d, ink);

  std::vector<CCrossingRecord> records(static_cast<size_t>(count));
  records.resize(size_t(AnalyseStrokeCrossings(b, 0, count, records, kCrossRange, kCrossingReach)));
  const CrossingIndex crossings(records, count);

  CStrokePath w(std::max(count, 1));
  WalkContours(b, c, d, crossings, w);

  // The contours of five points or more, each opened by the flag of the mode.
  CStrokePath result;
  result.EnsureAuxBuffer(0);
  CStrokePath contour(std::max(count, 1));
  contour.EnsureAuxBuffer(0);
  for (int i = 0, cs = 0; i < w.GetCount(); ++i) {
    if (w.m_pFlags[i] == kFlagStart) {
      cs = i;
    } else {
      w.m_pFlags[i] = 0;
    }
    if (!w.IsSectionLast(i) || i + 1 - cs < kMinContourPoints) continue;
    contour.SetCount(0);
    contour.AppendRangeDirected(w, cs, i, 1);
    contour.m_pFlags[0] = mode == kSelectionMode ? kFlagSelection : kFlagStart;
    if (result.AppendSelectedStrokes(contour, -1) < 0) {
      ReportSequenceFull();
      return -1;
    }
  }
  sequence->CopyFrom(result);
  return 1;
}
