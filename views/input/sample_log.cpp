// The diagnostic sample log of the drawing view: once asked for, it sweeps the minimum
// sample interval over 30 strokes, three per interval, and then writes every point of
// the drawn record with its timing to "tes.txt" in the current folder. No command asks
// for it; a caller sets m_nSampleLog to 1.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "platform/file/safe_save.h"
#include "views/tmb_view.h"

namespace {

enum SampleLogState { kLogOff = 0, kLogRequested = 1, kLogRunning = 2 };
enum LogColumn { kColSample, kColDelay, kColInterval, kColPressure, kColCleared, kColTime };

// The minimum intervals the log tries, three strokes each; the last step writes the file.
constexpr std::array<int, 11> kLogDelays{0, 5, 10, 15, 20, 35, 40, 50, 80, 120, 200};
constexpr int kStrokesPerDelay = 3;
constexpr int kLastStep = 10;
constexpr int kDelayAfterLog = 30;
constexpr char kLogFile[] = "tes.txt";
// Six numbers of at most 11 characters each and the line's own characters.
constexpr size_t kLogLineSize = 96;

}  // namespace

void CTmbView::SampleLogBeginStroke(CCharDataFull& rec) {
  if (m_nSampleLog == kLogRequested) {
    rec.m_nPoints = 0;
    AllocSampleBuffers();
    m_nSampleLog = kLogRunning;
  }
  const int i = rec.m_nPoints;
  if (m_nSampleLog != kLogRunning || i >= kMaxCharPoints) return;
  m_sampleColumns[kColSample][size_t(i)] = 0;
  m_sampleColumns[kColDelay][size_t(i)] = gDrawState.m_nPenDelay;
  m_sampleColumns[kColInterval][size_t(i)] = 0;
  m_sampleColumns[kColPressure][size_t(i)] = -1;
  m_sampleColumns[kColCleared][size_t(i)] = 0;
  m_sampleColumns[kColTime][size_t(i)] = static_cast<int32_t>(m_dwLastInput);
}

void CTmbView::SampleLogSample(int index, uint32_t now, int interval) {
  if (m_nSampleLog != kLogRunning || index < 0 || index >= kMaxCharPoints) return;
  const size_t i = size_t(index);
  m_sampleColumns[kColSample][i] = ++m_nSampleCount;
  m_sampleColumns[kColDelay][i] = gDrawState.m_nPenDelay;
  m_sampleColumns[kColInterval][i] = interval;
  m_sampleColumns[kColPressure][i] = gDrawState.m_nPenPressure;
  m_sampleColumns[kColCleared][i] = 0;
  m_sampleColumns[kColTime][i] = static_cast<int32_t>(now & 0xFFFF);
}

void CTmbView::SampleLogEndStroke() {
  if (m_nSampleLog != kLogRunning) return;
  if (++m_nSampleStroke >= kStrokesPerDelay) {
    ++m_nSampleStep;
    gDrawState.m_nPenDelay = kLogDelays[size_t(m_nSampleStep)];
    m_nSampleStroke = 0;
  }
  if (m_nSampleStep < kLastStep) return;
  const CCharDataFull* rec = DrawnRecord();
  // A log that cannot be written is lost, and the previous one is kept whole.
  if (rec) {
    std::string text;
    for (int k = 0; k < rec->m_nPoints; ++k) {
      const auto at = [this, k](LogColumn c) { return m_sampleColumns[c][size_t(k)]; };
      std::array<char, kLogLineSize> line{};
      const int n = std::snprintf(line.data(), line.size(), "\n %-6d %-3d %-4d %-4d (%-6d,%-4d)", at(kColSample),
                                  at(kColDelay), at(kColInterval), at(kColPressure), at(kColCleared), at(kColTime));
      text.append(line.data(), size_t(std::clamp(n, 0, int(line.size()) - 1)));
    }
    tmb::SaveFileAtomically(kLogFile, text.data(), text.size());
  }
  m_nSampleLog = kLogOff;
  FreeSampleBuffers();
  gDrawState.m_nPenDelay = kDelayAfterLog;
}

void CTmbView::AllocSampleBuffers() {
  for (std::vector<int32_t>& column : m_sampleColumns) column.assign(kMaxCharPoints, 0);
  // The sweep starts from no minimum interval.
  gDrawState.m_nPenDelay = 0;
  m_nSampleStroke = m_nSampleStep = m_nSampleCount = 0;
}

void CTmbView::FreeSampleBuffers() {
  for (std::vector<int32_t>& column : m_sampleColumns) std::vector<int32_t>().swap(column);
}
