#include "brush/bitmap/deform_selection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/effect/effect_def.h"

namespace {

constexpr double kPi = 3.1415926536;

// Within what a surface of the block's size can sensibly hold.
int Extent(int64_t v) { return int(std::clamp<int64_t>(v, -(1 << 20), 1 << 20)); }

}  // namespace

int DeformSelection(const CEffectDef& def, tmb::DeviceContext* pDC, tmb::Surface* dst, tmb::Surface* src, int mode) {
  if (!dst || !src || dst->IsNull() || src->IsNull() || mode < kEffectScaleSame || mode > kEffectScaleEllipse) return 0;
  tmb::Rect block = def.m_region;
  block.Normalize();
  block = tmb::Rect::Intersection(block, src->Bounds());
  const int w = block.Width(), h = block.Height();
  if (w <= 0 || h <= 0) return 0;

  // The block is drawn into a picture of its own size first, so src may be dst.
  tmb::Surface result;
  if (!result.Create(w, h, tmb::PixelFormat::kColour32)) return 0;
  result.Fill(def.m_colour1[kEffectColourBack]);
  tmb::DeviceContext from = tmb::DeviceContext::CompatibleWith(pDC);
  from.SelectSurface(src);
  tmb::DeviceContext to = tmb::DeviceContext::CompatibleWith(pDC);
  to.SelectSurface(&result);
  to.SetStretchMode(tmb::kColorOnColor);
  const int v1 = def.m_value1[size_t(mode)], v2 = def.m_value2[size_t(mode)];
  // The middle column, within the block; a row from x reaches as far past the middle on
  // the other side (w - 2x wide), so an odd width keeps its last column.
  const int c = w / 2;
  switch (mode) {
    case kEffectScaleSame:
      to.StretchBlt(0, 0, Extent(int64_t(w) * v1 / 100), Extent(int64_t(h) * v1 / 100), &from, block.left, block.top,
                    w, h, tmb::kSrcCopy);
      break;
    case kEffectScalePixels:
      to.StretchBlt(0, 0, Extent(v1), Extent(v2), &from, block.left, block.top, w, h, tmb::kSrcCopy);
      break;
    case kEffectScaleRatio:
      to.StretchBlt(0, 0, Extent(int64_t(w) * v1 / 100), Extent(int64_t(h) * v2 / 100), &from, block.left, block.top,
                    w, h, tmb::kSrcCopy);
      break;
    default:
      for (int r = 0; r < h; ++r) {
        int x = 0, width = w;
        if (mode == kEffectScaleTrapezoid) {
          const int64_t percent = v1 + int64_t(v2 - v1) * r / std::max(h - 1, 1);
          x = Extent(c - int64_t(w) * percent / 200);
          width = w - 2 * x;
        } else if (mode == kEffectScaleIncline) {
          x = Extent(int64_t(r * std::cos(v1 * kPi / 180)));
        } else {
          const double k = r - h / 2, radius2 = double(h) * h / 4;
          x = c - int(std::sqrt(std::max(0.0, radius2 - k * k)) * w / h);
          width = w - 2 * x;
        }
        if (width != 0) to.StretchBlt(x, r, width, 1, &from, block.left, block.top + r, w, 1, tmb::kSrcCopy);
      }
      break;
  }
  to.SelectSurface(nullptr);
  tmb::DeviceContext out = tmb::DeviceContext::CompatibleWith(pDC);
  out.SelectSurface(dst);
  tmb::DeviceContext back = tmb::DeviceContext::CompatibleWith(pDC);
  back.SelectSurface(&result);
  out.BitBlt(block.left, block.top, w, h, &back, 0, 0, tmb::kSrcCopy);
  return 1;
}
