#include "core/onebit/thinning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "core/onebit/region_scan.h"
#include "support/mono_block.h"
#include "support/picture_files.h"

namespace {

using tmb::test::MonoBlock;

constexpr double kPi = 3.14159265358979;

// The 8-connected groups of ink in the block.
int InkGroups(const MonoBlock& b) {
  std::vector<uint8_t> seen(size_t(b.bitmap.m_width) * size_t(b.bitmap.m_height));
  int groups = 0;
  for (int y = 0; y < b.bitmap.m_height; ++y) {
    for (int x = 0; x < b.bitmap.m_width; ++x) {
      if (!b.IsInk(x, y) || seen[size_t(y) * size_t(b.bitmap.m_width) + size_t(x)]) continue;
      ++groups;
      std::vector<tmb::Point> stack{{x, y}};
      seen[size_t(y) * size_t(b.bitmap.m_width) + size_t(x)] = 1;
      while (!stack.empty()) {
        const tmb::Point p = stack.back();
        stack.pop_back();
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int u = p.x + dx, v = p.y + dy;
            if (!b.IsInk(u, v)) continue;
            uint8_t& s = seen[size_t(v) * size_t(b.bitmap.m_width) + size_t(u)];
            if (!s) {
              s = 1;
              stack.push_back({u, v});
            }
          }
        }
      }
    }
  }
  return groups;
}

int InkBlocks(const MonoBlock& b) {
  int n = 0;
  for (int y = 0; y + 1 < b.bitmap.m_height; ++y) {
    for (int x = 0; x + 1 < b.bitmap.m_width; ++x) {
      n += b.IsInk(x, y) && b.IsInk(x + 1, y) && b.IsInk(x, y + 1) && b.IsInk(x + 1, y + 1);
    }
  }
  return n;
}

// A straight band of width w and length `length` at angle degrees, centred in its block,
// with square ends.
struct Band {
  Band(int w, double degrees, int length)
      : width(w), length(length), block(length + 2 * w + 12, length + 2 * w + 12), ux(std::cos(degrees * kPi / 180)),
        uy(std::sin(degrees * kPi / 180)) {
    centre = (length + 2 * w + 12) / 2.0;
    for (int y = 0; y < block.bitmap.m_height; ++y) {
      for (int x = 0; x < block.bitmap.m_width; ++x) {
        if (std::abs(Along(x, y)) <= length / 2.0 && std::abs(Across(x, y)) < w / 2.0) block.Ink(x, y);
      }
    }
  }
  double Along(int x, int y) const { return (x + 0.5 - centre) * ux + (y + 0.5 - centre) * uy; }
  double Across(int x, int y) const { return -(x + 0.5 - centre) * uy + (y + 0.5 - centre) * ux; }

  int width, length;
  MonoBlock block;
  double ux, uy, centre = 0;
};

// The reference: whole passes, flags first, removals after, until a pass removes nothing.
int ThinByPasses(MonoBlock& m) {
  MonoBlock flags(m.bitmap.m_width, m.bitmap.m_height);
  int total = 0;
  for (int pass = 0; pass < 100; ++pass) {
    flags.bitmap.Clear();
    ThinningPass(m.bitmap, flags.bitmap, m.bitmap.m_left, m.bitmap.m_top, m.bitmap.m_right, m.bitmap.m_bottom,
                 kThinningFlag);
    const int removed = RemoveThinnedPixels(m.bitmap, flags.bitmap);
    total += removed;
    if (removed == 0) break;
  }
  return total + BreakInkBlocks(m.bitmap);
}

int DespeckleByPasses(MonoBlock& m) {
  int total = 0;
  for (int pass = 0; pass < 100; ++pass) {
    const int removed = ThinningPass(m.bitmap, m.bitmap, m.bitmap.m_left, m.bitmap.m_top, m.bitmap.m_right,
                                     m.bitmap.m_bottom, kThinningDespeckle);
    total += removed;
    if (removed == 0) break;
  }
  return total;
}

