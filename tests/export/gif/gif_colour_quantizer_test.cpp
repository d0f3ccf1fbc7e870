// The GIF colour quantizer: exact colours of small pictures in order of appearance, the
// key colour at entry 0, popularity with coverage of far regions on large pictures, the
// 16-bit display rule, refusals, and agreement with a plain reading of the method that
// searches lists instead of using tables.
#include "export/gif/gif_colour_quantizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <set>
#include <vector>

#include "core/state/draw_state.h"
#include "export/gif/gif_colour_bucket.h"
#include "support/gif_encoding_checks.h"

namespace {

using Bytes = std::vector<uint8_t>;
using tmb::test::BitmapRows24;

struct Quantized {
  Bytes indexes;
  Bytes palette = Bytes(256 * 4, 0xAA);
  uint32_t Entry(int i) const {
    return uint32_t(palette[4 * i]) | uint32_t(palette[4 * i + 1]) << 8 | uint32_t(palette[4 * i + 2]) << 16;
  }
  uint32_t ColourAt(size_t i) const { return Entry(indexes[i]); }
};

Quantized Quantize(const Bytes& rows, int width, int height, int transparent = 0, uint32_t key = 0xFFFFFF) {
  Quantized q;
  q.indexes.assign(size_t(width) * size_t(height), 0xAA);
  const tmb::Status s = QuantizeColours(rows, width, height, q.indexes, q.palette, transparent, key);
  EXPECT_TRUE(s) << s.message();
  return q;
}

uint32_t Rgb(int r, int g, int b) { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16; }

int Channel(uint32_t colour, int c) { return int(colour >> (8 * c) & 0xFF); }

// Sets the display depth for the life of the object.
class ScopedDisplayBits {
 public:
  explicit ScopedDisplayBits(int bits) : m_nOld(gDrawState.m_nDisplayBits) { gDrawState.m_nDisplayBits = bits; }
  ~ScopedDisplayBits() { gDrawState.m_nDisplayBits = m_nOld; }

