#include "convert/driver/analysis_overlay.h"

#include "convert/driver/label_font.h"
#include "core/geometry/rect_helpers.h"
#include "core/geometry/saturate.h"
#include "core/path/stroke_path.h"

CAnalysisOverlay gAnalysisOverlay;

namespace {

constexpr tmb::Colour kPartColours[4] = {0xff0000, 0x00ffff, 0x00ff00, 0x0000ff};
constexpr int kPartShown[4] = {1, 1, 1, 0};
constexpr int kLabelHeight = 40;

}  // namespace

CAnalysisOverlay::CAnalysisOverlay() : m_labelFont(ConversionLabelFont(kLabelHeight)) { Clear(); }

void CAnalysisOverlay::Clear() {
  for (COverlayMark& mark : m_marks) {
    mark = COverlayMark{};
    for (int p = 0; p < 4; ++p) {
      mark.parts[p].colour = kPartColours[p];
      mark.parts[p].shown = kPartShown[p];
    }
  }
  m_nCount = 0;
  m_runStarts.clear();
}

int CAnalysisOverlay::AddMark(int first, int last, const CStrokePath& path, int firstStroke) {
  if (m_nCount >= kCapacity || first < 0 || last < first || last >= path.GetCount()) return 0;
  tmb::Rect rect;
  path.GetRangeBoundsAndCentre(rect, first, last + 1);
  if (RectHeight64(rect) < kMinSide) rect.bottom = SaturateToInt(int64_t{rect.top} + kMinSide);
  if (RectWidth64(rect) < kMinSide) rect.right = SaturateToInt(int64_t{rect.left} + kMinSide);
  rect.Normalize();
  COverlayMark& mark = m_marks[m_nCount++];
  mark.firstStroke = firstStroke;
  for (int p : {0, 3}) {
    mark.parts[p].first = first;
    mark.parts[p].last = last;
    mark.parts[p].firstPoint = path.GetPoint(first);
    mark.parts[p].lastPoint = path.GetPoint(last);
  }
  for (COverlayPart& part : mark.parts) part.rect = rect;
  return 1;
}

int CAnalysisOverlay::FindEntryOfPoint(int j) const {
  for (int k = 0; k < m_nCount; ++k) {
    const COverlayPart& part = m_marks[k].parts[0];
    if (part.hidden == 0 && j >= part.first && j <= part.last) return k;
  }
  return -1;
}

void CAnalysisOverlay::BuildRunStarts(const CStrokePath& path) {
  m_runStarts.clear();
  int stroke = -1;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] != CStrokePath::kFlagStart) continue;
    ++stroke;
    if (i > 0 && FindEntryOfPoint(i) != FindEntryOfPoint(i - 1)) m_runStarts.push_back(stroke);
  }
}

CFPoint CAnalysisOverlay::GetAverageMarkSize() const {
  double width = 0;
  double height = 0;
  int n = 0;
  for (int k = 0; k < m_nCount; ++k) {
    const COverlayPart& part = m_marks[k].parts[3];
    if (part.hidden != 0) continue;
    width += double(RectWidth64(part.rect));
    height += double(RectHeight64(part.rect));
    ++n;
  }
  if (n == 0) return CFPoint(0, 0);
  return CFPoint(static_cast<float>(width / n), static_cast<float>(height / n));
}
