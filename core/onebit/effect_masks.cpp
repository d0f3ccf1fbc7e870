#include "core/onebit/effect_masks.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/gdi/blit_rows.h"

namespace {

constexpr int kLinearCurve = 100;

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

bool CopyMono(const tmb::Surface& source, tmb::Surface& mask) {
  if (!mask.Create(source.width(), source.height(), tmb::PixelFormat::kMono1)) return false;
  std::memcpy(mask.bits(), source.bits(), source.ByteSize());
  return true;
}

// Adds to ink[i] the ink pixels of mask row sy in columns [base + i s, base + (i + 1) s),
// counting only columns x0 to x1 - 1.
template <class Count>
void CountRowInk(const tmb::Surface& mask, int sy, int base, int x0, int x1, int s, Count* ink) {
  const uint8_t* row = mask.Row(sy);
  for (int sx = x0; sx < x1; ++sx) {
    if (!tmb::MonoBit(row, sx)) ++ink[(sx - base) / s];
  }
}

void SetTargetPixel(tmb::Surface& target, int x, int y, tmb::Colour colour) {
  if (target.IsMono()) {
    tmb::SetMonoBit(target.Row(y), x, tmb::MonoBitOfColour(colour));
  } else {
    target.ColourRow(y)[x] = tmb::StoredFromColour(colour);
  }
}

// One channel of the shade of c ink pixels out of n, paper p and ink q.
int ShadeChannel(int p, int q, int c, int n, int curve) {
  if (p == q) return q;
  if (curve == kLinearCurve) return p - (p - q) * c / n;
  const double e = 100.0 / std::max(curve, 1);
  double v;
  if (q <= p) {
    v = p - std::pow(double(c) / n, e) * (p - q);
  } else {
    v = q + std::pow(double(n - c) / n, e) * (p - q);
  }
  return std::clamp(int(v), 0, 255);
}

// The ink of a monochrome row as 64-bit words, first pixel in the highest bit; pixels past
// the width are no ink.
void LoadInk(const tmb::Surface& mask, int y, std::vector<uint64_t>& ink) {
  const uint8_t* row = mask.Row(y);
  const int words = int(ink.size());
  for (int j = 0; j < words; ++j) ink[size_t(j)] = ~tmb::blit::Load64(row, int64_t(j) * 64);
  const int tail = mask.width() & 63;
  if (tail) ink[size_t(words - 1)] &= ~0ull << (64 - tail);
}

// The ink widened by one pixel left and right.
void Widen(const std::vector<uint64_t>& ink, std::vector<uint64_t>& out, uint64_t lastMask) {
  const size_t words = ink.size();
  for (size_t j = 0; j < words; ++j) {
    uint64_t v = ink[j] | (ink[j] >> 1) | (ink[j] << 1);
    if (j > 0) v |= ink[j - 1] << 63;
    if (j + 1 < words) v |= ink[j + 1] >> 63;
    out[j] = v;
  }
  out[words - 1] &= lastMask;
}

void StoreInk(tmb::Surface& mask, int y, const std::vector<uint64_t>& ink) {
  uint8_t* row = mask.Row(y);
  const int stride = mask.stride();
  for (int b = 0; b < stride; ++b) {
    row[b] = uint8_t(~(ink[size_t(b >> 3)] >> (56 - 8 * (b & 7))));
  }
}

// The ink bits (0 pixels, as 1 bits) of bytes first to last of a monochrome row, the
// pixels before bit head of the first byte and after bit tail of the last left out.
struct InkBytes {
  const uint8_t* row;
  int first, last;
  uint8_t head, tail;

