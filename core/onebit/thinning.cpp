#include "core/onebit/thinning.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/onebit/pixel_window.h"
#include "core/onebit/region_scan.h"
#include "platform/service/progress.h"

namespace {

// The part of the region the passes visit: they keep off the first row and column.
tmb::Rect PassArea(const CMonoBitmap& bitmap) { return RegionWithin(bitmap, {1, 1, bitmap.m_width, bitmap.m_height}); }

CMonoBitmap WithRegion(const CMonoBitmap& bitmap, int left, int top, int right, int bottom) {
  CMonoBitmap view = bitmap;
  view.m_left = left;
  view.m_top = top;
  view.m_right = right;
  view.m_bottom = bottom;
  return view;
}

// The pixels of an area the next sweep must test: one bit per pixel in rows of 64-bit
// words (the leftmost pixel of a word in its highest bit, as the bitmap's bytes hold
// them), with a flag per row so that rows without any are passed over at once.
class Candidates {
 public:
  Candidates(const CMonoBitmap& bitmap, const tmb::Rect& area)
      : area_(area), words_((bitmap.m_width + 63) / 64), bits_(size_t(words_) * size_t(bitmap.m_height)),
        rows_(size_t(bitmap.m_height)) {}

  // Marks the ink pixels of the area that touch the background: one with eight ink
  // neighbours neither thins nor is a speck, so the first sweep need not test it.
  void MarkBorder(const CMonoBitmap& bitmap) {
    for (int y = area_.top; y < area_.bottom; ++y) {
      const uint8_t* above = y > 0 ? RowBytes(bitmap, y - 1) : nullptr;
      const uint8_t* row = RowBytes(bitmap, y);
      const uint8_t* below = y + 1 < bitmap.m_height ? RowBytes(bitmap, y + 1) : nullptr;
      uint64_t* marks = Row(y);
      for (int w = area_.left >> 6; w <= (area_.right - 1) >> 6; ++w) {
        const uint64_t ink = InkWord(bitmap, row, w);
        if (!ink) continue;
        const uint64_t inner = ink & Across(bitmap, row, w) & Around(bitmap, above, w) & Around(bitmap, below, w);
        marks[w] = ink & ~inner & AreaWord(w);
        if (marks[w]) rows_[size_t(y)] = 1;
      }
    }
  }

  // Marks the pixels x0..x1, y0..y1 (inclusive) that lie in the area.
  void Mark(int x0, int y0, int x1, int y1) {
    x0 = std::max(x0, area_.left);
    y0 = std::max(y0, area_.top);
    x1 = std::min(x1, area_.right - 1);
    y1 = std::min(y1, area_.bottom - 1);
    if (x0 > x1 || y0 > y1) return;
    // Locals, so that the stores below cannot be taken to change them.
    const size_t words = size_t(words_);
    uint32_t* flags = rows_.data();
    const int w0 = x0 >> 6, w1 = x1 >> 6;
    const uint64_t head = ~uint64_t(0) >> (x0 & 63);
    const uint64_t tail = ~uint64_t(0) << (63 - (x1 & 63));
    uint64_t* row = bits_.data() + size_t(y0) * words;
    if (w0 == w1) {
      // Nearly always: the pixels lie in one word of each row.
      const uint64_t bits = head & tail;
      for (int y = y0; y <= y1; ++y, row += words) {
        flags[y] = 1;
        row[w0] |= bits;
      }
      return;
    }
    for (int y = y0; y <= y1; ++y, row += words) {
      flags[y] = 1;
      row[w0] |= head;
      for (int w = w0 + 1; w < w1; ++w) row[w] = ~uint64_t(0);
      row[w1] |= tail;
    }
  }

