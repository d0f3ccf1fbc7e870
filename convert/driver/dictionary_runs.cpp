#include "convert/driver/dictionary_runs.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/tablet_ink.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "core/store/text_store.h"
#include "core/text/name_list.h"
#include "platform/service/messages.h"
#include "platform/text/code_page.h"

namespace {

constexpr int kMaxPercent = 1000;
constexpr int kMsgNotInDictionary = 61625;

bool IsSkipped(std::string_view c) { return c == " " || c == "\r" || c == "\n" || c == "\t" || c == "\x81\x40"; }

// The characters of text within the limit, in order.
std::vector<std::string_view> TextCharacters(std::string_view text) {
  text = text.substr(0, kDictTextLimit);
  std::vector<std::string_view> chars;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t n = 1;
    if (tmb::IsSjisLeadByte(lead)) {
      // A lead byte cut off by the end of the text is no character.
      if (i + 1 >= text.size() || !tmb::IsSjisTrailByte(static_cast<unsigned char>(text[i + 1]))) {
        ++i;
        continue;
      }
      n = 2;
    }
    const std::string_view c = text.substr(i, n);
    if (!IsSkipped(c)) chars.push_back(c);
    i += n;
  }
  return chars;
}

// The number of cells of rec's guide grid as last laid out.
int GridCells(const CCharDataFull& rec) {
  return rec.m_cellGrid.IsEmpty() ? 0 : rec.m_cellGrid.m_nColumns * rec.m_cellGrid.m_nRows;
}

// The guide grid of rec laid over the canvas; the number of its cells.
int LayOutCells(CCharDataFull& rec) {
  rec.DrawGuideLines(gWorkCanvas.m_width, gWorkCanvas.m_height, nullptr);
  return GridCells(rec);
}

// Moves and scales path so that it sits in cell: as large as fits with its proportions
// kept, times percent / 100 when scaled; at the cell's top-left corner, or its middle.
void FitIntoCell(CStrokePath& path, const tmb::Rect& cell, bool scaled, int percent, bool centred) {
  CFRect box;
  path.GetBounds(box);
  path.Translate(-box.left, -box.top);
  const CFPoint ratio = DivideNonZero(CFPoint(float(cell.Width()), float(cell.Height())), box.Width(), box.Height());
  // A box without width (or height) takes its scale from the other side alone.
  float s = 1.0f;
  if (box.Width() > 0 && box.Height() > 0) {
    s = std::min(ratio.x, ratio.y);
  } else if (box.Width() > 0) {
    s = ratio.x;
  } else if (box.Height() > 0) {
    s = ratio.y;
  }
  if (scaled) s = static_cast<float>(double(s) * std::clamp(percent, 1, kMaxPercent) / 100.0);
  path.Scale(s);
  float x = float(cell.left), y = float(cell.top);
  if (centred) {
    x += (float(cell.Width()) - box.Width() * s) / 2;
    y += (float(cell.Height()) - box.Height() * s) / 2;
  }
  path.Translate(x, y);
}

// The cell of grid holding p; -1 when none does.
int CellOf(const CCellGrid& grid, int cells, tmb::Point p) {
  for (int n = 0; n < cells; ++n) {
    if (grid.CellRect(n).Contains(p)) return n;
  }
  return -1;
}

// The analysis overlay gets one mark for each written stroke, from its flagged start to the
// point before the next: the view shows the runs that were registered.
// Returns the number of strokes.
int MarkStrokeRuns(const CCharDataFull& record) {
  CStrokeWork work(std::max(record.m_nPoints + 1, 1));
  record.ToStrokeWork(work);
  gAnalysisOverlay.Clear();
  const int n = work.GetCount();
  int strokes = 0;
  for (int start = 0; start < n; ++strokes) {
    int end = start + 1;
    while (end < n && work.m_pFlags[end] != 1) ++end;
    gAnalysisOverlay.AddMark(start, end - 1, work);
    start = end;
  }
  return strokes;
}

// A stored character starts at the origin.
void MoveToOrigin(CStrokePath& path) {
  CFRect box;
  path.GetBounds(box);
  path.Translate(-box.left, -box.top);
}

// Every stroke of the record, as a stored character.
int LoadWholeWriting(CStrokePath& path, const CCharDataFull& record) {
  record.ToStrokePath(path, nullptr, -1, 0);
  MoveToOrigin(path);
  return path.GetCount();
}

}  // namespace

int SplitTextCharacters(std::string_view text) {
  const std::vector<std::string_view> chars = TextCharacters(text);
  // The list refuses additions past its capacity: make room for the whole text first.
  gNameList.Reserve(static_cast<int>(chars.size()));
  for (std::string_view c : chars) gNameList.Add(c, 0, 0, 0, 0, 0, 0);
  return gNameList.GetCount();
}

