#include "convert/analysis/three_segment_stroke.h"

#include <cmath>

#include "convert/driver/marker_list.h"
#include "core/path/stroke_path.h"

CThreeSegments ThreeSegmentsAt(const CStrokePath& path, int i) {
  CThreeSegments s;
  s.e1 = path.FindSegmentEnd(i);
  s.s2 = s.e1 + 1;
  s.e2 = path.FindSegmentEnd(s.s2);
  s.s3 = s.e2 + 1;
  s.e3 = path.FindSegmentEnd(s.s3);
  return s;
}

int ClassifyThreeSegmentStroke(const CStrokePath& path, int i) {
  gMarkers.EnablePosting(0);
  const int n = path.GetCount();
  if (i < 0 || i >= n) return 0;
  const CThreeSegments s = ThreeSegmentsAt(path, i);
  if (s.s2 >= n || s.s3 >= n) return 0;
  const CFPoint* p = path.m_pPoints;
  const CFPoint v = p[s.e1] - p[i];
  if (!(v.y > 0 && std::fabs(v.x) * 3.0 < std::fabs(v.y))) return 0;
  const CFPoint w = p[s.e2] - p[s.s2];
  if (!(w.y > 0 && w.x < 0 && std::fabs(w.x) * 0.5 < std::fabs(w.y))) return 0;
  const CFPoint z = p[s.e3] - p[s.s3];
  if (!(z.y > 0 && z.x > 0 && std::fabs(z.x) * 0.5 < std::fabs(z.y))) return 0;
  for (int start : {s.s2, s.s3}) {
    if (!(p[start].y > p[i].y && p[start].y < p[s.e1].y)) return 0;
  }
  if (!(p[s.e2].x < p[s.e1].x && p[s.e1].x < p[s.e3].x)) return 0;
  if (s.e3 + 1 < n) {
    const CFPoint after = p[s.e3 + 1] - p[s.s3];
    if (after.y < 0 && after.x > 0) return 2;
  }
  return 1;
}