// Overlapping discs and strokes on a block, from seed.
MonoBlock RandomShapes(unsigned seed, int side) {
  std::mt19937 random(seed);
  MonoBlock m(side, side);
  auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  for (int i = 0; i < 8; ++i) {
    const int x0 = pick(0, side), y0 = pick(0, side), r = pick(1, 7);
    const int x1 = pick(0, side), y1 = pick(0, side);
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        // Distance to the segment x0,y0 - x1,y1 (a disc when i is even).
        const double dx = x1 - x0, dy = y1 - y0;
        const double len2 = i % 2 ? dx * dx + dy * dy : 0;
        const double t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0) : 0;
        if (std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= r) m.Ink(x, y);
      }
    }
  }
  return m;
}

TEST(Thinning, KeepsAnIsolatedPixelWhichDespeckleRemoves) {
  MonoBlock m({".....", ".....", "..#..", ".....", "....."});
  MonoBlock thinned(m);
  EXPECT_EQ(ThinMask(thinned.bitmap), 0);
  EXPECT_EQ(thinned.Text(), m.Text());
  EXPECT_EQ(ThinningPass(thinned.bitmap, thinned.bitmap, 0, 0, 5, 5, kThinningDespeckle), 1);
  EXPECT_EQ(CountInkPixels(thinned.bitmap), 0);
  EXPECT_EQ(DespeckleMask(m.bitmap), 1);
  EXPECT_EQ(CountInkPixels(m.bitmap), 0);
}

TEST(Thinning, KeepsOnePixelLinesWholeWithTheirEnds) {
  const std::vector<std::vector<std::string>> lines = {
      {"..........", ".########.", ".........."},
      {"........", ".#......", "..#.....", "...#....", "....##..", "......#.", "........"},
      {".....", "..#..", "..#..", "..#..", "..#..", "....."},
  };
  for (const auto& text : lines) {
    MonoBlock m(text);
    EXPECT_EQ(ThinMask(m.bitmap), 0) << MonoBlock(text).Text();
    EXPECT_EQ(m.Text(), MonoBlock(text).Text());
  }
}

TEST(Thinning, DespeckleTakesWhatHasFewerThanFourInkNeighbours) {
  MonoBlock m({"..........", ".####.....", ".####..#..", ".####.##..", ".####.....", "..........", "........#."});
  // The square's corners have three neighbours; once they are gone every other pixel of it
  // still has four or more. The pixels on the right have at most two.
  EXPECT_EQ(DespeckleMask(m.bitmap), 8);
  EXPECT_EQ(m.Text(), MonoBlock({"..........", "..##......", ".####.....", ".####.....", "..##......", "..........",
                                 ".........."})
                          .Text());
}

TEST(Thinning, BandsStayConnectedAlongTheirWholeLength) {
  for (int w = 2; w <= 12; ++w) {
    for (double degrees : {0.0, 10.0, 22.5, 30.0, 45.0, 60.0, 67.5, 80.0, 90.0, 110.0, 135.0, 160.0}) {
      Band band(w, degrees, 60);
      ThinMask(band.block.bitmap);
      const MonoBlock& m = band.block;
      double first = 1e9, last = -1e9, offCentre = 0;
      int ink = 0;
      for (int y = 0; y < m.bitmap.m_height; ++y) {
        for (int x = 0; x < m.bitmap.m_width; ++x) {
          if (!m.IsInk(x, y)) continue;
          first = std::min(first, band.Along(x, y));
          last = std::max(last, band.Along(x, y));
          offCentre += std::abs(band.Across(x, y));
          ++ink;
        }
      }
      SCOPED_TRACE(testing::Message() << "width " << w << " at " << degrees << " degrees\n" << m.Text());
      EXPECT_EQ(InkGroups(m), 1);
      EXPECT_EQ(InkBlocks(m), 0);
      EXPECT_LE(first, -30.0 + w);
      EXPECT_GE(last, 30.0 - w);
      EXPECT_LE(offCentre / ink, 1.5) << "the line keeps to the middle of the band";
    }
  }
}

TEST(Thinning, AStaircaseBandKeepsItsLength) {
  // 30 rows of 4 pixels, each row one pixel right of the one above: removing every flagged
  // pixel at once left 3 pixels of it.
  MonoBlock m(40, 34);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 4; ++x) m.Ink(y + 2 + x, y + 2);
  }
  ThinMask(m.bitmap);
  int top = 99, bottom = -1;
  for (int y = 0; y < 34; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (m.IsInk(x, y)) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  EXPECT_EQ(InkGroups(m), 1) << m.Text();
  EXPECT_EQ(InkBlocks(m), 0) << m.Text();
  EXPECT_LE(top, 4) << m.Text();
  EXPECT_GE(bottom, 29) << m.Text();
}

