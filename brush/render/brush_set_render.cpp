// Rendering the brush set of a render state: the tips of kinds 1 to 7 thinned out of the
// brush kind's tip, every kind scaled to the 32 sizes, the masks, and the set again in a
// brush colour.
#include <algorithm>
#include <cmath>
#include <vector>

#include "brush/render/brush_state.h"

namespace {

constexpr int kBrushKindParam = 10;
constexpr int kScatterParam = 40;
constexpr int kBrushSizeParam = 41;
constexpr int kStyleParam = 37;

// The density of the thinning by the brush size, and the scatter constant by parameter 40.
int DensityOf(int sizeSetting) { return sizeSetting == 1 ? 45 : sizeSetting == 2 ? 35 : 25; }
int ScatterOf(int setting) { return setting == 1 ? 98 : setting == 2 ? 63 : 34; }

bool IsWhite(uint32_t stored) { return (stored & 0x00FFFFFFu) == 0x00FFFFFFu; }

}  // namespace

void CBrushState::RenderBrushSet(tmb::DeviceContext* pDC) {
  if (!m_bRenderRequest || m_tipStrip.IsNull()) return;
  const int kind0 = std::clamp<int>(m_param[kBrushKindParam], 0, kKinds - 1);
  const int density = DensityOf(m_param[kBrushSizeParam]);
  // Tip 1 comes from the brush kind as loaded, each later tip from the one before it.
  for (int k = 1; k < kKinds; ++k) {
    if (k == 1) {
      RenderTip(k, density, m_loadedTips, kind0);
    } else {
      RenderTip(k, density, m_tipStrip, k - 1);
    }
  }
  RenderSetFromRow(pDC, 0, true);
  m_bRenderRequest = 0;
}

void CBrushState::RenderTip(int target, int density, const tmb::Surface& source, int sourceKind) {
  std::vector<uint32_t*> ink;
  for (int y = 0; y < kCell; ++y) {
    const uint32_t* from = source.ColourRow(y) + kCell * sourceKind;
    uint32_t* to = m_tipStrip.ColourRow(y) + kCell * target;
    std::copy(from, from + kCell, to);
    for (int x = 0; x < kCell; ++x) {
      if (!IsWhite(to[x])) ink.push_back(to + x);
    }
  }
  const double scatter = ScatterOf(m_param[kScatterParam]);
  for (size_t j = 0; j < ink.size(); ++j) {
    const double jd = double(j);
    const int v = int(std::trunc(jd * std::sqrt(jd * scatter))) % 256 * 100 / 255;
    if (density > v) *ink[j] = tmb::kStoredWhite;
  }
}

void CBrushState::RenderSetFromRow(tmb::DeviceContext* pDC, int row, bool rebuildMasks) {
  const int style = m_param[kStyleParam];
  tmb::DeviceContext set = tmb::DeviceContext::CompatibleWith(pDC);
  set.SelectSurface(&m_brushSet);
  tmb::DeviceContext strip = tmb::DeviceContext::CompatibleWith(pDC);
  strip.SelectSurface(&m_tipStrip);
  for (int k = 0; k < kKinds; ++k) {
    for (int s = 1; s <= kSizes; ++s) {
      const int x0 = kCell * k, y0 = kCell * (s - 1);
      if (style >= 200) {
        // Nearest pixel: keeps the tip's own pixels at every size.
        for (int y = 0; y < s; ++y) {
          const uint32_t* from = m_tipStrip.ColourRow(row + kCell * y / s) + x0;
          uint32_t* to = m_brushSet.ColourRow(y0 + y) + x0;
          for (int x = 0; x < s; ++x) to[x] = from[kCell * x / s];
        }
      } else {
        // Shrinking keeps black (kind 2: a bolder brush) or white (the others: thinner).
        set.SetStretchMode(k == 2 && style < 300 ? tmb::kBlackOnWhite : tmb::kWhiteOnBlack);
        set.StretchBlt(x0, y0, s, s, &strip, x0, row, kCell, kCell, tmb::kSrcCopy);
      }
      if (k == 0) FinishKindZeroCell(s);
    }
  }
  if (!rebuildMasks) return;
  // Mask 2: the set's white is 1, every other colour 0; mask 1: the same inverted.
  tmb::DeviceContext mask = tmb::DeviceContext::CompatibleWith(pDC);
  mask.SelectSurface(&m_mask2);
  mask.BitBlt(0, 0, kSetWidth, kSetHeight, &set, 0, 0, tmb::kSrcCopy);
  mask.SelectSurface(&m_mask1);
  mask.BitBlt(0, 0, kSetWidth, kSetHeight, &set, 0, 0, tmb::kSrcCopy);
  mask.BitBlt(0, 0, kSetWidth, kSetHeight, nullptr, 0, 0, tmb::kDstInvert);
}

void CBrushState::FinishKindZeroCell(int s) {
  const int y0 = kCell * (s - 1);
  const int style = m_param[kStyleParam];
  auto pixel = [this, y0](int x, int y) -> uint32_t& { return m_brushSet.ColourRow(y0 + y)[x]; };
  // A white pixel right of the corner between two inked ones is made black.
  auto fillGap = [&pixel](int c) {
    if (IsWhite(pixel(c + 1, c)) && !IsWhite(pixel(c, c)) && !IsWhite(pixel(c + 1, c + 1))) {
      pixel(c + 1, c) = tmb::kStoredBlack;
    }
  };
  if (style >= 300) fillGap(0);
  if (style < 200 || style >= 300) fillGap(1);

  tmb::Rect box{kCell, kCell, 0, 0};
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      if (IsWhite(pixel(x, y))) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  m_tipCentres[size_t(s - 1)] = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

void CBrushState::RecolourStrip(tmb::Colour colour) {
  // c + (255 - c) g / 255 per channel for grey g of the unthinned tips: black takes the
  // colour, lighter greys move toward white, white stays white. The greys are read from
  // the tips as loaded (what the bottom row held before any recolouring): read from the
  // bottom row itself, a second colour would shade the first one's shades.
  auto shade = [](int c, int g) { return c + (255 - c) * g / 255; };
  for (int y = 0; y < kCell; ++y) {
    const uint32_t* from = m_loadedTips.ColourRow(y);
    uint32_t* to = m_tipStrip.ColourRow(kCell + y);
    for (int x = 0; x < kSetWidth; ++x) {
      if (IsWhite(from[x])) {
        to[x] = tmb::kStoredWhite;
        continue;
      }
      const int g = tmb::RedOf(tmb::ColourFromStored(from[x]));
      to[x] = tmb::StoredFromColour(tmb::MakeRgb(shade(tmb::RedOf(colour), g), shade(tmb::GreenOf(colour), g),
                                                 shade(tmb::BlueOf(colour), g)));
    }
  }
}
