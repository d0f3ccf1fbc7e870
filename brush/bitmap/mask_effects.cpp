#include "brush/bitmap/mask_effects.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/raster_ops.h"

namespace {

// The effect numbers served here (the mask effects' own names).
constexpr int kMaskOutline = 1;
constexpr int kMaskStone = 3;
constexpr int kMaskFluff = 4;
constexpr int kMaskHollow = 13;
constexpr int kMaskThin = 14;
constexpr int kMaskDrag = 17;
constexpr int kMaskAddOutline = 28;
constexpr int kMaskAxis = 66;
// Longest run effect 17 drags ink to the left.
constexpr int kDragRun = 10;

// The row of picture row y in a plane's memory (rows are stored bottom-up).
const uint8_t* RowOf(const CMonoBitmap& m, int y) { return m.m_pBits + size_t(m.m_lastRow - y) * size_t(m.m_stride); }

bool EdgeEffect(int effect) {
  return effect == kMaskOutline || effect == kMaskFluff || effect == 6 || effect == 7 || effect == 8 ||
         effect == kMaskAddOutline || effect == kMaskAxis;
}

}  // namespace

bool OneBitPlane::Make(tmb::Size size, const tmb::Rect& region) {
  if (size.cx <= 0 || size.cy <= 0) return false;
  m_bits.assign(size_t(tmb::MonoStride(size.cx)) * size_t(size.cy), 0xFF);
  m_map.Attach(m_bits.data(), region.left, region.top, region.right, region.bottom, size.cx, size.cy);
  return true;
}

void OneBitPlane::CopyFrom(const OneBitPlane& other) {
  m_bits = other.m_bits;
  const CMonoBitmap& o = other.m_map;
  m_map.Attach(m_bits.data(), o.m_left, o.m_top, o.m_right, o.m_bottom, o.m_width, o.m_height);
}

bool ReadInkPlane(const tmb::Surface& picture, const tmb::Rect& region, tmb::Colour paper, OneBitPlane& plane) {
  if (picture.IsNull() || picture.IsMono()) return false;
  const tmb::Rect r = tmb::Rect::Intersection(region, picture.Bounds());
  if (!plane.Make(picture.size(), r)) return false;
  const uint32_t key = tmb::StoredFromColour(paper) & 0xFFFFFFu;
  CMonoBitmap& m = plane.map();
  for (int y = r.top; y < r.bottom; ++y) {
    const uint32_t* row = picture.ColourRow(y);
    uint8_t* bits = plane.bits() + size_t(m.m_lastRow - y) * size_t(m.m_stride);
    for (int x = r.left; x < r.right; ++x) {
      if ((row[x] & 0xFFFFFFu) != key) bits[x >> 3] &= uint8_t(~(0x80u >> (x & 7)));
    }
  }
  return true;
}

int WriteMaskChanges(tmb::Surface& picture, const tmb::Rect& region, const CMonoBitmap& before,
                     const CMonoBitmap& after, tmb::Colour paper, tmb::Colour added) {
  const tmb::Rect r = tmb::Rect::Intersection(region, picture.Bounds());
  if (r.IsEmpty() || !before.m_pBits || !after.m_pBits) return 0;
  const uint32_t paperStored = tmb::StoredFromColour(paper), addedStored = tmb::StoredFromColour(added);
  int changed = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    const uint8_t* a = RowOf(before, y);
    const uint8_t* b = RowOf(after, y);
    uint32_t* row = picture.ColourRow(y);
    for (int x = r.left; x < r.right;) {
      // Whole bytes that did not change are passed over.
      if ((x & 7) == 0 && x + 8 <= r.right && a[x >> 3] == b[x >> 3]) {
        x += 8;
        continue;
      }
      const bool wasInk = !tmb::MonoBit(a, x), isInk = !tmb::MonoBit(b, x);
      if (wasInk != isInk) {
        row[x] = isInk ? addedStored : paperStored;
        ++changed;
      }
      ++x;
    }
  }
  return changed;
}