 private:
  int m_nOld;
};

constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;

TEST(QuantizeColours, TwoColoursKeepTheirOrderOfAppearanceFromTheTopRow) {
  // The top row starts green although the bitmap's first (bottom) row starts blue.
  const Bytes rows = BitmapRows24(3, 2, [](int x, int y) { return (x + y) % 2 ? kBlue : kGreen; });
  const Quantized q = Quantize(rows, 3, 2);
  EXPECT_EQ(q.Entry(0), kGreen);
  EXPECT_EQ(q.Entry(1), kBlue);
  EXPECT_EQ(q.indexes, Bytes({0, 1, 0, 1, 0, 1}));
  EXPECT_EQ(q.palette[2 * 4], 0xAA) << "entries past the colours are left alone";
}

TEST(QuantizeColours, TheKeyColourTakesEntryZeroAndTheOthersFollow) {
  const Bytes rows = BitmapRows24(3, 2, [](int x, int y) { return (x + y) % 2 ? kBlue : kGreen; });
  const Quantized q = Quantize(rows, 3, 2, 1, kBlue);
  EXPECT_EQ(q.Entry(0), kBlue);
  EXPECT_EQ(q.Entry(1), kGreen);
  EXPECT_EQ(q.indexes, Bytes({1, 0, 1, 0, 1, 0}));
  EXPECT_EQ(q.palette[3], 0);
}

// Bitmap rows are blue, green, red: a red key (red in the low byte of the colour) must
// meet the red pixels.
TEST(QuantizeColours, ARedKeyMeetsRedPixelsOfBgrRows) {
  const uint32_t red = 0x0000FF;
  const Bytes rows = BitmapRows24(4, 1, [&](int x, int) { return x < 2 ? red : kBlue; });
  ASSERT_EQ(Bytes(rows.begin(), rows.begin() + 3), Bytes({0x00, 0x00, 0xFF}));
  const Quantized q = Quantize(rows, 4, 1, 1, red);
  EXPECT_EQ(Bytes(q.palette.begin(), q.palette.begin() + 4), Bytes({0xFF, 0x00, 0x00, 0x00}));
  EXPECT_EQ(q.indexes, Bytes({0, 0, 1, 1}));
}

TEST(QuantizeColours, ThreeHundredColoursOfOneCoarseRegionShareAtMost240Entries) {
  // 300 distinct colours in the region below 64 in every channel.
  std::vector<uint32_t> colours;
  for (int i = 0; i < 300; ++i) colours.push_back(Rgb(i % 64, (i / 64) * 11, (i * 7) % 64));
  const int width = 30, height = 40;
  const Bytes rows = BitmapRows24(width, height, [&](int x, int y) { return colours[size_t(y * width + x) % 300]; });
  const Quantized q = Quantize(rows, width, height);
  std::set<uint32_t> kept;
  for (uint8_t i : q.indexes) kept.insert(q.Entry(i));
  EXPECT_LE(*std::max_element(q.indexes.begin(), q.indexes.end()), 239);
  EXPECT_GT(kept.size(), 1u);
  // Every pixel shows a colour of its own cell or of the nearest kept cell.
  for (int p = 0; p < width * height; ++p) {
    const uint32_t c = colours[size_t(p) % 300];
    const uint32_t shown = q.ColourAt(size_t(p));
    int nearest = INT_MAX;
    for (uint32_t k : kept) {
      int d = 0;
      for (int ch = 0; ch < 3; ++ch) d += (Channel(c, ch) / 8 - Channel(k, ch) / 8) * (Channel(c, ch) / 8 - Channel(k, ch) / 8);
      nearest = std::min(nearest, d);
    }
    int d = 0;
    for (int ch = 0; ch < 3; ++ch) d += (Channel(c, ch) / 8 - Channel(shown, ch) / 8) * (Channel(c, ch) / 8 - Channel(shown, ch) / 8);
    ASSERT_EQ(d, nearest) << "pixel " << p;
  }
}

TEST(QuantizeColours, OnASixteenBitDisplayEntriesAreMultiplesOfEightAndWhiteStaysWhite) {
  ScopedDisplayBits sixteen(16);
  const Bytes rows = BitmapRows24(30, 20, [](int x, int y) {
    return x == 0 && y == 0 ? 0xFFFFFFu : Rgb(x * 5 + 3, y * 9 + 1, (x * y) % 200 + 5);
  });
  const Quantized q = Quantize(rows, 30, 20);
  ASSERT_GT(*std::max_element(q.indexes.begin(), q.indexes.end()), 200) << "the picture must have many colours";
  for (uint8_t i : q.indexes) {
    for (int c = 0; c < 3; ++c) {
      const int v = Channel(q.Entry(i), c);
      EXPECT_TRUE(v % 8 == 0 || v == 255) << v;
    }
  }
  EXPECT_EQ(q.ColourAt(0), 0xFFFFFFu);
}

// 250 colours of 33,000 pixels each fill most of a 3,000 x 3,000 canvas; ten pixels of a
// far colour hold a coarse region of their own and must keep it, however many pixels the
// popular colours have.
TEST(QuantizeColours, ATenPixelFarColourSurvivesACanvasOfPopularColours) {
  const int side = 3000;
  const uint32_t far = 0xFFFFFF;
  std::vector<uint32_t> colours;
  for (int i = 0; i < 250; ++i) colours.push_back(Rgb(8 * (i % 8), 8 * (i / 8 % 8), 8 * (i / 64)));
  const Bytes rows = BitmapRows24(side, side, [&](int x, int y) {
    const int p = y * side + x;
    if (p < 10) return far;
    const int i = (p - 10) / 33000;
    return colours[size_t(std::min(i, 249))];
  });
  const Quantized q = Quantize(rows, side, side);
  for (int p = 0; p < 10; ++p) EXPECT_EQ(q.ColourAt(size_t(p)), far) << p;
  EXPECT_EQ(q.ColourAt(10), colours[0]);
}

TEST(QuantizeColours, RefusesBuffersShorterThanThePictureChangingNothing) {
  const int width = 3, height = 4;  // rows of 9 bytes padded to 12
  Bytes indexes(12, 0xAA), palette(1024, 0xAA);
  EXPECT_FALSE(QuantizeColours(Bytes(9 * 4), width, height, indexes, palette, 0, 0));
  EXPECT_FALSE(QuantizeColours(Bytes(12 * 4 - 1), width, height, indexes, palette, 0, 0));
  Bytes fewIndexes(11), shortPalette(1023);
  EXPECT_FALSE(QuantizeColours(Bytes(12 * 4), width, height, fewIndexes, palette, 0, 0));
  EXPECT_FALSE(QuantizeColours(Bytes(12 * 4), width, height, indexes, shortPalette, 0, 0));
  EXPECT_FALSE(QuantizeColours(Bytes(12 * 4), 0, height, indexes, palette, 0, 0));
  EXPECT_FALSE(QuantizeColours(Bytes(12 * 4), width, -1, indexes, palette, 0, 0));
  EXPECT_EQ(indexes, Bytes(12, 0xAA));
  EXPECT_EQ(palette, Bytes(1024, 0xAA));
  EXPECT_TRUE(QuantizeColours(Bytes(12 * 4), width, height, indexes, palette, 0, 0));
}

TEST(DiffuseError, SubtractsTheWeightedErrorPerChannelAndClamps) {
  uint8_t pixel[3] = {100, 5, 250};  // blue, green, red
  const int error[3] = {-32, 16, 48};  // red, green, blue
  DiffuseError(pixel, error, 8);
  EXPECT_EQ(pixel[0], 76);   // blue: 100 - 48 x 8 / 16
  EXPECT_EQ(pixel[1], 0);    // green: 5 - 8, clamped
  EXPECT_EQ(pixel[2], 255);  // red: 250 + 16, clamped
}

// The method as written: the exact colours searched in their list, buckets searched among
// the used ones, the nearest kept bucket by a full search.
Quantized PlainQuantize(const Bytes& rows, int width, int height, int transparent, uint32_t key) {
  Quantized q;
  q.indexes.resize(size_t(width) * size_t(height));
  std::vector<uint32_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(tmb::test::BitmapRowsColour(rows, width, height, x, y));
  }
  const size_t limit = transparent ? 239 : 240;
  std::vector<uint32_t> exact;
  std::vector<CColourBucket> grid(32768);
  for (uint32_t c : pixels) {
    if (exact.size() < limit && std::find(exact.begin(), exact.end(), c) == exact.end()) exact.push_back(c);
    CColourBucket& b = grid[size_t(BucketNumberOf(c))];
    b.m_nNumber = BucketNumberOf(c);
    for (int ch = 0; ch < 3; ++ch) {
      b.m_coord[ch] = static_cast<uint8_t>(Channel(c, ch) / 8);
      b.m_sum[ch] += Channel(c, ch) % 8;
    }
    ++b.m_nCount;
  }
  auto setEntry = [&](int i, uint32_t c) {
    for (int ch = 0; ch < 3; ++ch) q.palette[size_t(4 * i + ch)] = static_cast<uint8_t>(Channel(c, ch));
    q.palette[size_t(4 * i + 3)] = 0;
  };
  if (transparent) setEntry(0, key);
  int next = transparent ? 1 : 0;
  if (exact.size() < limit) {
    for (uint32_t c : exact) {
      if (!(transparent && c == key)) setEntry(next++, c);
    }
    for (size_t p = 0; p < pixels.size(); ++p) {
      for (int i = transparent ? 1 : 0; i < next && !(transparent && pixels[p] == key); ++i) {
        if (q.Entry(i) == pixels[p]) q.indexes[p] = static_cast<uint8_t>(i);
      }
      if (transparent && pixels[p] == key) q.indexes[p] = 0;
    }
    return q;
  }
  std::vector<CColourBucket> used;
  for (const CColourBucket& b : grid) {
    if (b.m_nCount) used.push_back(b);
  }
  auto order = [](const CColourBucket& a, const CColourBucket& b) { return CompareBucketCount(a, b) < 0; };
  std::stable_sort(used.begin(), used.end(), order);
  bool covered[64] = {};
  for (CColourBucket& b : used) {
    const int region = b.m_coord[0] / 8 * 16 + b.m_coord[1] / 8 * 4 + b.m_coord[2] / 8;
    if (!covered[region]) b.m_nAssign = kBucketReserved;
    covered[region] = true;
  }
  std::stable_sort(used.begin(), used.end(), order);
  for (size_t i = limit; i < used.size(); ++i) {
    size_t best = 0;
    for (size_t k = 1; k < limit; ++k) {
      if (BucketDistance(used[i], used[k]) < BucketDistance(used[i], used[best])) best = k;
    }
    used[i].m_nAssign = used[best].m_nNumber;
  }
  for (CColourBucket& b : used) {
    if (b.m_nAssign < 0 && next < 240) {
      setEntry(next, uint32_t(8 * b.m_coord[0] + BucketChannelOffset(b, 0)) |
                         uint32_t(8 * b.m_coord[1] + BucketChannelOffset(b, 1)) << 8 |
                         uint32_t(8 * b.m_coord[2] + BucketChannelOffset(b, 2)) << 16);
      b.m_nPaletteIndex = next++;
    }
  }
  for (size_t p = 0; p < pixels.size(); ++p) {
    if (transparent && pixels[p] == key) {
      q.indexes[p] = 0;
      continue;
    }
    const auto own = std::find_if(used.begin(), used.end(),
                                  [&](const CColourBucket& b) { return b.m_nNumber == BucketNumberOf(pixels[p]); });
    const int target = own->m_nAssign < 0 ? own->m_nNumber : own->m_nAssign;
    const auto into =
        std::find_if(used.begin(), used.end(), [&](const CColourBucket& b) { return b.m_nNumber == target; });
    q.indexes[p] = static_cast<uint8_t>(into->m_nPaletteIndex);
  }
  return q;
}

