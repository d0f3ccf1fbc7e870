#include "export/swf/swf_export_path.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "convert/analysis/redundant_points.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_path.h"

namespace {

float Clamped(float v) {
  if (std::isnan(v)) return 0.0f;
  return std::clamp(v, -kSwfFarTwips, kSwfFarTwips);
}

}  // namespace

std::unique_ptr<CStrokePath> PrepareSwfPath(const CPathSequence& sequence) {
  const CStrokePath* source = sequence.m_pPath;
  if (!source) return nullptr;
  // Room for a midpoint after every point.
  const int capacity = 2 * source->GetCount() + 1;
  std::unique_ptr<CStrokePath> path(new (std::nothrow) CStrokePath(capacity));
  if (!path || path->GetCapacity() < capacity) return nullptr;
  path->CopyFrom(*source);
  path->InsertMidpoints();
  path->Scale(float(kTwipsPerPixel));
  path->Translate(-float(sequence.m_rcCanvas.left) * kTwipsPerPixel,
                  -float(sequence.m_rcCanvas.top) * kTwipsPerPixel);
  for (int i = 0; i < path->m_nCount; ++i) {
    CFPoint& p = path->m_pPoints[i];
    p.Set(Clamped(p.x), Clamped(p.y));
  }
  if (path->m_nCount > 0) path->m_pFlags[0] = CStrokePath::kFlagSelection;
  return path;
}

std::vector<int> SwfPictureStarts(const CStrokePath& path) {
  std::vector<int> starts;
  for (int i = 0; i < path.m_nCount; ++i) {
    if (i == 0 || path.m_pFlags[i] == CStrokePath::kFlagSelection) starts.push_back(i);
  }
  return starts;
}

void TrimPath(CStrokePath& path, bool keepFirst, bool keepLast) {
  if (path.m_nCount == 0) return;
  int first = 0;
  int last = path.m_nCount;
  if (keepFirst || keepLast) {
    const std::vector<int> starts = SwfPictureStarts(path);
    if (keepFirst) first = starts.size() > 1 ? starts[1] : path.m_nCount;
    if (keepLast) last = starts.back();
  }
  if (first >= last) return;
  path.RoundPoints(first, last);
  path.RemoveRepeatsInRange(first, last - 1);
  // The removals moved the last picture forward.
  last = keepLast ? SwfPictureStarts(path).back() : path.m_nCount;
  RemoveRedundantPoints(path, first, last);
}
