#include "core/store/dictionary_runs.h"

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

// The guide grid of rec laid over the canvas; the number of its cells.
int LayOutCells(CCharDataFull& rec) {
  rec.DrawGuideLines(gWorkCanvas.m_width, gWorkCanvas.m_height, nullptr);
  return rec.m_cellGrid.IsEmpty() ? 0 : rec.m_cellGrid.m_nColumns * rec.m_cellGrid.m_nRows;
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
void MarkStrokeRuns(const CCharDataFull& record) {
  CStrokeWork work(std::max(record.m_nPoints + 1, 1));
  record.ToStrokeWork(work);
  gAnalysisOverlay.Clear();
  const int n = work.GetCount();
  for (int start = 0; start < n;) {
    int end = start + 1;
    while (end < n && work.m_pFlags[end] != 1) ++end;
    gAnalysisOverlay.AddMark(start, end - 1, work);
    start = end;
  }
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
  rec.m_bChanged = 1;
  rec.m_bModified = 1;
  return 1;
}

int RegisterTextCharacters(CCharDataFull& record, std::string_view text, int window) {
  if (record.m_nPoints <= 0) return 0;
  MarkStrokeRuns(record);
  const int cells = LayOutCells(record);
  const std::vector<std::string_view> chars = TextCharacters(text);
  // With the window's ink active the cells the text does not reach are named by what is
  // written there.
  CTabletInk& ink = TabletInkOf(window);
  const bool reading = ink.m_bActive != 0;
  const size_t room = reading ? std::max<size_t>(size_t(cells), chars.size()) : chars.size();
  std::vector<std::unique_ptr<CStrokePath>> parts(room);
  // The record's strokes each cell holds, as a run [first, end) while they follow one
  // another (-1 once they do not).
  std::vector<std::pair<int, int>> runs(room, {-1, -1});
  int stroke = 0;
  for (int start = 0; start < record.m_nPoints; ++stroke) {
    int end = start + 1;
    while (end < record.m_nPoints && record.m_pFlags[end] == 0) ++end;
    const int cell = CellOf(record.m_cellGrid, cells, record.m_pPoints[start]);
    if (cell >= 0 && size_t(cell) < parts.size()) {
      if (!parts[size_t(cell)]) {
        parts[size_t(cell)] = std::make_unique<CStrokePath>(kMaxCharPoints);
        runs[size_t(cell)] = {stroke, stroke + 1};
      } else if (runs[size_t(cell)].second == stroke) {
        ++runs[size_t(cell)].second;
      } else {
        runs[size_t(cell)] = {-1, -1};
      }
      CStrokePath& part = *parts[size_t(cell)];
      for (int j = start; j < end; ++j) part.AppendPoint(record.m_pPoints[j].x, record.m_pPoints[j].y, j == start ? 1 : 0);
    }
    start = end;
  }
  // One character written larger than the grid's cells leaves its own cell empty: the
  // one character of the text names everything written, and no cell is read apart.
  if (chars.size() == 1 && !parts[0]) {
    parts.resize(1);
    parts[0] = std::make_unique<CStrokePath>(kMaxCharPoints);
    for (int j = 0; j < record.m_nPoints; ++j) {
      parts[0]->AppendPoint(record.m_pPoints[j].x, record.m_pPoints[j].y, record.m_pFlags[j] ? 1 : 0);
    }
  }
  const int firstInk = reading ? ink.FirstInkStroke() : 0;
  int stored = 0;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (!parts[i]) continue;
    std::string name = i < chars.size() ? std::string(chars[i]) : std::string();
    // The recogniser reads a run of the ink's strokes: a cell's strokes that were not
    // written one after another since the ink began stay unnamed.
    if (i >= chars.size() && runs[i].first >= firstInk) {
      ink.RecognizeText(runs[i].first - firstInk, runs[i].second - firstInk, name);
    }
    if (name.empty()) continue;
    CFRect box;
    parts[i]->GetBounds(box);
    parts[i]->Translate(-box.left, -box.top);
    if (SaveTextCharacter(*parts[i], name) != 1) return -1;
    ++stored;
  }
  return stored > 0 ? 1 : 0;
}
