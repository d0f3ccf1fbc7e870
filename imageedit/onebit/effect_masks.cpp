#include "imageedit/onebit/effect_masks.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/blit_rows.h"

namespace {

// The one-bit mask of a colour picture (white 1, any other colour 0), as block transfers
// make it with a white background colour.
bool MonoCopy(tmb::DeviceContext* pDC, const tmb::Surface& source, tmb::Surface& mask) {
  if (!mask.Create(source.width(), source.height(), tmb::PixelFormat::kMono1)) return false;
  tmb::DeviceContext from = tmb::DeviceContext::CompatibleWith(pDC);
  from.SelectSurface(const_cast<tmb::Surface*>(&source));
  tmb::DeviceContext to = tmb::DeviceContext::CompatibleWith(pDC);
  to.SelectSurface(&mask);
  return to.BitBlt(0, 0, source.width(), source.height(), &from, 0, 0, tmb::kSrcCopy);
}

// Adds to ink[i] the ink pixels of mask row sy in columns [base + i s, base + (i + 1) s),
// counting only columns x0 to x1 - 1.
void CountRowInk(const tmb::Surface& mask, int sy, int base, int x0, int x1, int s, std::vector<int>& ink) {
  const uint8_t* row = mask.Row(sy);
  for (int sx = x0; sx < x1; ++sx) {
    if (!tmb::MonoBit(row, sx)) ++ink[size_t((sx - base) / s)];
  }
}

void SetTargetPixel(tmb::Surface& target, int x, int y, tmb::Colour colour) {
  if (target.IsMono()) {
    tmb::SetMonoBit(target.Row(y), x, tmb::MonoBitOfColour(colour));
  } else {
    target.ColourRow(y)[x] = tmb::StoredFromColour(colour);
  }
}

}  // namespace

void BuildEffectMasks(tmb::DeviceContext* pDC, tmb::Surface* target, const tmb::Surface* source, int x, int y, int w,
                      int h, int scale, tmb::Colour ink, tmb::Colour paper) {
  if (!target || !source || source->IsNull() || target->IsNull() || scale < 1) return;
  tmb::Surface ownMask;
  const tmb::Surface* mask = source;
  if (!source->IsMono()) {
    if (!MonoCopy(pDC, *source, ownMask)) return;
    mask = &ownMask;
  }
  const tmb::Rect region = tmb::Rect::Intersection({x, y, x + w, y + h}, mask->Bounds());
  if (region.IsEmpty()) return;

  // The shade of every ink count, and the target's pixels of the blocks.
  const int cells = scale * scale;
  std::vector<tmb::Colour> shade(size_t(cells) + 1);
  auto channel = [cells](int p, int q, int c) { return p - (p - q) * c / cells; };
  for (int c = 0; c <= cells; ++c) {
    shade[size_t(c)] = tmb::MakeRgb(channel(tmb::RedOf(paper), tmb::RedOf(ink), c),
                                    channel(tmb::GreenOf(paper), tmb::GreenOf(ink), c),
                                    channel(tmb::BlueOf(paper), tmb::BlueOf(ink), c));
  }
  const int bx0 = region.left / scale, by0 = region.top / scale;
  const int bx1 = std::min((region.right + scale - 1) / scale, target->width());
  const int by1 = std::min((region.bottom + scale - 1) / scale, target->height());
  if (bx0 >= bx1 || by0 >= by1) return;

  const int n = bx1 - bx0;
  std::vector<int> counts(static_cast<size_t>(n));
  std::vector<uint8_t> ones(static_cast<size_t>(n));
  for (int by = by0; by < by1; ++by) {
    std::fill(counts.begin(), counts.end(), 0);
    const int sy0 = std::max(by * scale, region.top), sy1 = std::min((by + 1) * scale, region.bottom);
    const int sx0 = std::max(bx0 * scale, region.left), sx1 = std::min(bx1 * scale, region.right);
    // Whole 4 x 4 blocks are counted 64 pixels at a time: the supersampling factor.
    const bool whole = scale == 4 && sy1 - sy0 == 4 && sx0 == bx0 * 4 && sx1 == bx1 * 4;
    if (whole) {
      tmb::blit::CountOnes4x4(*mask, sx0, sy0, n, ones.data());
      for (int i = 0; i < n; ++i) counts[size_t(i)] = 16 - ones[size_t(i)];
    } else {
      for (int sy = sy0; sy < sy1; ++sy) CountRowInk(*mask, sy, bx0 * scale, sx0, sx1, scale, counts);
    }
    for (int i = 0; i < n; ++i) {
      const int c = counts[size_t(i)];
      if (c > 0) SetTargetPixel(*target, bx0 + i, by, shade[size_t(c)]);
    }
  }
}
