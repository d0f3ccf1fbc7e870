// One cell of the 32 x 32 x 32 colour grid that the GIF colour quantizer counts pixels
// in, and the comparisons and colour the quantizer takes from a cell.
#pragma once

#include <cstdint>

// Cells per channel and the number of cells of the grid.
constexpr int kCellsPerChannel = 32;
constexpr int kColourBucketCount = kCellsPerChannel * kCellsPerChannel * kCellsPerChannel;
// How a bucket is assigned: free, reserved for its coarse region, or (any other value)
// the number of the bucket it was merged into.
constexpr int kBucketFree = -1;
constexpr int kBucketReserved = -2;

struct CColourBucket {
  int m_nNumber = 0;  // (r / 8) x 1024 + (g / 8) x 32 + b / 8
  int64_t m_nCount = 0;
  int m_nAssign = kBucketFree;
  int m_nPaletteIndex = 0;
  int64_t m_sum[3] = {};    // in-cell offsets (value - 8 x coordinate) of red, green, blue
  uint8_t m_coord[3] = {};  // red, green, blue cell coordinates, 0..31
};

// The bucket of a colour (COLORREF, red in the low byte).
inline int BucketNumberOf(uint32_t colour) {
  return int((colour & 0xF8) << 7 | (colour & 0xF800) >> 6 | (colour & 0xF80000) >> 19);
}

// The quantizer's order: -1 when a goes first, 1 when b does. Reserved buckets come before
// free ones, then larger counts, then lower bucket numbers, so the order never depends on
// the sorting routine.
int CompareBucketCount(const CColourBucket& a, const CColourBucket& b);
// Squared distance of the cell coordinates.
int BucketDistance(const CColourBucket& a, const CColourBucket& b);
// What is added to 8 x coordinate of channel (0 red, 1 green, 2 blue) when the bucket
// becomes a palette colour: the average in-cell offset of its pixels (0 for an empty
// bucket); on a 16-bit display 0, or 7 in the top cell so that white stays white.
int BucketChannelOffset(const CColourBucket& bucket, int channel);
