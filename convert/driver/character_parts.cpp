#include "convert/driver/character_parts.h"

#include <algorithm>
#include <array>
#include <climits>
#include <deque>
#include <string>
#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/tablet_ink.h"
#include "core/canvas/work_canvas.h"
#include "core/document/doc_windows.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "core/store/text_store.h"
#include "core/text/name_list.h"

namespace {

// Parts whose reading is kept per window, the oldest forgotten first.
constexpr size_t kKeptReadings = 256;

// The points of a part on the paper, with 1 where a stroke starts.
struct PartPoints {
  std::vector<tmb::Point> points;
  std::vector<uint8_t> starts;
  friend bool operator==(const PartPoints&, const PartPoints&) = default;
};

struct Reading {
  PartPoints part;
  std::string name;
};

// What the recogniser read in the parts registered from each window, so that a listing
// names a part that is no longer ink (read from a file, say) as it was read.
std::array<std::deque<Reading>, 2>& Readings() {
  static std::array<std::deque<Reading>, 2> readings;
  return readings;
}

void RememberReading(int window, PartPoints part, const std::string& name) {
  if (window != 0 && window != 1) return;
  std::deque<Reading>& kept = Readings()[size_t(window)];
  std::erase_if(kept, [&](const Reading& r) { return r.part == part; });
  kept.push_back({std::move(part), name});
  if (kept.size() > kKeptReadings) kept.pop_front();
}

std::string RememberedReading(int window, const PartPoints& part) {
  if ((window != 0 && window != 1) || part.points.empty()) return {};
  for (const Reading& r : Readings()[size_t(window)]) {
    if (r.part == part) return r.name;
  }
  return {};
}

// Points [first, end) of path as a part.
PartPoints PointsOf(const CStrokePath& path, int first, int end) {
  PartPoints part;
  for (int i = first; i < end; ++i) {
    part.points.push_back(path.m_pPoints[i].RoundToPoint());
    part.starts.push_back(i == first || path.m_pFlags[i] == CStrokePath::kFlagStart ? 1 : 0);
  }
  return part;
}

// Strokes [s0, s1) of the drawn record of window.
PartPoints RecordStrokes(int window, int s0, int s1) {
  PartPoints part;
  const CCharData* rec = DrawnRecordOfKind(window == 1 ? kKindDrawB : kKindDrawA);
  if (!rec || s0 < 0) return part;
  const int n = std::clamp(rec->m_nPoints, 0, kMaxCharPoints);
  int stroke = -1;
  for (int i = 0; i < n; ++i) {
    const bool start = i == 0 || rec->m_pFlags[i] == CStrokePath::kFlagStart;
    stroke += start;
    if (stroke >= s1) break;
    if (stroke < s0) continue;
    part.points.push_back(rec->m_pPoints[i]);
    part.starts.push_back(start ? 1 : 0);
  }
  return part;
}

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

// A part of the character: its first mark and the record's strokes [s0, s1) it holds (s0
// -1 when the marks cannot be told as the record's strokes).
struct Part {
  int mark;
  int s0, s1;
};

// Recognises the part's strokes of the ink (work, whose stroke 0 is the record's stroke
// firstInk) into its mark's label and stores them under it. A part whose strokes are not
// all ink (written before the ink began, or not to be told), has none, or reads as
// nothing, keeps an empty label and is not stored.
void StorePart(int window, const CStrokeWork& work, const std::vector<int>& starts, int firstInk, const Part& p) {
  COverlayMark& record = gAnalysisOverlay.m_marks[size_t(p.mark)];
  record.label.clear();
  const int strokes = static_cast<int>(starts.size());
  const int a = p.s0 - firstInk;
  if (p.s0 < 0 || a < 0 || a >= strokes) return;
  const int b = static_cast<int>(std::clamp<int64_t>(int64_t{p.s1} - firstInk, a, strokes));
  if (b == a) return;
  std::string text;
  if (TabletInkOf(window).RecognizeText(a, b, text) != 1 || text.empty()) return;
  record.label = text;
  const int first = starts[size_t(a)];
  const int end = b < strokes ? starts[size_t(b)] : work.GetCount();
  RememberReading(window, PointsOf(work, first, end), text);
  CStrokeWork part(end - first);
  part.CopyRangeFrom(work, first, end);
  part.Translate(-float(record.parts[0].rect.left), -float(record.parts[0].rect.top));
  // Every repaint of the character registers its parts again: only a changed part is new.
  CStrokePath stored;
  if (LoadTextCharacter(stored, record.label) == 1 && SamePoints(stored, part)) return;
  SaveTextCharacter(part, record.label);
}

// Lists the part in gNameList under its mark's label, or, when that is empty, under what
// the recogniser read in the same strokes when they were registered. 0 when the list is
// full.
int ListPart(int window, const CStrokeWork& work, int marks, int next, const Part& p) {
  COverlayMark& mark = gAnalysisOverlay.m_marks[size_t(p.mark)];
  if (mark.label.empty() && p.s0 >= 0) mark.label = RememberedReading(window, RecordStrokes(window, p.s0, p.s1));
  const int first = mark.parts[0].first;
  const int last = (next < marks ? gAnalysisOverlay.m_marks[size_t(next)].parts[0].first : work.GetCount()) - 1;
  const tmb::Rect& box = mark.parts[0].rect;
  return gNameList.Add(mark.label, first, last, box.left, box.top, box.right, box.bottom);
}

}  // namespace

int RegisterCharacterParts(int window, int mode) {
  CStrokeWork work;
  CTabletInk& ink = TabletInkOf(window);
  if (gWorkCanvas.m_bInkActive != 0 || gInkActive != 0) {
    ink.CopyInkToStrokes(work);
    const tmb::Point origin = gDrawState.m_ptCanvasOrigin;
    work.Translate(-float(origin.x), -float(origin.y));
  }
  if (mode == 0) gNameList.Reset();
  const int marks = std::clamp(gAnalysisOverlay.m_nCount, 0, CAnalysisOverlay::kCapacity);
  auto starts = [](int r) { return gAnalysisOverlay.m_marks[size_t(r)].continued == 0; };
  const std::vector<int> inkStarts = StrokeStarts(work);
  const int firstInk = ink.FirstInkStroke();
  int parts = 0;
  for (int r = 0; r < marks; ++r) {
    if (!starts(r)) continue;
    int next = r + 1;
    while (next < marks && !starts(next)) ++next;
    Part part{r, gAnalysisOverlay.m_marks[size_t(r)].firstStroke, INT_MAX};
    if (next < marks) part.s1 = gAnalysisOverlay.m_marks[size_t(next)].firstStroke;
    // Marks that cannot all be told as the record's strokes tell none.
    if (part.s1 < 0) part.s0 = -1;
    if (mode == 0) {
      if (ListPart(window, work, marks, next, part) == 0) break;
    } else {
      StorePart(window, work, inkStarts, firstInk, part);
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
