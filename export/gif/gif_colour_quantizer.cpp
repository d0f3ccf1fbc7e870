#include "export/gif/gif_colour_quantizer.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <vector>

#include "export/gif/gif_colour_bucket.h"

namespace {

constexpr int kCoarseRegions = 64;
constexpr int kDiffusionWeights = 16;

uint32_t ColourAt(const uint8_t* bgr) { return uint32_t(bgr[2]) | uint32_t(bgr[1]) << 8 | uint32_t(bgr[0]) << 16; }

void SetEntry(std::span<uint8_t> palette, int index, uint32_t colour) {
  uint8_t* e = palette.data() + size_t(index) * kGifPaletteEntryBytes;
  e[0] = static_cast<uint8_t>(colour);
  e[1] = static_cast<uint8_t>(colour >> 8);
  e[2] = static_cast<uint8_t>(colour >> 16);
  e[3] = 0;
}

// The distinct colours of a picture in order of first appearance, up to a limit, found
// through a hash rather than by searching the list.
class ExactColours {
 public:
  explicit ExactColours(int limit) : m_nLimit(limit) {
    m_keys.fill(0);
    m_list.reserve(size_t(limit));
  }

  bool Full() const { return int(m_list.size()) == m_nLimit; }
  const std::vector<uint32_t>& List() const { return m_list; }

  // Adds the colour when it is new and room is left.
  void Add(uint32_t colour) {
    const size_t slot = Slot(colour);
    if (m_keys[slot] == 0 && !Full()) {
      m_keys[slot] = colour + 1;
      m_index[slot] = static_cast<uint8_t>(m_list.size());
      m_list.push_back(colour);
    }
  }
  // The list index of a colour the list holds.
  int Find(uint32_t colour) const { return m_index[Slot(colour)]; }

 private:
  // Four slots per colour at most, so a probe ends soon; keys hold colour + 1, 0 is empty.
  static constexpr size_t kSlots = 1024;

  size_t Slot(uint32_t colour) const {
    size_t slot = (colour * 2654435761u) >> 22;
    while (m_keys[slot] != 0 && m_keys[slot] != colour + 1) slot = (slot + 1) & (kSlots - 1);
    return slot;
  }

  int m_nLimit;
  std::array<uint32_t, kSlots> m_keys;
  std::array<uint8_t, kSlots> m_index{};
  std::vector<uint32_t> m_list;
};

// Visits the pixels top row first, left to right, a run of one colour within a row at a
// time, with its colour, the position of its first pixel in the index picture and its
// length. Drawn frames are mostly runs, which makes the passes several times faster.
template <typename Visit>
void ForEachRun(std::span<const uint8_t> pixels, int width, int height, size_t stride, Visit visit) {
  size_t out = 0;
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = pixels.data() + size_t(y) * stride;
    int x = 0;
    while (x < width) {
      const uint32_t colour = ColourAt(row + 3 * x);
      int end = x + 1;
      while (end < width && ColourAt(row + 3 * end) == colour) ++end;
      visit(colour, out, size_t(end - x));
      out += size_t(end - x);
      x = end;
    }
  }
}

bool Before(const CColourBucket& a, const CColourBucket& b) { return CompareBucketCount(a, b) < 0; }

// The buckets that hold pixels, in the quantizer's order, with the most popular of every
// coarse region reserved (and so first).
std::vector<CColourBucket> RankBuckets(const std::vector<CColourBucket>& grid) {
  std::vector<CColourBucket> used;
  for (const CColourBucket& b : grid) {
    if (b.m_nCount > 0) used.push_back(b);
  }
  std::sort(used.begin(), used.end(), Before);
  std::array<bool, kCoarseRegions> covered{};
  for (CColourBucket& b : used) {
    const int region = (b.m_coord[0] / 8) * 16 + (b.m_coord[1] / 8) * 4 + b.m_coord[2] / 8;
    if (!covered[region]) {
      covered[region] = true;
      b.m_nAssign = kBucketReserved;
    }
  }
  std::sort(used.begin(), used.end(), Before);
  return used;
}

// Position among the first kept buckets nearest to b; the first of equally near ones.
int NearestKept(const CColourBucket& b, const std::vector<int>& r, const std::vector<int>& g,
                const std::vector<int>& bl) {
  int best = 0;
  int bestDistance = INT_MAX;
  for (size_t i = 0; i < r.size(); ++i) {
    const int dr = r[i] - b.m_coord[0];
    const int dg = g[i] - b.m_coord[1];
    const int db = bl[i] - b.m_coord[2];
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = int(i);
    }
  }
  return best;
}

}  // namespace