int MaskNeighbourhoodStep(const CMonoBitmap& source, CMonoBitmap& destination, int effect,
                          const MaskStepValues& values, CEffectRandom& random) {
  const CMonoBitmap& scan = effect == kMaskAxis ? destination : source;
  if (!scan.m_pBits) return 0;
  const int left = std::max(scan.m_left, 0), right = std::min(scan.m_right, scan.m_width);
  const int top = std::max(scan.m_top, 0), bottom = std::min(scan.m_bottom, scan.m_rows);
  const uint8_t skip = effect == kMaskStone ? 0x00 : 0xFF;
  int cleared = 0;
  for (int y = top; y < bottom; ++y) {
    const uint8_t* row = RowOf(scan, y);
    for (int x = left; x < right; ++x) {
      if ((x & 7) == 0 && x + 8 <= right && row[x >> 3] == skip) {
        x += 7;
        continue;
      }
      if (effect == kMaskStone) {
        if (random.Next() % 100 < values.density) destination.SetBit(x, y, 0);
        continue;
      }
      if (effect == kMaskDrag) {
        if (!source.TestBit(x - 1, y)) {
          const int run = random.Next() % kDragRun;
          for (int k = 1; k <= run && x - k >= 0; ++k) destination.SetBit(x - k, y, 0);
        }
        continue;
      }
      if (!EdgeEffect(effect) || x < 1 || y < 1 || scan.TestBit(x, y)) continue;
      if (effect == kMaskAxis) {
        if (destination.CanThinPixel(x, y)) {
          destination.SetBit(x, y, 1);
          ++cleared;
        }
        continue;
      }
      if (source.CountInk4(x, y) == 4) continue;
      if (effect == kMaskFluff) {
        if (random.Next() % 2 == 0) destination.SetBit(x, y, 1);
      } else {
        destination.SetBit(x, y, 0);
      }
    }
  }
  return cleared;
}

int ApplyMaskEffect(tmb::Surface& picture, const tmb::Rect& region, int effect, tmb::Colour paper,
                    tmb::Colour added, int rounds, const MaskStepValues& values, CEffectRandom& random) {
  OneBitPlane source, result;
  if (!ReadInkPlane(picture, region, paper, source)) return -1;
  const CMonoBitmap& s = source.map();
  switch (effect) {
    case kMaskAxis:
    case kMaskThin: {
      result.CopyFrom(source);
      const int most = effect == kMaskThin ? 1 : kMaxThinRounds;
      for (int round = 0; round < most; ++round) {
        if (MaskNeighbourhoodStep(s, result.map(), kMaskAxis, values, random) == 0) break;
      }
      break;
    }
    case kMaskHollow: {
      // The ink is worn away edge by edge; what is left inside becomes paper, leaving a
      // frame as wide as the rounds that wore something away.
      OneBitPlane inner, edge;
      inner.CopyFrom(source);
      edge.CopyFrom(source);
      const int most = std::clamp(rounds, 1, kMaxHollowRounds);
      for (int round = 0; round < most; ++round) {
        edge.map().Clear();
        MaskNeighbourhoodStep(inner.map(), edge.map(), kMaskOutline, values, random);
        const std::vector<uint8_t> previous(inner.bits(), inner.bits() + (inner.map().m_stride * inner.map().m_rows));
        inner.map().RasterOp(edge.bits(), 0, 0, s.m_width - 1, s.m_rows, tmb::kMergePaint);
        if (std::memcmp(previous.data(), inner.bits(), previous.size()) == 0) break;
      }
      result.CopyFrom(source);
      result.map().RasterOp(inner.bits(), 0, 0, s.m_width - 1, s.m_rows, tmb::kMergePaint);
      break;
    }
    case kMaskStone:
    case kMaskFluff:
    case kMaskDrag:
      result.CopyFrom(source);
      MaskNeighbourhoodStep(s, result.map(), effect, values, random);
      break;
    default:
      result.CopyFrom(source);
      result.map().Clear();
      MaskNeighbourhoodStep(s, result.map(), effect, values, random);
      break;
  }
  return WriteMaskChanges(picture, region, s, result.map(), paper, added);
}