int ExpandTextCharacters(CTmbDoc& doc, std::string_view text) {
  const int count = SplitTextCharacters(text);
  if (count == 0) return 0;
  CCharDataFull& rec = doc.m_char;
  const int cells = LayOutCells(rec);
  if (cells == 0) {
    tmb::Beep();
    return 0;
  }
  const bool scaled = rec.m_param[kDictScaleParam] != 0;
  const bool centred = rec.m_param[kDictCentreParam] != 0;
  const int percent = rec.m_param[kDictPercentParam];
  std::vector<std::unique_ptr<CStrokePath>> placed;
  int total = 0;
  for (int i = 0; i < std::min(count, cells); ++i) {
    auto path = std::make_unique<CStrokePath>(kMaxCharPoints);
    if (LoadTextCharacter(*path, gNameList.Entry(i).m_strName) != 1 || path->GetCount() == 0) continue;
    FitIntoCell(*path, rec.m_cellGrid.CellRect(i), scaled, percent, centred);
    total += path->GetCount();
    placed.push_back(std::move(path));
  }
  // None of the characters is stored: the window keeps its character, and the user is
  // told why nothing came.
  if (placed.empty()) {
    tmb::Beep();
    tmb::ShowMessage(kMsgNotInDictionary, tmb::kMsgOk, {tmb::SjisToUtf8Lossy(text.substr(0, kDictTextLimit))});
    return 0;
  }
  // An append needs room for one point more than it brings.
  CStrokePath all(total + 1);
  for (const auto& path : placed) all.AppendAllFrom(*path);
  doc.SaveUndoCopy();
  rec.ClearPoints();
  // Past the record's capacity the points that fit are kept, and the user is told.
  rec.FromStrokePath(all, false);
  rec.m_nOutlineDirty = 1;
  rec.m_bModified = 1;
  return 1;
}

int LoadDictionaryCharacter(CStrokePath& path, const CCharDataFull& record, const CNameEntry& entry) {
  path.SetCount(0);
  const int cells = GridCells(record);
  int strokes = 0;
  for (int start = 0; start < record.m_nPoints;) {
    int end = start + 1;
    while (end < record.m_nPoints && record.m_pFlags[end] == 0) ++end;
    if (entry.m_nFirst >= 0 && CellOf(record.m_cellGrid, cells, record.m_pPoints[start]) == entry.m_nFirst) {
      for (int j = start; j < end; ++j) path.AppendPoint(record.m_pPoints[j].x, record.m_pPoints[j].y, j == start ? 1 : 0);
      ++strokes;
    }
    start = end;
  }
  if (strokes == 0) return 0;
  MoveToOrigin(path);
  return strokes;
}

int LoadFontCharacter(const CStrokePath& path, std::string_view name) { return SaveTextCharacter(path, name); }

int RegisterTextCharacters(CCharDataFull& record, std::string_view text, int window) {
  if (record.m_nPoints <= 0) return 0;
  const int strokes = MarkStrokeRuns(record);
  const int cells = LayOutCells(record);
  const std::vector<std::string_view> chars = TextCharacters(text);
  // The record's strokes each cell holds, as a run [first, end) while they follow one
  // another (-1 once they do not); empty for a cell without strokes.
  std::vector<std::pair<int, int>> runs(size_t(cells), {-2, -2});
  int stroke = 0;
  for (int start = 0; start < record.m_nPoints; ++stroke) {
    int end = start + 1;
    while (end < record.m_nPoints && record.m_pFlags[end] == 0) ++end;
    const int cell = CellOf(record.m_cellGrid, cells, record.m_pPoints[start]);
    if (cell >= 0) {
      std::pair<int, int>& run = runs[size_t(cell)];
      if (run.first == -2) {
        run = {stroke, stroke + 1};
      } else if (run.second == stroke) {
        ++run.second;
      } else {
        run = {-1, -1};
      }
    }
    start = end;
  }
  // Entry i of the list names cell i; each written cell is one character at most, so the
  // list needs room for the text or the strokes, whichever is more.
  gNameList.Reserve(std::max(strokes, static_cast<int>(chars.size())));
  auto addEntry = [&record, cells](std::string_view name, int cell) {
    const tmb::Rect box = cell < cells ? record.m_cellGrid.CellRect(cell) : tmb::Rect{};
    const int place = cell < cells ? cell : -1;
    return gNameList.Add(name, place, place, box.left, box.top, box.right, box.bottom);
  };
  for (size_t i = 0; i < chars.size(); ++i) addEntry(chars[i], static_cast<int>(i));
  // With the window's ink active the written cells the text does not reach are named by
  // what the recogniser reads in their strokes, when they are ink written one after
  // another.
  CTabletInk& ink = TabletInkOf(window);
  if (ink.m_bActive != 0) {
    const int firstInk = ink.FirstInkStroke();
    for (int cell = static_cast<int>(chars.size()); cell < cells; ++cell) {
      const std::pair<int, int>& run = runs[size_t(cell)];
      if (run.first < firstInk) continue;
      std::string name;
      ink.RecognizeText(run.first - firstInk, run.second - firstInk, name);
      if (!name.empty() && !addEntry(name, cell)) break;
    }
  }
  CStrokePath path(kMaxCharPoints);
  int stored = 0;
  for (int i = 0; i < gNameList.GetCount(); ++i) {
    const CNameEntry& entry = gNameList.Entry(i);
    int got = LoadDictionaryCharacter(path, record, entry);
    // One character written larger than the grid's cells leaves its own cell empty: the
    // one character of the text names everything written.
    if (got == 0 && i == 0 && chars.size() == 1) got = LoadWholeWriting(path, record);
    if (got == 0) continue;
    if (LoadFontCharacter(path, entry.m_strName) != 1) return -1;
    ++stored;
  }
  return stored > 0 ? 1 : 0;
}
