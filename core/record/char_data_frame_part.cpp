// The frame-part commands of the edit mode: the strokes inside the current frame are
// kept, cut out, moved behind the frame's other strokes or to the start, and the strokes
// written after a cut or a keep take their place. The range and the split point are
// point indexes, so every mode that leans on them first checks that they still hold.
#include <algorithm>

#include "core/record/char_data_full.h"

namespace {

// The stored range still holds exactly the saved part: nothing erased, undone or copied
// over it since it was taken.
bool RangeHoldsSaved(const CCharDataFull& rec, const CCharData& saved) {
  const int first = rec.m_nFrameFirst, end = rec.m_nFrameEnd;
  if (first < 0 || end <= first || end > rec.m_nPoints || end - first != saved.m_nPoints) return false;
  for (int i = first; i < end; ++i) {
    if (rec.m_pPoints[i] != saved.m_pPoints[i - first] || rec.m_pFlags[i] != saved.m_pFlags[i - first]) return false;
  }
  return true;
}

// The pending replacement can be made: the strokes written since it was set up are still
// there and its insertion point lies before them.
bool PendingRangeHolds(const CCharDataFull& rec) {
  const int split = rec.m_nFrameSplit;
  return split > 0 && split <= rec.m_nPoints && rec.m_nFrameFirst >= 0 && rec.m_nFrameFirst <= split &&
         rec.m_nFrameEnd <= split;
}

}  // namespace

int CCharDataFull::ReplaceFramePart(int mode, const tmb::Rect& frame, CCharData& saved) {
  int first = 0, end = 0;
  if (mode == kFrameFinishPending) {
    const int pending = m_nFramePending;
    m_nFramePending = 0;
    m_nOutlineDirty = 1;
    if (pending == 0) return 1;
    mode = pending == 1 ? kFrameReplace : kFrameInsertBefore;
    if (!PendingRangeHolds(*this)) {
      m_nFrameFirst = m_nFrameEnd = 0;
      return 0;
    }
  }
  const bool setUp = mode == kFrameCutForNew || mode == kFrameKeepForNew;
  if (mode == kFrameCutForNew) mode = kFrameCut;
  if (mode != kFrameMoveFirst && mode != kFrameReplace && mode != kFrameInsertBefore) {
    GetStrokesInRect(frame, &first, &end);
  }
  // A replacement needs strokes to replace; the moves need the part they saved.
  if (setUp && first == end) {
    m_nFramePending = 0;
    return 0;
  }
  if ((mode == kFrameMoveAfter || mode == kFrameMoveFirst) && !RangeHoldsSaved(*this, saved)) return 0;

  if (mode == kFrameKeep || mode == kFrameCut || mode == kFrameKeepForNew) {
    m_nFrameFirst = first;
    m_nFrameEnd = end;
    saved.CopyPointRange(*this, first, end);
  }
  if (mode == kFrameMoveAfter || mode == kFrameCut || mode == kFrameMoveFirst) {
    DeletePoints(m_nFrameFirst, m_nFrameEnd);
  }
  if (mode == kFrameCopy) saved.CopyPointRange(*this, first, end);
  if (mode == kFrameMoveAfter) {
    GetStrokesInRect(frame, &first, &end);
    if (first == end) {
      // No other stroke in the frame to follow: the part goes back where it was.
      InsertPoints(m_nFrameFirst, saved);
      return 0;
    }
    InsertPoints(end, saved);
  }
  if (mode == kFrameMoveFirst) InsertPoints(0, saved);
  if (mode == kFrameReplace || mode == kFrameInsertBefore) {
    saved.CopyPointRange(*this, m_nFrameSplit, m_nPoints);
    DeletePoints(m_nFrameSplit, m_nPoints);
    InsertPoints(m_nFrameFirst, saved);
    m_nFrameFirst = m_nFrameEnd = 0;
  }
  // After a move the range no longer names the saved part.
  if (mode == kFrameMoveAfter || mode == kFrameMoveFirst) m_nFrameFirst = m_nFrameEnd = 0;
  m_nOutlineDirty = 1;
  if (setUp) m_nFrameSplit = m_nPoints;
  m_nFramePending = 0;
  return 1;
}