  uint8_t At(int b) const {
    uint8_t bits = uint8_t(~row[b]);
    if (b == first) bits &= head;
    if (b == last) bits &= tail;
    return bits;
  }
  bool WhiteWord(int b) const {
    uint64_t word;
    std::memcpy(&word, row + b, 8);
    return word == ~0ull;
  }
  // The first byte with ink, or last + 1; paper is passed over eight bytes at a time.
  int Forward() const {
    if (At(first)) return first;
    int b = first + 1;
    while (b + 8 <= last && WhiteWord(b)) b += 8;
    while (b <= last && !At(b)) ++b;
    return b;
  }
  // The last byte with ink; only called on a row that has some.
  int Backward() const {
    if (At(last)) return last;
    int b = last - 1;
    while (b - 8 >= first && WhiteWord(b - 7)) b -= 8;
    while (!At(b)) --b;
    return b;
  }
};

// The columns [left, right) of one row from its first to its last ink pixel; none when
// right <= left.
struct InkRun {
  int left = 0, right = 0;
};

// The ink runs of the rows of region (row region.top first) in runs, and the smallest
// rectangle holding every ink pixel of the monochrome mask there; empty when there is none.
tmb::Rect FindInkRuns(const tmb::Surface& mask, const tmb::Rect& region, std::vector<InkRun>& runs) {
  runs.assign(size_t(std::max(region.Height(), 0)), InkRun{});
  if (region.IsEmpty()) return {};
  InkBytes bytes{nullptr, region.left >> 3, (region.right - 1) >> 3, uint8_t(0xFFu >> (region.left & 7)),
                 uint8_t(0xFFu << (7 - ((region.right - 1) & 7)))};
  tmb::Rect box{region.right, region.bottom, region.left, region.top};
  for (int y = region.top; y < region.bottom; ++y) {
    bytes.row = mask.Row(y);
    const int b = bytes.Forward();
    if (b > bytes.last) continue;
    const int e = bytes.Backward();
    InkRun& run = runs[size_t(y - region.top)];
    run.left = 8 * b + std::countl_zero(bytes.At(b));
    run.right = 8 * e + 8 - std::countr_zero(bytes.At(e));
    box.left = std::min(box.left, run.left);
    box.right = std::max(box.right, run.right);
    box.top = std::min(box.top, y);
    box.bottom = y + 1;
  }
  return box.left < box.right ? box : tmb::Rect{};
}

// The blocks of a reduction: the mask's region cut into scale x scale blocks, those from
// (bx0, by0) on in a grid of columns x rows, each becoming the target pixel of its place.
struct BlockGrid {
  const tmb::Surface& mask;
  tmb::Surface& target;
  tmb::Rect region;
  int scale, bx0, by0, columns, rows;
  const std::vector<tmb::Colour>& shade;
  tmb::Colour paper;
};

// The number of blocks without ink among the seven neighbours of block (i, j) of a grid of
// counts; 0 on the grid's border.
template <class Count>
int EmptyNeighbours(const Count* counts, int columns, int rows, int i, int j) {
  if (i <= 0 || j <= 0 || i >= columns - 1 || j >= rows - 1) return 0;
  static constexpr int kNeighbours[7][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}};
  int empty = 0;
  for (const auto& d : kNeighbours) {
    if (counts[size_t(j + d[1]) * size_t(columns) + size_t(i + d[0])] == 0) ++empty;
  }
  return empty;
}

// Shades the blocks of g that hold ink, given the ink's bounds and runs. The blocks are
// counted in a grid reaching one block past the ink on each side, which holds every
// neighbour the speck test reads (blocks further out hold no ink, and the test sees them
// so); within it each row of blocks is counted from its first ink to its last.
template <class Count>
void ReduceBlocks(const BlockGrid& g, const tmb::Rect& inked, const std::vector<InkRun>& runs) {
  const int scale = g.scale;
  const tmb::Rect& region = g.region;
  const int bx1 = g.bx0 + g.columns, by1 = g.by0 + g.rows;
  const int gx0 = std::max(g.bx0, inked.left / scale - 1), gx1 = std::min(bx1, (inked.right - 1) / scale + 2);
  const int gy0 = std::max(g.by0, inked.top / scale - 1), gy1 = std::min(by1, (inked.bottom - 1) / scale + 2);
  if (gx0 >= gx1 || gy0 >= gy1) return;

  // The ink count of every block, and the blocks [left, right) of each row that may hold ink.
  const int gridColumns = gx1 - gx0, gridRows = gy1 - gy0;
  std::vector<Count> counts(size_t(gridColumns) * size_t(gridRows), 0);
  std::vector<InkRun> inkBlocks(static_cast<size_t>(gridRows));
  std::vector<uint8_t> ones(static_cast<size_t>(gridColumns));
  for (int by = gy0; by < gy1; ++by) {
    Count* row = counts.data() + size_t(by - gy0) * size_t(gridColumns);
    const int sy0 = std::max(by * scale, region.top), sy1 = std::min((by + 1) * scale, region.bottom);
    InkRun band{region.right, region.left};
    for (int sy = sy0; sy < sy1; ++sy) {
      const InkRun& run = runs[size_t(sy - region.top)];
      if (run.right <= run.left) continue;
      band.left = std::min(band.left, run.left);
      band.right = std::max(band.right, run.right);
    }
    if (band.right <= band.left) continue;
    const int b0 = std::max(gx0, band.left / scale), b1 = std::min(gx1, (band.right - 1) / scale + 1);
    if (b0 >= b1) continue;
    inkBlocks[size_t(by - gy0)] = {b0 - gx0, b1 - gx0};
    const int sx0 = std::max(b0 * scale, region.left), sx1 = std::min(b1 * scale, region.right);
    // Whole 4 x 4 blocks are counted 64 pixels at a time: the supersampling factor.
    if (scale == 4 && sy1 - sy0 == 4 && sx0 == b0 * 4 && sx1 == b1 * 4) {
      tmb::blit::CountOnes4x4(g.mask, sx0, sy0, b1 - b0, ones.data());
      for (int i = 0; i < b1 - b0; ++i) row[b0 - gx0 + i] = Count(16 - ones[size_t(i)]);
    } else {
      for (int sy = sy0; sy < sy1; ++sy) CountRowInk(g.mask, sy, b0 * scale, sx0, sx1, scale, row + (b0 - gx0));
    }
  }
  constexpr int kSpeckEmpty = 6;
  for (int j = 0; j < gridRows; ++j) {
    const Count* row = counts.data() + size_t(j) * size_t(gridColumns);
    const int fj = gy0 - g.by0 + j;
    for (int i = inkBlocks[size_t(j)].left; i < inkBlocks[size_t(j)].right; ++i) {
      const int c = row[i];
      if (c == 0) continue;
      // A block on the border of the whole region has no neighbours to count; one with
      // ink on both sides has too few empty ones to be a speck.
      const int fi = gx0 - g.bx0 + i;
      const bool border = fi <= 0 || fj <= 0 || fi >= g.columns - 1 || fj >= g.rows - 1;
      const bool speck = !border && (row[i - 1] == 0 || row[i + 1] == 0) &&
                         EmptyNeighbours(counts.data(), gridColumns, gridRows, i, j) >= kSpeckEmpty;
      SetTargetPixel(g.target, gx0 + i, gy0 + j, speck ? g.paper : g.shade[size_t(c)]);
    }
  }
}

}  // namespace