tmb::Status QuantizeColours(std::span<const uint8_t> pixels, int width, int height, std::span<uint8_t> indexes,
                            std::span<uint8_t> palette, int transparent, uint32_t keyColour) {
  if (width <= 0 || height <= 0) {
    return tmb::Status::Fail("cannot quantize a picture of " + std::to_string(width) + " x " +
                             std::to_string(height) + " pixels");
  }
  const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
  const size_t count = size_t(width) * size_t(height);
  if (pixels.size() / stride < size_t(height)) return tmb::Status::Fail("the picture's rows are shorter than its size");
  if (indexes.size() < count) return tmb::Status::Fail("the index picture is smaller than the picture");
  if (palette.size() < size_t(kGifPaletteEntries) * kGifPaletteEntryBytes) {
    return tmb::Status::Fail("the palette holds fewer than 256 entries");
  }
  keyColour &= 0xFFFFFF;

  // Count every pixel in its bucket and collect the first exact colours.
  const int limit = transparent ? kMaxExactColours - 1 : kMaxExactColours;
  ExactColours exact(limit);
  std::vector<CColourBucket> grid(kColourBucketCount);
  uint32_t last = ~0u;
  CColourBucket* bucket = nullptr;
  ForEachRun(pixels, width, height, stride, [&](uint32_t colour, size_t, size_t length) {
    if (colour != last) {
      last = colour;
      if (!exact.Full()) exact.Add(colour);
      bucket = &grid[size_t(BucketNumberOf(colour))];
      if (bucket->m_nCount == 0) {
        bucket->m_nNumber = BucketNumberOf(colour);
        bucket->m_coord[0] = static_cast<uint8_t>((colour & 0xFF) >> 3);
        bucket->m_coord[1] = static_cast<uint8_t>((colour >> 8 & 0xFF) >> 3);
        bucket->m_coord[2] = static_cast<uint8_t>((colour >> 16) >> 3);
      }
    }
    const int64_t n = int64_t(length);
    bucket->m_nCount += n;
    bucket->m_sum[0] += n * (colour & 7);
    bucket->m_sum[1] += n * (colour >> 8 & 7);
    bucket->m_sum[2] += n * (colour >> 16 & 7);
  });
  if (transparent) SetEntry(palette, 0, keyColour);
  const int first = transparent ? 1 : 0;

  if (!exact.Full()) {
    // Few colours: each keeps its own entry, in order of appearance.
    std::array<uint8_t, kMaxExactColours> entryOf{};
    int next = first;
    for (size_t i = 0; i < exact.List().size(); ++i) {
      const uint32_t colour = exact.List()[i];
      if (transparent && colour == keyColour) continue;
      SetEntry(palette, next, colour);
      entryOf[i] = static_cast<uint8_t>(next++);
    }
    uint8_t entry = 0;
    last = ~0u;
    ForEachRun(pixels, width, height, stride, [&](uint32_t colour, size_t at, size_t length) {
      if (colour != last) {
        last = colour;
        entry = transparent && colour == keyColour ? 0 : entryOf[size_t(exact.Find(colour))];
      }
      std::fill_n(indexes.begin() + long(at), length, entry);
    });
    return tmb::Status::Ok();
  }

  // Many colours: the most popular buckets (the reserved ones first) become the palette,
  // the rest take the nearest of them.
  std::vector<CColourBucket> ranked = RankBuckets(grid);
  const size_t kept = std::min(ranked.size(), size_t(limit));
  std::array<uint8_t, kColourBucketCount> entryOfBucket{};
  int next = first;
  for (size_t i = 0; i < kept && next < kMaxExactColours; ++i) {
    CColourBucket& b = ranked[i];
    uint32_t colour = 0;
    for (int c = 0; c < 3; ++c) colour |= uint32_t(8 * b.m_coord[c] + BucketChannelOffset(b, c)) << (8 * c);
    SetEntry(palette, next, colour);
    b.m_nPaletteIndex = next++;
    entryOfBucket[size_t(b.m_nNumber)] = static_cast<uint8_t>(b.m_nPaletteIndex);
  }
  std::vector<int> keptR(kept), keptG(kept), keptB(kept);
  for (size_t i = 0; i < kept; ++i) {
    keptR[i] = ranked[i].m_coord[0];
    keptG[i] = ranked[i].m_coord[1];
    keptB[i] = ranked[i].m_coord[2];
  }
  for (size_t i = kept; i < ranked.size(); ++i) {
    const CColourBucket& into = ranked[size_t(NearestKept(ranked[i], keptR, keptG, keptB))];
    ranked[i].m_nAssign = into.m_nNumber;
    entryOfBucket[size_t(ranked[i].m_nNumber)] = static_cast<uint8_t>(into.m_nPaletteIndex);
  }
  ForEachRun(pixels, width, height, stride, [&](uint32_t colour, size_t at, size_t length) {
    const uint8_t entry = transparent && colour == keyColour ? 0 : entryOfBucket[size_t(BucketNumberOf(colour))];
    std::fill_n(indexes.begin() + long(at), length, entry);
  });
  return tmb::Status::Ok();
}

void DiffuseError(uint8_t* pixel, const int* error, int weight) {
  for (int c = 0; c < 3; ++c) {
    pixel[c] = static_cast<uint8_t>(std::clamp(pixel[c] - error[2 - c] * weight / kDiffusionWeights, 0, 255));
  }
}