  // Calls visit(windows, b, y, pixels) for each byte b of row y that holds marked ink
  // pixels, in row order, with those pixels as the byte's bits (the leftmost highest) and
  // the windows of the byte, read once for all of them. The marks are taken off first:
  // marks made meanwhile wait for the next sweep.
  template <class Visit>
  void Sweep(const CMonoBitmap& bitmap, Visit visit) {
    for (int y = area_.top; y < area_.bottom; ++y) {
      if (!rows_[size_t(y)]) continue;
      rows_[size_t(y)] = 0;
      uint64_t* marks = Row(y);
      const uint8_t* row = bitmap.m_pBits + size_t(bitmap.m_lastRow - y) * size_t(bitmap.m_stride);
      for (int w = 0; w < words_; ++w) {
        if (!marks[w]) continue;
        uint64_t pixels = std::exchange(marks[w], 0) & InkWord(bitmap, row, w);
        while (pixels) {
          const int byte = std::countl_zero(pixels) / 8;
          const unsigned inByte = unsigned(pixels >> (56 - 8 * byte)) & 0xFFu;
          pixels &= ~(uint64_t(0xFF) << (56 - 8 * byte));
          visit(ByteWindows(bitmap, w * 8 + byte, y), w * 8 + byte, y, inByte);
        }
      }
    }
  }

 private:
  uint64_t* Row(int y) { return bits_.data() + size_t(y) * size_t(words_); }

  static const uint8_t* RowBytes(const CMonoBitmap& bitmap, int y) {
    return bitmap.m_pBits + size_t(bitmap.m_lastRow - y) * size_t(bitmap.m_stride);
  }

  // The ink of pixels 64 w to 64 w + 63 of a row (nullptr: none), the first in the
  // highest bit; nothing past the bitmap's width.
  static uint64_t InkWord(const CMonoBitmap& bitmap, const uint8_t* row, int w) {
    if (!row || w < 0 || w * 64 >= bitmap.m_width) return 0;
    uint64_t bytes = 0;
    const uint8_t* p = row + w * 8;
    if (w * 8 + 8 <= bitmap.m_stride) {
      for (int j = 0; j < 8; ++j) bytes = (bytes << 8) | p[j];
    } else {
      for (int j = 0; j < 8; ++j) bytes = (bytes << 8) | (w * 8 + j < bitmap.m_stride ? p[j] : 0xFFu);
    }
    const int past = (w + 1) * 64 - bitmap.m_width;
    return past > 0 ? ~bytes & (~uint64_t(0) << past) : ~bytes;
  }

  // The pixels of word w whose left and right neighbours are both ink.
  static uint64_t Across(const CMonoBitmap& bitmap, const uint8_t* row, int w) {
    const uint64_t ink = InkWord(bitmap, row, w);
    const uint64_t left = (ink >> 1) | (InkWord(bitmap, row, w - 1) << 63);
    const uint64_t right = (ink << 1) | (InkWord(bitmap, row, w + 1) >> 63);
    return left & right;
  }
  // The pixels of word w below or above which the row holds three pixels of ink.
  static uint64_t Around(const CMonoBitmap& bitmap, const uint8_t* row, int w) {
    return InkWord(bitmap, row, w) & Across(bitmap, row, w);
  }

  // The pixels of word w that lie in the area.
  uint64_t AreaWord(int w) const {
    const int from = std::max(area_.left - w * 64, 0), to = std::min(area_.right - w * 64, 64);
    if (from >= to) return 0;
    return (~uint64_t(0) >> from) & (to == 64 ? ~uint64_t(0) : ~(~uint64_t(0) >> to));
  }

  tmb::Rect area_;
  int words_;
  std::vector<uint64_t> bits_;
  std::vector<uint32_t> rows_;  // words, not bytes: a byte store may alias anything
};

// Removes the first count pixels of flagged in row order while they stay simple; marks
// what their removal changes for the next pass. Returns the number removed.
int RemoveWhileSimple(CMonoBitmap& mask, const std::vector<tmb::Point>& flagged, size_t count,
                      Candidates* candidates) {
  const uint8_t* facts = CoreFacts();
  int removed = 0;
  for (size_t n = 0; n < count; ++n) {
    const tmb::Point p = flagged[n];
    if (!(facts[PixelCore(mask, p.x, p.y)] & kCoreSimple)) continue;
    mask.SetBit(p.x, p.y, 1);
    ++removed;
    // Every pixel whose window holds p.
    if (candidates) candidates->Mark(p.x - 2, p.y - 1, p.x + 1, p.y + 2);
  }
  return removed;
}

}  // namespace