bool GrowMask(tmb::Surface& mask) {
  if (mask.IsNull() || !mask.IsMono()) return false;
  const int height = mask.height();
  const size_t words = size_t((mask.width() + 63) / 64);
  const int tail = mask.width() & 63;
  const uint64_t lastMask = tail ? ~0ull << (64 - tail) : ~0ull;
  std::vector<uint64_t> inkCur(words), inkNext(words), wideUp(words, 0), wideCur(words), wideNext(words, 0), out(words);
  LoadInk(mask, 0, inkCur);
  Widen(inkCur, wideCur, lastMask);
  bool changed = false;
  for (int y = 0; y < height; ++y) {
    // The next row is read before this one is written.
    if (y + 1 < height) {
      LoadInk(mask, y + 1, inkNext);
      Widen(inkNext, wideNext, lastMask);
    } else {
      std::fill(wideNext.begin(), wideNext.end(), 0);
    }
    bool rowChanged = false;
    for (size_t j = 0; j < words; ++j) {
      out[j] = wideUp[j] | wideCur[j] | wideNext[j];
      rowChanged |= out[j] != inkCur[j];
    }
    if (rowChanged) {
      StoreInk(mask, y, out);
      changed = true;
    }
    std::swap(wideUp, wideCur);
    std::swap(wideCur, wideNext);
    std::swap(inkCur, inkNext);
  }
  return changed;
}

int CountEmptyNeighbourCells(const int* counts, int columns, int rows, int i, int j) {
  return EmptyNeighbours(counts, columns, rows, i, j);
}

void BuildEffectMasks(tmb::DeviceContext* pDC, tmb::Surface* target, const tmb::Surface* source, int x, int y, int w,
                      int h, int scale, tmb::Colour ink, tmb::Colour paper, int grow, int curve) {
  if (!target || !source || source->IsNull() || target->IsNull() || scale < 1) return;
  grow = std::clamp(grow, 0, kMaxEffectMaskGrow);
  if (curve < 0) curve = 0;
  tmb::Surface ownMask;
  const tmb::Surface* mask = source;
  if (!source->IsMono()) {
    if (!MonoCopy(pDC, *source, ownMask)) return;
    mask = &ownMask;
  } else if (grow > 0) {
    if (!CopyMono(*source, ownMask)) return;
    mask = &ownMask;
  }
  for (int i = 0; i < grow; ++i) {
    if (!GrowMask(ownMask)) break;
  }
  const tmb::Rect region = tmb::Rect::Intersection({x, y, x + w, y + h}, mask->Bounds());
  if (region.IsEmpty()) return;

  // The shade of every ink count.
  const int cells = scale * scale;
  std::vector<tmb::Colour> shade(size_t(cells) + 1);
  for (int c = 0; c <= cells; ++c) {
    shade[size_t(c)] = tmb::MakeRgb(ShadeChannel(tmb::RedOf(paper), tmb::RedOf(ink), c, cells, curve),
                                    ShadeChannel(tmb::GreenOf(paper), tmb::GreenOf(ink), c, cells, curve),
                                    ShadeChannel(tmb::BlueOf(paper), tmb::BlueOf(ink), c, cells, curve));
  }
  const int bx0 = region.left / scale, by0 = region.top / scale;
  const int bx1 = std::min((region.right + scale - 1) / scale, target->width());
  const int by1 = std::min((region.bottom + scale - 1) / scale, target->height());
  if (bx0 >= bx1 || by0 >= by1) return;

  // Only the blocks round the ink are counted: a character covers a part of its paper, and
  // counting all 2,000 x 3,000 pixels of the default one took 12.5 of the 20 million
  // instructions of its reduction.
  std::vector<InkRun> runs;
  const tmb::Rect inked = FindInkRuns(*mask, region, runs);
  if (inked.IsEmpty()) return;
  const BlockGrid grid{*mask, *target, region, scale, bx0, by0, bx1 - bx0, by1 - by0, shade, paper};
  // Byte counts while a block's count fits: a quarter of the memory to clear and read.
  if (cells <= 255) {
    ReduceBlocks<uint8_t>(grid, inked, runs);
  } else {
    ReduceBlocks<int>(grid, inked, runs);
  }
}
