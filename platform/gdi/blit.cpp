// Block transfers of a device context: PatBlt, BitBlt and MaskBlt.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gdi/blit_rows.h"
#include "platform/gdi/device_context.h"

namespace tmb {
namespace {

struct Block {
  int64_t dx, dy, sx, sy, mx, my, w, h;
};

// Cuts the block to the destination bounds and, when src is given, to the source bounds;
// false when nothing is left.
bool ClipBlock(Block& b, const Rect& dst, const Rect* src) {
  auto cut = [&b](int64_t& pos, int64_t lo, int64_t hi, bool horizontal) {
    int64_t& extent = horizontal ? b.w : b.h;
    if (pos < lo) {
      const int64_t d = lo - pos;
      b.dx += horizontal ? d : 0;
      b.sx += horizontal ? d : 0;
      b.mx += horizontal ? d : 0;
      b.dy += horizontal ? 0 : d;
      b.sy += horizontal ? 0 : d;
      b.my += horizontal ? 0 : d;
      extent -= d;
    }
    extent = std::min(extent, hi - pos);
  };
  cut(b.dx, dst.left, dst.right, true);
  cut(b.dy, dst.top, dst.bottom, false);
  if (src) {
    cut(b.sx, src->left, src->right, true);
    cut(b.sy, src->top, src->bottom, false);
  }
  return b.w > 0 && b.h > 0;
}

// Mask bits for pixels mx to mx + n - 1 of mask row my, aligned at offset; a pixel outside
// the mask counts as 1.
void MaskRow(const Surface* mask, int64_t mx, int64_t my, int n, int offset, std::vector<uint8_t>& out) {
  const size_t bytes = size_t((offset + n + 7) >> 3) + 1;
  out.assign(bytes, 0);
  if (!mask) {
    std::fill(out.begin(), out.end(), 0xFF);
    return;
  }
  const bool rowInside = my >= 0 && my < mask->height();
  if (rowInside && mx >= 0 && mx + n <= mask->width()) {
    blit::ExtractMono(mask->Row(int(my)), int(mx), n, offset, out.data());
    return;
  }
  for (int i = 0; i < n; ++i) {
    const int64_t x = mx + i;
    const bool bit = !rowInside || x < 0 || x >= mask->width() || MonoBit(mask->Row(int(my)), int(x));
    if (bit) SetMonoBit(out.data(), offset + i, true);
  }
}

// Everything one transfer needs, prepared once.
struct Transfer {
  Surface* dst;
  const Surface* src;
  const Surface* mask;
  uint8_t fore;
  uint8_t back;
  bool masked;
  uint32_t patWord;
  uint8_t patByte;
  uint32_t srcBackground;  // a colour source pixel equal to it becomes 1 on a mono destination
  uint32_t monoOne;        // a mono source's 1 on a colour destination
  uint32_t monoZero;       // and its 0
};

void RunTransfer(const Transfer& t, const Block& b) {
  const int w = int(b.w);
  const bool dstMono = t.dst->IsMono();
  const int offset = dstMono ? int(b.dx & 7) : 0;
  std::vector<uint32_t> words(dstMono ? 0 : size_t(w));
  std::vector<uint8_t> bits(dstMono ? size_t((offset + w + 7) >> 3) + 1 : 0);
  std::vector<uint8_t> maskBits;
  for (int64_t r = 0; r < b.h; ++r) {
    const int dy = int(b.dy + r);
    const int sy = int(b.sy + r);
    if (t.src) {
      if (dstMono) {
        if (t.src->IsMono()) {
          blit::ExtractMono(t.src->Row(sy), int(b.sx), w, offset, bits.data());
        } else {
          std::fill(bits.begin(), bits.end(), 0);
          const uint32_t* s = t.src->ColourRow(sy) + b.sx;
          for (int i = 0; i < w; ++i) {
            if (s[i] == t.srcBackground) SetMonoBit(bits.data(), offset + i, true);
          }
        }
      } else if (t.src->IsMono()) {
        const uint8_t* s = t.src->Row(sy);
        for (int i = 0; i < w; ++i) words[size_t(i)] = MonoBit(s, int(b.sx) + i) ? t.monoOne : t.monoZero;
      } else {
        std::copy_n(t.src->ColourRow(sy) + b.sx, w, words.begin());
      }
    }
    if (t.masked) MaskRow(t.mask, b.mx, b.my + r, w, offset, maskBits);
    if (dstMono) {
      uint8_t* row = t.dst->Row(dy);
      if (t.masked) {
        blit::CombineMonoMasked(row, int(b.dx), w, bits.data(), maskBits.data(), t.fore, t.back, t.patByte);
      } else {
        blit::CombineMono(row, int(b.dx), w, bits.data(), t.fore, t.patByte);
      }
    } else {
      uint32_t* row = t.dst->ColourRow(dy) + b.dx;
      if (t.masked) {
        blit::CombineColourMasked(row, words.data(), maskBits.data(), w, t.fore, t.back, t.patWord);
      } else {
        blit::CombineColour(row, words.data(), w, t.fore, t.patWord);
      }
    }
  }
}

// A copy of the source block, for transfers within one surface.
bool Snapshot(const Surface& src, const Block& b, Surface& copy) {
  if (!copy.Create(int(b.w), int(b.h), src.format())) return false;
  for (int64_t r = 0; r < b.h; ++r) {
    if (src.IsMono()) {
      blit::ExtractMono(src.Row(int(b.sy + r)), int(b.sx), int(b.w), 0, copy.Row(int(r)));
    } else {
      std::copy_n(src.ColourRow(int(b.sy + r)) + b.sx, b.w, copy.ColourRow(int(r)));
    }
  }
  return true;
}

bool Overlaps(const Block& b) {
  return b.sx < b.dx + b.w && b.dx < b.sx + b.w && b.sy < b.dy + b.h && b.dy < b.sy + b.h;
}

}  // namespace

bool DeviceContext::PatBlt(int x, int y, int width, int height, uint32_t rop) {
  if (!surface_) return false;
  const uint8_t op = Rop3Byte(rop);
  if (Rop3UsesSource(op)) return false;
  Rect r{x, y, x + width, y + height};
  r.Normalize();
  r = Rect::Intersection(ToDevice(r), Clip());
  if (r.IsEmpty()) return true;
  Transfer t{surface_, nullptr, nullptr, op, op, false, blit::PatternWord(brush_), blit::PatternByte(brush_), 0, 0, 0};
  RunTransfer(t, Block{r.left, r.top, 0, 0, 0, 0, r.Width(), r.Height()});
  return true;
}

bool DeviceContext::BitBlt(int x, int y, int width, int height, const DeviceContext* src, int sx, int sy,
                           uint32_t rop) {
  return MaskBlt(x, y, width, height, src, sx, sy, nullptr, 0, 0, rop & 0x00FFFFFFu);
}

bool DeviceContext::MaskBlt(int x, int y, int width, int height, const DeviceContext* src, int sx, int sy,
                            const Surface* mask, int mx, int my, uint32_t rop) {
  if (!surface_) return false;
  const uint8_t fore = Rop3Byte(rop);
  const uint8_t back = mask ? uint8_t(rop >> 24) : fore;
  const bool usesSource = Rop3UsesSource(fore) || Rop3UsesSource(back);
  const Surface* source = usesSource && src ? src->surface() : nullptr;
  if (usesSource && !source) return false;
  if (mask && !mask->IsMono()) return false;
  if (width <= 0 || height <= 0) return true;
  const Point d = ToDevice(x, y);
  Block b{d.x, d.y, 0, 0, mx, my, std::min(width, kCoordLimit), std::min(height, kCoordLimit)};
  Rect sourceBounds;
  if (source) {
    const Point s = src->ToDevice(sx, sy);
    b.sx = s.x;
    b.sy = s.y;
    sourceBounds = source->Bounds();
  }
  if (!ClipBlock(b, Clip(), source ? &sourceBounds : nullptr)) return true;
  Surface copy;
  if (source == surface_ && Overlaps(b)) {
    if (!Snapshot(*source, b, copy)) return false;
    source = &copy;
    b.sx = 0;
    b.sy = 0;
  }
  const bool masked = mask != nullptr && fore != back;
  Transfer t{surface_,
             source,
             mask,
             fore,
             back,
             masked,
             blit::PatternWord(brush_),
             blit::PatternByte(brush_),
             src ? StoredFromColour(src->backgroundColour()) : 0,
             StoredFromColour(backgroundColour_),
             StoredFromColour(textColour_)};
  RunTransfer(t, b);
  return true;
}

}  // namespace tmb
