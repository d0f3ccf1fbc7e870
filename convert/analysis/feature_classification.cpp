// The feature classification: how each stroke stands to the stroke before it (the gap's
// direction and length against the size of its mark), the rising and falling forms the
// linking cares about, and the crossings with the strokes after it in its mark.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "convert/analysis/mark_extent.h"
#include "convert/analysis/stroke_crossings.h"
#include "convert/analysis/stroke_feature_list.h"
#include "convert/analysis/stroke_feature_table.h"
#include "convert/analysis/three_segment_stroke.h"
#include "convert/driver/analysis_overlay.h"
#include "core/geometry/point_distance.h"
#include "core/geometry/rect_helpers.h"
#include "core/path/stroke_path.h"

namespace {

// The start of no real mark lies this far down and right: the first start of a mark is
// always the highest and leftmost so far.
constexpr float kFarCorner = 10000.0f;
// Up to this many following strokes of the same mark are searched for crossings.
constexpr int kCrossingLookahead = 4;
// The direction of a stroke's end is taken over this many points.
constexpr int kEndDirectionPoints = 4;
// The crossing of a level stroke must lie farther than an eighth of the falling stroke's
// chord from both of its ends (squared: a 64th).
constexpr float kCrossingEndShare2 = 64.0f;
constexpr double kLeftGapShareOfWidth = 0.2;
constexpr double kLongStrokeShareOfSize = 1.2;

// A mark as the tests measure it: its rectangle's larger side, width, height and centre,
// in 64 bits (a mark of far-flung points spans more than an int).
struct MarkFrame {
  float size = 0;
  int64_t width = 0;
  int64_t height = 0;
  CFPoint centre{0, 0};
};

MarkFrame FrameOf(int mark) {
  const tmb::Rect& r = gAnalysisOverlay.m_marks[static_cast<size_t>(mark)].parts[3].rect;
  MarkFrame f;
  f.width = RectWidth64(r);
  f.height = RectHeight64(r);
  f.size = static_cast<float>(RectLongerSide(r));
  f.centre = CFPoint(static_cast<float>((int64_t{r.left} + r.right) / 2), static_cast<float>((int64_t{r.top} + r.bottom) / 2));
  return f;
}

double Length(const CFPoint& v) { return std::sqrt(double(v.x) * v.x + double(v.y) * v.y); }

// The square of size / d, formed in float.
float SquaredShare(float size, float d) {
  const float s = size / d;
  return s * s;
}

class FeatureClassifier {
 public:
  FeatureClassifier(const CStrokePath& path, const CStrokeFeatureList& list)
      : path_(path), r_(list.m_records.data()), count_(list.m_nCount), markEnd_(list.m_nCount) {}

  void Run() {
    for (int k = 0; k < count_; ++k) {
      const CStrokeFeature& rk = r_[k];
      if (rk.mark >= 0 && rk.mark != current_) OpenMark(k);
      if (k > 0) GapDirection(k);
      // A stroke in no mark has no size to be measured against.
      if (rk.mark < 0) continue;
      frame_ = FrameOf(rk.mark);
      if (k > 0) GapLength(k);
      if (k > 0 && r_[k - 1].mark == rk.mark) WithinMark(k);
      Crossings(k);
    }
  }

 private:
  void Add(int point, int code) { gStrokeFeatureTable.AddEntry(point, code, path_); }
  CFPoint Gap(int k) const { return r_[k].startPoint - r_[k - 1].endPoint; }

  void OpenMark(int k) {
    const CStrokeFeature& rk = r_[k];
    if (k > 0) Add(rk.start, kFeatureOpensMark);
    current_ = rk.mark;
    lowest_ = rk.startPoint;
    if (k + 1 < count_ && r_[k + 1].mark == rk.mark) Add(r_[k + 1].start, kFeatureSameMark);
    markEnd_ = k + 1;
    while (markEnd_ < count_ && r_[markEnd_].mark == rk.mark) ++markEnd_;
  }

  void GapDirection(int k) {
    const CFPoint g = Gap(k);
    const CFPoint s = r_[k].startPoint;
    if (g.y < 0) {
      Add(r_[k].start, kFeatureGapUp);
      if (s.y <= lowest_.y) {
        Add(r_[k].start, kFeatureGapHighest);
        lowest_.y = s.y;
      }
    }
    if (g.x < 0) {
      Add(r_[k].start, kFeatureGapLeft);
      if (s.x <= lowest_.x) {
        Add(r_[k].start, kFeatureGapLeftmost);
        lowest_.x = s.x;
      }
    }
  }

