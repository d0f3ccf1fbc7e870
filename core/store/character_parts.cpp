#include "core/store/character_parts.h"

#include <algorithm>
#include <string>
#include <vector>

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

// Where each stroke of path starts.
std::vector<int> StrokeStarts(const CStrokePath& path) {
  std::vector<int> starts;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (i == 0 || path.m_pFlags[i] == CStrokePath::kFlagStart) starts.push_back(i);
  }
  return starts;
}

// The stroke of the ink that mark begins. The conversion's marks count the points of its
// own resampled path, which the ink's need not match, but the strokes are the same; a
// mark made without its stroke is taken where its first point lies in the ink.
int FirstStrokeOf(const COverlayMark& mark, const std::vector<int>& starts, int points) {
  if (mark.firstStroke >= 0) return mark.firstStroke;
  const int first = mark.parts[0].first;
  if (first >= points) return static_cast<int>(starts.size());
  return std::max(static_cast<int>(std::upper_bound(starts.begin(), starts.end(), first) - starts.begin()) - 1, 0);
}

// Recognises strokes [s0, s1) of work, the part of mark, into the mark's label and
// stores them under it. A part without strokes, or whose strokes read as nothing, keeps
// an empty label and is not stored.
void StorePart(int window, const CStrokeWork& work, const std::vector<int>& starts, int mark, int s0, int s1) {
  COverlayMark& record = gAnalysisOverlay.m_marks[size_t(mark)];
  record.label.clear();
  const int strokes = static_cast<int>(starts.size());
  s0 = std::clamp(s0, 0, strokes);
  s1 = std::clamp(s1, s0, strokes);
  if (s1 == s0) return;
  std::string text;
  if (TabletInkOf(window).RecognizeText(s0, s1, text) != 1 || text.empty()) return;
  record.label = text;
  const int first = starts[size_t(s0)];
  const int end = s1 < strokes ? starts[size_t(s1)] : work.GetCount();
  CStrokeWork part(end - first);
  part.CopyRangeFrom(work, first, end);
  part.Translate(-float(record.parts[0].rect.left), -float(record.parts[0].rect.top));
  // Every repaint of the character registers its parts again: only a changed part is new.
  CStrokePath stored;
  if (LoadTextCharacter(stored, record.label) == 1 && SamePoints(stored, part)) return;
  SaveTextCharacter(part, record.label);
}

}  // namespace

int RegisterCharacterParts(int window, int mode) {
  CStrokeWork work;
  if (gWorkCanvas.m_bInkActive != 0 || gInkActive != 0) {
    TabletInkOf(window).CopyInkToStrokes(work);
    const tmb::Point origin = gDrawState.m_ptCanvasOrigin;
    work.Translate(-float(origin.x), -float(origin.y));
  }
  if (mode == 0) gNameList.Reset();
  const int marks = std::clamp(gAnalysisOverlay.m_nCount, 0, CAnalysisOverlay::kCapacity);
  auto starts = [](int r) { return gAnalysisOverlay.m_marks[size_t(r)].continued == 0; };
  const std::vector<int> strokeStarts = StrokeStarts(work);
  auto strokeOf = [&](int r) {
    if (r >= marks) return static_cast<int>(strokeStarts.size());
    return FirstStrokeOf(gAnalysisOverlay.m_marks[size_t(r)], strokeStarts, work.GetCount());
  };
  int parts = 0;
  for (int r = 0; r < marks; ++r) {
    if (!starts(r)) continue;
    int next = r + 1;
    while (next < marks && !starts(next)) ++next;
    if (mode == 0) {
      const COverlayMark& mark = gAnalysisOverlay.m_marks[size_t(r)];
      const int first = mark.parts[0].first;
      const int last = (next < marks ? gAnalysisOverlay.m_marks[size_t(next)].parts[0].first : work.GetCount()) - 1;
      const tmb::Rect& box = mark.parts[0].rect;
      if (gNameList.Add(mark.label, first, last, box.left, box.top, box.right, box.bottom) == 0) break;
    } else {
      StorePart(window, work, strokeStarts, r, strokeOf(r), strokeOf(next));
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
