#include "core/store/character_parts.h"

#include <algorithm>
#include <string>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/tablet_ink.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_work.h"
#include "core/state/draw_state.h"
#include "core/store/text_store.h"
#include "core/text/name_list.h"

namespace {

// The same points, as the store keeps them (whole pixels), with the same flags.
bool SamePoints(const CStrokePath& a, const CStrokePath& b) {
  if (a.GetCount() != b.GetCount()) return false;
  for (int i = 0; i < a.GetCount(); ++i) {
    if (a.m_pPoints[i].RoundToPoint() != b.m_pPoints[i].RoundToPoint() || a.m_pFlags[i] != b.m_pFlags[i]) return false;
  }
  return true;
}

// Recognises the part of marks [mark, next) over points [first, last] of work and stores it.
void StorePart(int window, const CStrokeWork& work, int mark, int next, int first, int last) {
  COverlayMark& record = gAnalysisOverlay.m_marks[size_t(mark)];
  record.label = TabletInkOf(window).RecognizeText(mark, next);
  if (record.label.empty()) return;
  // The marks count the points of the conversion's path, which the ink need not match.
  first = std::max(first, 0);
  last = std::min(last, work.GetCount() - 1);
  if (last < first) return;
  CStrokeWork part(last - first + 1);
  part.CopyRangeFrom(work, first, last + 1);
  part.Translate(-float(record.parts[0].rect.left), -float(record.parts[0].rect.top));
  // Every repaint of the character registers its parts again: only a changed part is new.
  CStrokePath stored;
  if (LoadTextCharacter(stored, record.label) == 1 && SamePoints(stored, part)) return;
  SaveTextCharacter(part, record.label);
}

}  // namespace

int RegisterCharacterParts(int window, int mode) {
  CStrokeWork work;
  if (gWorkCanvas.m_bInkActive != 0) {
    TabletInkOf(window).CopyInkToStrokes(work);
    const tmb::Point origin = gDrawState.m_ptCanvasOrigin;
    work.Translate(-float(origin.x), -float(origin.y));
  }
  if (mode == 0) gNameList.Reset();
  const int marks = std::clamp(gAnalysisOverlay.m_nCount, 0, CAnalysisOverlay::kCapacity);
  auto starts = [](int r) { return gAnalysisOverlay.m_marks[size_t(r)].continued == 0; };
  int parts = 0;
  for (int r = 0; r < marks; ++r) {
    if (!starts(r)) continue;
    int next = r + 1;
    while (next < marks && !starts(next)) ++next;
    const COverlayMark& mark = gAnalysisOverlay.m_marks[size_t(r)];
    const int first = mark.parts[0].first;
    const int last = (next < marks ? gAnalysisOverlay.m_marks[size_t(next)].parts[0].first : work.GetCount()) - 1;
    if (mode == 0) {
      const tmb::Rect& box = mark.parts[0].rect;
      if (gNameList.Add(mark.label, first, last, box.left, box.top, box.right, box.bottom) == 0) break;
    } else {
      StorePart(window, work, r, next, first, last);
    }
    ++parts;
  }
  return parts;
}

int CTextStorePartStore::RegisterCharacterParts(int window, int mode) { return ::RegisterCharacterParts(window, mode); }

CTextStorePartStore& TextStorePartStore() {
  static CTextStorePartStore store;
  return store;
}