int ThinningPass(CMonoBitmap& source, CMonoBitmap& target, int left, int top, int right, int bottom, int mode) {
  const tmb::Rect area = PassArea(WithRegion(source, left, top, right, bottom));
  int n = 0;
  if (mode == kThinningFlag) {
    ForEachInkPixel(source, area, [&](int x, int y) {
      if (!WindowCanThin(PixelWindow(source, x, y))) return;
      target.SetBit(x, y, 0);
      ++n;
    });
  } else if (mode == kThinningDespeckle) {
    ForEachInkPixel(source, area, [&](int x, int y) {
      if (WindowInk8(PixelWindow(source, x, y)) >= 4) return;
      source.SetBit(x, y, 1);
      ++n;
    });
  }
  return n;
}

int RemoveThinnedPixels(CMonoBitmap& source, const CMonoBitmap& flags) {
  std::vector<tmb::Point> flagged;
  ForEachInkPixel(flags, PassArea(source), [&](int x, int y) {
    if (!source.TestBit(x, y)) flagged.push_back({x, y});
  });
  return RemoveWhileSimple(source, flagged, flagged.size(), nullptr);
}

int BreakInkBlocks(CMonoBitmap& mask) {
  const tmb::Rect area = PassArea(mask);
  int removed = 0;
  ForEachInkPixel(mask, area, [&](int x, int y) {
    auto ink = [&](int px, int py) { return !mask.TestBit(px, py); };
    if (!ink(x, y) || !ink(x + 1, y) || !ink(x, y + 1) || !ink(x + 1, y + 1)) return;
    const tmb::Point block[4] = {{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}};
    for (const tmb::Point& p : block) {
      if (area.Contains(p) && WindowIsSimple(PixelWindow(mask, p.x, p.y))) {
        mask.SetBit(p.x, p.y, 1);
        ++removed;
        return;
      }
    }
  });
  return removed;
}

int DespeckleMask(CMonoBitmap& mask, int maxPasses) {
  const uint8_t* facts = CoreFacts();
  Candidates candidates(mask, PassArea(mask));
  candidates.MarkBorder(mask);
  int total = 0;
  for (int pass = 0; pass < maxPasses; ++pass) {
    int removed = 0;
    candidates.Sweep(mask, [&](ByteWindows windows, int b, int y, unsigned pixels) {
      // One by one: a removal changes the count of the pixels after it.
      for (int i = 0; i < 8; ++i) {
        if (!(pixels & (0x80u >> i)) || (facts[WindowCore(windows.At(i))] >> kCoreInkShift) >= 4) continue;
        mask.SetBit(b * 8 + i, y, 1);
        windows.Clear(i);
        ++removed;
        candidates.Mark(b * 8 + i - 1, y - 1, b * 8 + i + 1, y + 1);
      }
    });
    total += removed;
    if (removed == 0) break;
  }
  return total;
}

int ThinMask(CMonoBitmap& mask, int maxPasses, int showProgress) {
  const uint64_t* canThin = CanThinBits();
  const tmb::Rect area = PassArea(mask);
  Candidates candidates(mask, area);
  candidates.MarkBorder(mask);
  // A pass flags at most every ink pixel, and writes eight entries past its last.
  std::vector<tmb::Point> flagged(size_t(CountInkPixels(mask)) + 8);
  const int tenth = std::max(area.Height() / 10, 1);
  int shown = 0;
  int total = 0;
  for (int pass = 0; pass < maxPasses; ++pass) {
    // Every test of a pass sees the mask as the pass found it; the removals follow. The
    // eight pixels of a byte are tested without branching on the outcome, which is as
    // likely one way as the other.
    size_t count = 0;
    if (showProgress) tmb::Progress().SetPos(shown = 0);
    candidates.Sweep(mask, [&](const ByteWindows& windows, int b, int y, unsigned pixels) {
      if (showProgress) {
        // Each pass moves through the rows by tens of percent.
        const int at = std::min((y - area.top) / tenth * 10, 100);
        if (at != shown) tmb::Progress().SetPos(shown = at);
      }
      for (int i = 0; i < 8; ++i) {
        const uint32_t window = windows.At(i);
        flagged[count] = {b * 8 + i, y};
        count += ((canThin[window >> 6] >> (window & 63)) & (pixels >> (7 - i))) & 1;
      }
    });
    const int removed = RemoveWhileSimple(mask, flagged, count, &candidates);
    total += removed;
    if (removed == 0) break;
  }
  total += BreakInkBlocks(mask);
  if (showProgress) tmb::Progress().SetPos(-1);
  return total;
}
