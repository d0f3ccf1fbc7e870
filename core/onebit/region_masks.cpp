#include "core/onebit/region_masks.h"

#include "core/canvas/work_canvas.h"
#include "core/onebit/region_scan.h"
#include "platform/gdi/dib_rows.h"

void ExtractBorder(const CMonoBitmap& source, CMonoBitmap& target) {
  const tmb::Rect area = RegionWithin(source, {1, 1, source.m_width - 1, source.m_height - 1});
  if (area.IsEmpty() || !target.m_pBits) return;
  if (target.m_stride != source.m_stride || target.m_rows != source.m_rows) {
    ForEachInkPixel(source, area, [&](int x, int y) {
      if (source.CountInk4(x, y) < 4) target.SetBit(x, y, 0);
    });
    return;
  }
  // Eight pixels at a time: a pixel is inside when it and its four neighbours are ink. The
  // area keeps a pixel off the bitmap's edges, so every neighbour read is a real pixel.
  const size_t stride = size_t(source.m_stride);
  const int first = area.left >> 3, last = (area.right - 1) >> 3;
  const unsigned firstMask = 0xFFu >> (area.left & 7);
  const unsigned lastMask = (0xFFu << (7 - ((area.right - 1) & 7))) & 0xFFu;
  for (int y = area.top; y < area.bottom; ++y) {
    const size_t offset = size_t(source.m_lastRow - y) * stride;
    const uint8_t* row = source.m_pBits + offset;
    const uint8_t* above = row + stride;  // rows are stored bottom-up
    const uint8_t* below = row - stride;
    uint8_t* out = target.m_pBits + offset;
    for (int b = first; b <= last; ++b) {
      const unsigned ink = ~unsigned(row[b]) & 0xFFu;
      if (!ink) continue;
      const unsigned before = b > 0 ? ~unsigned(row[b - 1]) & 1u : 0u;
      const unsigned after = size_t(b + 1) < stride ? (~unsigned(row[b + 1]) >> 7) & 1u : 0u;
      const unsigned left = (ink >> 1) | (before << 7);
      const unsigned right = ((ink << 1) & 0xFFu) | after;
      const unsigned inside = ink & left & right & ~unsigned(above[b]) & ~unsigned(below[b]);
      unsigned border = ink & ~inside & 0xFFu;
      if (b == first) border &= firstMask;
      if (b == last) border &= lastMask;
      out[b] = uint8_t(out[b] & ~border);
    }
  }
}

size_t RegionMaskBytes(const tmb::Surface& picture) {
  return size_t(tmb::MonoStride(picture.width())) * size_t(picture.height());
}

int BuildRegionMasks(tmb::DeviceContext* /*pDC*/, const tmb::Surface* picture, int left, int top, int right,
                     int bottom, CMonoBitmap& a, CMonoBitmap& b, CMonoBitmap& c, std::span<uint8_t> bitsA,
                     std::span<uint8_t> bitsB, std::span<uint8_t> bitsC, const tmb::Rect* clip) {
  if (!picture || picture->IsNull()) return 0;
  const size_t bytes = RegionMaskBytes(*picture);
  if (bitsA.size() < bytes || bitsB.size() < bytes || bitsC.size() < bytes) return 0;
  tmb::Rect region{left, top, right, bottom};
  region.Normalize();
  region = tmb::Rect::Intersection(region, clip ? *clip : gWorkCanvas.m_rect);
  region = tmb::Rect::Intersection(region, picture->Bounds());
  const int width = picture->width();
  const int height = picture->height();
  a.Attach(bitsA.data(), region.left, region.top, region.right, region.bottom, width, height);
  a.Clear();
  if (!region.IsEmpty()) {
    // The region's rows come over whole; what lies beside the region is then cleared.
    tmb::DibInfo info;
    info.header.bitCount = 1;
    const size_t offset = size_t(height - region.bottom) * size_t(a.m_stride);
    tmb::GetDibRows(*picture, height - region.bottom, region.Height(), bitsA.subspan(offset), info);
    for (int y = region.top; y < region.bottom; ++y) {
      for (int x = 0; x < region.left; ++x) a.SetBit(x, y, 1);
      for (int x = region.right; x < width; ++x) a.SetBit(x, y, 1);
    }
  }
  b.Attach(bitsB.data(), region.left, region.top, region.right, region.bottom, width, height);
  b.Clear();
  ExtractBorder(a, b);
  c.Attach(bitsC.data(), region.left, region.top, region.right, region.bottom, width, height);
  c.CopyAllFrom(bitsB.data());
  return 1;
}

int BorderToPicture(tmb::DeviceContext* pDC, tmb::Surface* picture, int left, int top, int right, int bottom,
                    CMonoBitmap& a, CMonoBitmap& b, CMonoBitmap& c, std::span<uint8_t> bitsA,
                    std::span<uint8_t> bitsB, std::span<uint8_t> bitsC, const tmb::Rect* clip, tmb::Surface* target) {
  if (!BuildRegionMasks(pDC, picture, left, top, right, bottom, a, b, c, bitsA, bitsB, bitsC, clip)) return 0;
  if (!target) target = picture;
  for (int y = b.m_top; y < b.m_bottom; ++y) {
    for (int x = b.m_left; x < b.m_right; ++x) target->SetPixel(x, y, b.TestBit(x, y) ? 0xFFFFFF : 0x000000);
  }
  return 1;
}
