#include "brush/bitmap/mask_effects.h"

#include <algorithm>
#include <span>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/onebit/mask_rows.h"
#include "core/onebit/region_scan.h"
#include "core/onebit/thinning.h"
#include "platform/gdi/raster_ops.h"
#include "platform/service/progress.h"

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

bool OneBitPlane::Make(tmb::Size size, const tmb::Rect& region, int canvasDib) {
  if (size.cx <= 0 || size.cy <= 0) return false;
  const size_t bytes = size_t(tmb::MonoStride(size.cx)) * size_t(size.cy);
  const std::span<uint8_t> dib = MaskDibRows(canvasDib);
  const bool fits = dib.size() == bytes && gWorkCanvas.m_maskDibs[canvasDib].m_blockSize == size;
  if (fits) {
    std::vector<uint8_t>().swap(m_bits);
    m_pRows = dib.data();
  } else {
    m_bits.assign(bytes, 0);
    m_pRows = m_bits.data();
  }
  m_map.Attach(m_pRows, region.left, region.top, region.right, region.bottom, size.cx, size.cy);
  m_map.Clear();
  return true;
}

void OneBitPlane::CopyFrom(const OneBitPlane& other) {
  m_bits.assign(other.m_pRows, other.m_pRows + size_t(other.m_map.m_stride) * size_t(other.m_map.m_rows));
  m_pRows = m_bits.data();
  const CMonoBitmap& o = other.m_map;
  m_map.Attach(m_pRows, o.m_left, o.m_top, o.m_right, o.m_bottom, o.m_width, o.m_height);
}

bool ReadInkPlane(const tmb::Surface& picture, const tmb::Rect& region, tmb::Colour paper, OneBitPlane& plane,
                  int canvasDib) {
  if (picture.IsNull() || picture.IsMono()) return false;
  const tmb::Rect r = tmb::Rect::Intersection(region, picture.Bounds());
  if (!plane.Make(picture.size(), r, canvasDib)) return false;
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
                          const MaskStepValues& values, CEffectRandom& random, int showProgress) {
  const CMonoBitmap& scan = effect == kMaskAxis ? destination : source;
  if (!scan.m_pBits) return 0;
  const int left = std::max(scan.m_left, 0), right = std::min(scan.m_right, scan.m_width);
  const int top = std::max(scan.m_top, 0), bottom = std::min(scan.m_bottom, scan.m_rows);
  const uint8_t skip = effect == kMaskStone ? 0x00 : 0xFF;
  const int tenth = std::max((bottom - top) / 10, 1);
  int cleared = 0;
  for (int y = top; y < bottom; ++y) {
    if (showProgress && (y - top) % tenth == 0) tmb::Progress().SetPos(std::min((y - top) / tenth * 10, 100));
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
  if (showProgress) tmb::Progress().SetPos(-1);
  return cleared;
}

int ApplyMaskEffect(tmb::Surface& picture, const tmb::Rect& region, int effect, tmb::Colour paper,
                    tmb::Colour added, int repeat, const MaskStepValues& values, CEffectRandom& random,
                    int showProgress) {
  OneBitPlane source, result, gathered;
  if (!ReadInkPlane(picture, region, paper, source, 0)) return -1;
  const CMonoBitmap& s = source.map();
  const tmb::Rect r = tmb::Rect::Intersection(region, picture.Bounds());
  if (!result.Make(picture.size(), r, 1)) return -1;
  CMonoBitmap& out = result.map();
  // Every byte of the rows: what lies outside the region is background in all planes.
  auto merge = [&](CMonoBitmap& into, const OneBitPlane& from, uint32_t op) {
    into.RasterOp(from.bits(), 0, 0, into.m_width - 1, into.m_rows, op);
  };
  if (effect == 0 || effect == 2 || effect == kMaskFluff || effect == 5) merge(out, source, tmb::kSrcCopy);
  switch (effect) {
    case kMaskAxis:
    case kMaskThin:
      // The vectoriser's thinning: the thinning test alone, whether its pixels go all at
      // once or one by one, wears staircase bands away from their ends.
      merge(out, source, tmb::kSrcCopy);
      ThinMask(out, effect == kMaskThin ? 1 : kMaxThinRounds, showProgress);
      break;
    case kMaskHollow: {
      // The second plane keeps the ink not yet worn, the third gathers every edge worn.
      if (!gathered.Make(picture.size(), r, 2)) return -1;
      OneBitPlane edge;
      if (!edge.Make(picture.size(), r)) return -1;
      merge(out, source, tmb::kSrcCopy);
      const int rounds = std::clamp(repeat, 1, kMaxHollowRounds);
      for (int round = 0; round < rounds; ++round) {
        edge.map().Clear();
        MaskNeighbourhoodStep(out, edge.map(), kMaskOutline, values, random, showProgress);
        if (CountInkPixels(edge.map()) == 0) break;
        merge(out, edge, tmb::kMergePaint);
        merge(gathered.map(), edge, tmb::kSrcAnd);
      }
      return WriteMaskChanges(picture, region, s, gathered.map(), paper, added);
    }
    case kMaskStone:
    case kMaskDrag:
      // What these add goes onto the ink there was.
      MaskNeighbourhoodStep(s, out, effect, values, random, showProgress);
      merge(out, source, tmb::kSrcAnd);
      break;
    default:
      MaskNeighbourhoodStep(s, out, effect, values, random, showProgress);
      break;
  }
  return WriteMaskChanges(picture, region, s, out, paper, added);
}