TEST(Thinning, PassesNextToRemovalsGiveWhatWholePassesGive) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    MonoBlock fast = RandomShapes(seed, 48);
    MonoBlock slow(fast);
    const int groups = InkGroups(fast);
    EXPECT_EQ(ThinMask(fast.bitmap), ThinByPasses(slow)) << seed;
    EXPECT_EQ(fast.Text(), slow.Text()) << seed;
    EXPECT_EQ(InkGroups(fast), groups) << "thinning splits and joins nothing\n" << fast.Text();
    MonoBlock speckled = RandomShapes(seed + 100, 48);
    MonoBlock reference(speckled);
    EXPECT_EQ(DespeckleMask(speckled.bitmap), DespeckleByPasses(reference)) << seed;
    EXPECT_EQ(speckled.Text(), reference.Text()) << seed;
  }
}

TEST(Thinning, WorksOnlyInTheRegion) {
  Band band(8, 0, 40);
  MonoBlock m(band.block);
  const int w = m.bitmap.m_width;
  m.bitmap.m_right = w / 2;
  ThinMask(m.bitmap);
  for (int y = 0; y < m.bitmap.m_height; ++y) {
    for (int x = w / 2; x < w; ++x) EXPECT_EQ(m.IsInk(x, y), band.block.IsInk(x, y)) << x << "," << y;
  }
  EXPECT_LT(CountInkPixels(m.bitmap), 40);
}

TEST(Thinning, EmptyRowsOfAWordWideBitmapAreReadWithinTheRow) {
  // 64 pixels are exactly two words a row: a test of more bytes than the row holds reads
  // past the block (the sanitizers watch it).
  MonoBlock m(64, 6);
  MonoBlock flags(64, 6);
  EXPECT_EQ(ThinningPass(m.bitmap, flags.bitmap, 0, 0, 64, 6, kThinningFlag), 0);
  EXPECT_EQ(DespeckleMask(m.bitmap), 0);
  EXPECT_EQ(ThinMask(m.bitmap), 0);
  EXPECT_EQ(CountInkPixels(m.bitmap), 0);
  m.Ink(63, 0);
  m.Ink(62, 0);
  m.Ink(63, 1);
  EXPECT_EQ(CountInkPixels(m.bitmap), 3);
  EXPECT_EQ(ThinMask(m.bitmap), 1) << "the corner of three goes; the last row and column are visited";
}

TEST(Thinning, LeavesAPictureOfThinnedBands) {
  // Bands of width 2 to 12 at three slopes, grey, with their thinned lines black.
  tmb::Surface picture;
  ASSERT_TRUE(picture.Create(11 * 80, 3 * 80, tmb::PixelFormat::kColour32));
  picture.Fill(0xFFFFFF);
  int lines = 0;
  for (int w = 2; w <= 12; ++w) {
    const double slopes[] = {0.0, 30.0, 60.0};
    for (int s = 0; s < 3; ++s) {
      Band band(w, slopes[s], 50);
      MonoBlock thinned(band.block);
      ThinMask(thinned.bitmap);
      const int ox = (w - 2) * 80, oy = s * 80;
      for (int y = 0; y < band.block.bitmap.m_height && y < 80; ++y) {
        for (int x = 0; x < band.block.bitmap.m_width && x < 80; ++x) {
          if (thinned.IsInk(x, y)) {
            picture.SetPixel(ox + x, oy + y, 0x000000);
            ++lines;
          } else if (band.block.IsInk(x, y)) {
            picture.SetPixel(ox + x, oy + y, 0xC0C0C0);
          }
        }
      }
    }
  }
  EXPECT_FALSE(tmb::test::SavePictureForViewing(picture, "thinned_bands").empty());
  int black = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) black += picture.GetPixel(x, y) == 0x000000;
  }
  EXPECT_EQ(black, lines);
  EXPECT_GT(black, 33 * 40) << "each of the 33 bands shows a line most of its length";
}

}  // namespace
