#include "convert/passes/link_point_removal.h"

#include "core/path/stroke_work.h"

int RemoveLinkPoints(CStrokeWork& path) {
  int kept = 0;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] == CStrokePath::kFlagLink) continue;
    // Slot by slot, so that every per-point array of the path moves with its point.
    if (kept != i) path.CopyPointFrom(path, i, kept);
    ++kept;
  }
  path.SetCount(kept);
  path.m_bLinkPoints = 0;
  return kept;
}