TEST(QuantizeColours, TablesGiveWhatSearchingTheListsGives) {
  std::mt19937 random(5);
  struct Case {
    int colours;  // distinct colours drawn from
    int spread;   // how far apart channels may lie
    int transparent;
  };
  for (const Case c : {Case{200, 256, 0}, Case{239, 256, 1}, Case{240, 256, 0}, Case{2000, 256, 0},
                       Case{5000, 256, 1}, Case{600, 40, 0}}) {
    std::vector<uint32_t> palette;
    for (int i = 0; i < c.colours; ++i) {
      palette.push_back(Rgb(int(random() % unsigned(c.spread)), int(random() % unsigned(c.spread)),
                            int(random() % unsigned(c.spread))));
    }
    const int width = 61, height = 47;
    std::vector<uint32_t> pixels;
    for (int i = 0; i < width * height; ++i) pixels.push_back(palette[random() % palette.size()]);
    const uint32_t key = palette[3];
    const Bytes rows = BitmapRows24(width, height, [&](int x, int y) { return pixels[size_t(y * width + x)]; });
    const Quantized fast = Quantize(rows, width, height, c.transparent, key);
    const Quantized plain = PlainQuantize(rows, width, height, c.transparent, key);
    for (size_t p = 0; p < pixels.size(); ++p) {
      ASSERT_EQ(fast.ColourAt(p), plain.ColourAt(p)) << c.colours << " colours, pixel " << p;
    }
    EXPECT_EQ(fast.indexes, plain.indexes) << c.colours << " colours";
  }
}

}  // namespace
