// Point helpers of the brush engine on a character record: dropping the temporary gap
// points and handing the points to the float buffer of the cursive shaping.
#include "core/geometry/fpoint.h"
#include "core/record/char_data.h"

namespace {

constexpr uint8_t kDropFlag = 255;

}  // namespace

void CCharData::DropFlaggedPoints() {
  const int n = m_nPoints;
  const uint8_t* flags = m_pFlags.get();
  int kept = 0;
  int i = 0;
  while (i < n) {
    if (flags[i] == kDropFlag) {
      ++i;
      continue;
    }
    // The points up to the next dropped one move down as a block.
    int end = i + 1;
    while (end < n && flags[end] != kDropFlag) ++end;
    CopyPointBlock(kept, *this, i, end - i);
    kept += end - i;
    i = end;
  }
  m_nPoints = kept;
}

void CCharData::FillFloatPoints(CFPoint* out, const float* xs, const float* ys, int useArrays) const {
  for (int i = 0; i < m_nPoints; ++i) {
    out[i] = useArrays ? CFPoint(xs[i], ys[i]) : CFPoint(float(m_pPoints[i].x), float(m_pPoints[i].y));
  }
}