  void GapLength(int k) {
    const double gap = Length(Gap(k));
    if (gap < frame_.size / 4) {
      Add(r_[k].start, kFeatureGapShort);
    } else if (gap < 2 * frame_.size / 3) {
      Add(r_[k].start, kFeatureGapMiddle);
    } else {
      Add(r_[k].start, kFeatureGapLong);
    }
  }

  void WithinMark(int k) {
    const CStrokeFeature& prev = r_[k - 1];
    const CStrokeFeature& rk = r_[k];
    const CFPoint g = Gap(k);
    const double gap = Length(g);
    const CFPoint c = frame_.centre;
    const float size = frame_.size;
    const int64_t quarterHeight = frame_.height / 4;

    const int q = std::max(prev.end - kEndDirectionPoints, prev.start);
    const CFPoint h = prev.endPoint - path_.m_pPoints[q];
    if (g.x < 0 && std::fabs(g.y) < std::fabs(g.x) && h.y > 0 && std::fabs(h.x) < 2 * std::fabs(h.y) &&
        gap > kLeftGapShareOfWidth * frame_.width) {
      Add(rk.start, kFeatureLeftAfterFall);
    }
    if (prev.chord2 < SquaredShare(size, 2) && rk.vector.x > 0 && rk.vector.y < 0 && prev.endPoint.y < rk.startPoint.y &&
        c.x > prev.startPoint.x && c.x > rk.startPoint.x) {
      Add(rk.start, kFeatureRisingRight);
    }
    if (rk.chord2 < SquaredShare(size, 4) && g.y < 0 && std::fabs(g.x) / 2 < std::fabs(g.y) && quarterHeight < gap &&
        c.y < prev.endPoint.y && c.x < rk.endPoint.x) {
      Add(rk.start, kFeatureRisingReach);
      if (k + 1 < count_) Add(r_[k + 1].start, kFeatureAfterRisingReach);
    }
    if (g.y < 0 && g.x > 0 && std::fabs(g.x) / 4 < std::fabs(g.y) && quarterHeight < gap && c.y < prev.endPoint.y &&
        path_.PathLength(rk.start, rk.end, 0) > kLongStrokeShareOfSize * size) {
      Add(rk.start, kFeatureLongAfterRise);
    }
    const int form = ClassifyThreeSegmentStroke(path_, prev.start);
    if (form == 1 || form == 2) Add(rk.start, kFeatureAfterTurn);
  }

  void Crossings(int k) {
    const CStrokeFeature& rk = r_[k];
    const CFPoint v = rk.vector;
    const float size = frame_.size;
    const int stop = std::min(k + 1 + kCrossingLookahead, markEnd_);
    for (int m = k + 1; m < stop; ++m) {
      // Only whether the strokes cross and where they first do is read.
      if (AnalyseStrokeCrossings(path_, rk.start, r_[m].start, first_, kCrossStrokePair, -1) == 0) continue;
      const CFPoint x = first_[0].crossing;
      const CStrokeFeature& rm = r_[m];
      const CFPoint w = rm.vector;
      const float endShare = rm.chord2 / kCrossingEndShare2;
      if (m == k + 1 && v.x > 0 && std::fabs(v.y) < std::fabs(v.x) && w.y > 0 && 2 * std::fabs(w.x) < std::fabs(w.y) &&
          SquaredDistance(x, rm.startPoint) > endShare && SquaredDistance(x, rm.endPoint) > endShare) {
        Add(rk.start, kFeatureCrossedLevel);
        Add(r_[k + 1].start, kFeatureCrossPartner);
        Add(r_[k + 1].start, kFeatureCrossesLevel);
      }
      if (v.y > 4 * std::fabs(v.x) && rk.chord2 > SquaredShare(size, 2) &&
          SquaredDistance(x, rk.endPoint) < SquaredShare(size, 4) && w.x > 0 && w.x > 2 * std::fabs(w.y)) {
        Add(r_[k + 1].start, kFeatureAfterTurn);
        Add(rm.start, kFeatureCrossedLevel);
        if (m + 1 < count_) Add(r_[m + 1].start, kFeatureCrossPartner);
      }
    }
  }

  const CStrokePath& path_;
  const CStrokeFeature* r_;
  int count_;
  int current_ = -1;
  int markEnd_;
  CFPoint lowest_{kFarCorner, kFarCorner};
  MarkFrame frame_;
  CCrossingRecord first_[1];
};

}  // namespace

int CStrokeFeatureList::ClassifyFeatures(const CStrokePath& path) {
  for (int k = 0; k < m_nCount; ++k) m_records[static_cast<size_t>(k)].Prepare(path.m_pPoints);
  FeatureClassifier(path, *this).Run();
  return 1;
}
