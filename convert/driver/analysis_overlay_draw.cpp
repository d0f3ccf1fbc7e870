// The analysis overlay drawn over a character: the frames of its marks and their labels.
#include <algorithm>

#include "convert/driver/analysis_overlay.h"
#include "platform/gdi/device_context.h"
#include "platform/text/code_page.h"

namespace {

constexpr int kLastPart = 3;

void FramePart(tmb::DeviceContext& dc, const COverlayPart& part) {
  if (part.hidden) return;
  tmb::Rect r = part.rect;
  if (part.shown) r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  dc.FrameRect(r, tmb::Brush::Solid(part.colour));
}

}  // namespace

void CAnalysisOverlay::Draw(tmb::DeviceContext& dc, bool withLabels, bool lastOnly) const {
  const int count = std::clamp(m_nCount, 0, kCapacity);
  const tmb::Font font = dc.SelectFont(m_labelFont);
  auto pass = [&](int part, bool labels) {
    for (int i = count - 1; i >= 0; --i) {
      const COverlayMark& mark = m_marks[size_t(i)];
      FramePart(dc, mark.parts[size_t(part)]);
      if (!labels || mark.label.empty()) continue;
      const int mode = dc.SetBackgroundMode(tmb::kTransparent);
      const tmb::Rect& r = mark.parts[size_t(part)].rect;
      dc.TextOut(r.left, r.top, tmb::SjisToUtf16(mark.label).value_or(u"?"));
      dc.SetBackgroundMode(mode);
    }
  };
  pass(0, false);
  if (!lastOnly) {
    pass(1, false);
    pass(2, false);
  }
  pass(kLastPart, withLabels);
  dc.SelectFont(font);
}
