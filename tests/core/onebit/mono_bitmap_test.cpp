#include "core/onebit/mono_bitmap.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/onebit/trace_buffer.h"
#include "platform/gdi/raster_ops.h"
#include "support/mono_block.h"

namespace {

using Block = tmb::test::MonoBlock;

TEST(MonoBitmap, RowsRunBottomUpWithTheLeftmostPixelHighest) {
  Block b(40, 3);
  EXPECT_EQ(b.bitmap.m_stride, 8);
  EXPECT_EQ(b.bitmap.m_lastRow, 2);
  b.bitmap.PutPixel(0, 0, 0);  // top row
  b.bitmap.SetBit(9, 2, 0);    // bottom row
  EXPECT_EQ(b.bits[2 * 8], 0x7F);
  EXPECT_EQ(b.bits[1], 0xBF);
  EXPECT_EQ(b.bitmap.GetPixel(0, 0), 0);
  EXPECT_NE(b.bitmap.TestBit(1, 0), 0);
  b.bitmap.SetBit(9, 2, 1);
  EXPECT_EQ(b.bits[1], 0xFF);
  b.bitmap.Clear();
  for (uint8_t v : b.bits) EXPECT_EQ(v, 0xFF);
}

TEST(MonoBitmap, OutsideReadsBackgroundAndWritesNothing) {
  Block b(10, 4);
  const std::vector<uint8_t> before = b.bits;
  const int outside[][2] = {{-1, 0}, {0, -1}, {10, 0}, {15, 1}, {0, 4}, {1 << 20, 1 << 20}};
  for (const auto& p : outside) {
    b.bitmap.SetBit(p[0], p[1], 0);
    EXPECT_NE(b.bitmap.TestBit(p[0], p[1]), 0) << p[0] << "," << p[1];
  }
  EXPECT_EQ(b.bits, before);
  CMonoBitmap unattached;
  EXPECT_NE(unattached.TestBit(0, 0), 0);
  unattached.SetBit(0, 0, 0);
  unattached.Clear();
}

TEST(MonoBitmap, TheConnectivityNumberCountsSeparateGroupsOfInk) {
  const struct {
    int ring[8];  // up, then clockwise
    int groups;
  } cases[] = {
      {{1, 0, 0, 0, 0, 0, 0, 0}, 1},
      {{1, 0, 0, 0, 1, 0, 0, 0}, 2},  // up and down: a bridge
      {{1, 0, 1, 0, 0, 0, 0, 0}, 1},  // up and right touch at a corner
      {{0, 1, 0, 0, 0, 1, 0, 0}, 2},  // two corners
      {{1, 1, 1, 1, 1, 1, 1, 1}, 0},  // inside
      {{1, 0, 1, 0, 1, 0, 1, 0}, 0},  // a hole would open
      {{1, 1, 1, 0, 0, 0, 0, 0}, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(RingConnectivity8(c.ring), c.groups);
}

TEST(MonoBitmap, NeighbourCountsSeeInkAroundAPixel) {
  Block b(5, 5);
  b.bitmap.PutPixel4(2, 2, 0);
  b.bitmap.PutPixel(1, 1, 0);
  EXPECT_EQ(b.bitmap.CountInk4(2, 2), 4);
  EXPECT_EQ(b.bitmap.CountInk8(2, 2), 5);
  EXPECT_EQ(b.bitmap.CountInk8(0, 0), 1) << "neighbours outside are background";
  int ring[8];
  EXPECT_EQ(b.bitmap.GetRing(2, 2, ring), 5);
  EXPECT_EQ(ring[0], 1);
  EXPECT_EQ(ring[7], 1);
  EXPECT_EQ(ring[1], 0);
  EXPECT_EQ(CountRingTransitions(ring), 3);
  EXPECT_EQ(CountRingBackground(ring), 3);
}

TEST(MonoBitmap, ThinningKeepsIsolatedPixelsLineEndsAndBridges) {
  Block b(7, 5);
  b.bitmap.PutPixel(3, 2, 0);
  EXPECT_EQ(b.bitmap.CanThinPixel(3, 2), 0) << "no ink neighbour";
  for (int x = 1; x < 6; ++x) b.bitmap.PutPixel(x, 2, 0);
  EXPECT_EQ(b.bitmap.CanThinPixel(1, 2), 0) << "the end of a line";
  EXPECT_EQ(b.bitmap.CanThinPixel(3, 2), 0) << "a bridge: two transitions";
  // A pixel on the edge of a solid block may go.
  Block s(7, 7);
  for (int y = 1; y < 6; ++y) {
    for (int x = 1; x < 6; ++x) s.bitmap.PutPixel(x, y, 0);
  }
  EXPECT_EQ(s.bitmap.CanThinPixel(3, 5), 1);
  EXPECT_EQ(s.bitmap.CanThinPixel(3, 3), 0) << "inside: eight ink neighbours";
}

TEST(MonoBitmap, RasterOpsWorkBytewiseOverTheRowsOfARegion) {
  const struct {
    uint32_t op;
    uint8_t expected;
  } cases[] = {{tmb::kSrcCopy, 0x0F}, {tmb::kSrcAnd, 0x0C}, {tmb::kNotSrcCopy, 0xF0}, {tmb::kMergePaint, 0xFC},
               {tmb::kSrcPaint, 0x3C}};
  for (const auto& c : cases) {
    Block dst(64, 4), src(64, 4);
    std::fill(dst.bits.begin(), dst.bits.end(), 0x3C);
    std::fill(src.bits.begin(), src.bits.end(), 0x0F);
    dst.bitmap.RasterOp(src.bits.data(), 8, 1, 64, 3, c.op);
    EXPECT_EQ(dst.bits[1 * 8 + 1], c.expected) << std::hex << c.op;  // picture row 2, byte 1
    EXPECT_EQ(dst.bits[2 * 8 + 7], c.expected) << "right / 8 is cut to the row";
    EXPECT_EQ(dst.bits[1 * 8 + 0], 0x3C) << "left of the region";
    EXPECT_EQ(dst.bits[3 * 8 + 1], 0x3C) << "row 0 is above the region";
    EXPECT_EQ(dst.bits[0 * 8 + 1], 0x3C) << "row 3 is below it";
  }
}

TEST(MonoBitmap, RowCopiesTakeABandOfPictureRows) {
  Block dst(8, 4), src(8, 4);
  for (int y = 0; y < 4; ++y) src.bitmap.PutPixel(y, y, 0);
  dst.bitmap.CopyRows(src.bits.data(), 1, 3);
  EXPECT_NE(dst.bitmap.TestBit(0, 0), 0);
  EXPECT_EQ(dst.bitmap.TestBit(1, 1), 0);
  EXPECT_EQ(dst.bitmap.TestBit(2, 2), 0);
  EXPECT_NE(dst.bitmap.TestBit(3, 3), 0);
  dst.bitmap.CopyRows(src.bits.data(), -5, 50);
  dst.bitmap.CopyAllFrom(src.bits.data());
  EXPECT_EQ(dst.bits, src.bits);
}

TEST(TraceBuffer, AllocatesEveryListForTheCapacityAndFreesThem) {
  CTraceBuffer buffer;
  buffer.Free();
  buffer.Allocate(500);
  EXPECT_EQ(buffer.m_bAllocated, 1);
  EXPECT_EQ(buffer.m_pLite->m_nCapacity, 500);
  EXPECT_EQ(buffer.m_pPath->GetCapacity(), 500);
  EXPECT_EQ(buffer.m_runOffsets.size(), 500u);
  EXPECT_EQ(buffer.m_holeFlags.m_nCapacity, 500);
  buffer.Allocate(10);
  EXPECT_EQ(buffer.m_nCapacity, 10);
  buffer.Free();
  EXPECT_EQ(buffer.m_bAllocated, 0);
  EXPECT_EQ(buffer.m_pLite, nullptr);
  EXPECT_TRUE(buffer.m_runOffsets.empty());
}

}  // namespace
