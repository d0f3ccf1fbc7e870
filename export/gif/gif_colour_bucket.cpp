#include "export/gif/gif_colour_bucket.h"

#include "core/state/draw_state.h"

namespace {

constexpr int kHighColourBits = 16;
constexpr int kTopCell = kCellsPerChannel - 1;
constexpr int kTopCellOffset = 7;

}  // namespace

int CompareBucketCount(const CColourBucket& a, const CColourBucket& b) {
  const bool reservedA = a.m_nAssign == kBucketReserved;
  const bool reservedB = b.m_nAssign == kBucketReserved;
  if (reservedA != reservedB) return reservedA ? -1 : 1;
  if (a.m_nCount != b.m_nCount) return a.m_nCount > b.m_nCount ? -1 : 1;
  if (a.m_nNumber != b.m_nNumber) return a.m_nNumber < b.m_nNumber ? -1 : 1;
  return 0;
}

int BucketDistance(const CColourBucket& a, const CColourBucket& b) {
  int d = 0;
  for (int c = 0; c < 3; ++c) {
    const int delta = int(a.m_coord[c]) - int(b.m_coord[c]);
    d += delta * delta;
  }
  return d;
}

int BucketChannelOffset(const CColourBucket& bucket, int channel) {
  if (gDrawState.m_nDisplayBits == kHighColourBits) return bucket.m_coord[channel] == kTopCell ? kTopCellOffset : 0;
  if (bucket.m_nCount <= 0) return 0;
  return int(bucket.m_sum[channel] / bucket.m_nCount);
}
