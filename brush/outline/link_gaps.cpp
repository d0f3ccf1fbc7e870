// Gap filling for cursive type 4: temporary points along the jump from each stroke's end
// to the next stroke's start take part in the cursive shaping, so that short jumps are
// smoothed through, and are dropped again afterwards (they carry flag 255).
#include <cmath>

#include "brush/outline/outline_state.h"
#include "brush/outline/point_rebuild.h"
#include "core/record/char_data.h"

namespace {

constexpr uint8_t kGapFlag = 255;

// from + g x t / length for 0 <= t < length, which lies between the gap's ends. With |g|
// below 2^31 and length below 2^32 the product fits in 64 bits; ends farther apart need 128.
int Along(int from, int64_t g, int64_t t, int64_t length) {
  if (g >= -INT32_MAX && g <= INT32_MAX && length <= INT64_C(0xFFFFFFFF)) {
    return static_cast<int>(from + g * t / length);
  }
  return static_cast<int>(from + static_cast<int64_t>(__int128{g} * t / length));
}

}  // namespace

void CCharData::FillLinkGaps(int step, int repeat, int mode) {
  if (step <= 0 || repeat == 0 || m_nPoints <= 0) return;
  const float* fx = gResampleX.data();
  const float* fy = gResampleY.data();
  const int n = m_nPoints;
  const uint8_t* flags = m_pFlags.get();
  PointRebuild out;
  bool full = false;
  for (int first = 0; first < n && !full;) {
    // The points up to the next stroke start go over as one run; the gap follows its last.
    int i = first;
    while (i + 1 < n && flags[i + 1] == 0) ++i;
    full = !out.AppendRun(*this, first, i - first + 1, fx, fy);
    first = i + 1;
    if (full || i + 1 >= n) continue;
    const tmb::Point a = m_pPoints[i];
    const tmb::Point b = m_pPoints[i + 1];
    const int64_t gx = int64_t{b.x} - a.x;
    const int64_t gy = int64_t{b.y} - a.y;
    const int64_t length = static_cast<int64_t>(std::floor(std::hypot(double(gx), double(gy)) + 0.5));
    if (length == 0) continue;
    const double fdx = double(fx[i + 1]) - fx[i];
    const double fdy = double(fy[i + 1]) - fy[i];
    const double flength = std::hypot(fdx, fdy);
    // Offsets in [repeat x step, length - repeat x step) are left out.
    const int64_t skipFrom = int64_t{repeat} * step;
    const int64_t skipTo = length - skipFrom;
    int64_t t = mode == 2 || mode == 3 ? 0 : step;
    while (t < length && !full) {
      if (skipFrom <= t && t < skipTo) {
        t += (skipTo - t + step - 1) / step * step;
        continue;
      }
      const tmb::Point at{Along(a.x, gx, t, length), Along(a.y, gy, t, length)};
      float ex = float(at.x), ey = float(at.y);
      if (flength > 0) {
        ex = static_cast<float>(fx[i] + fdx * double(t) / flength);
        ey = static_cast<float>(fy[i] + fdy * double(t) / flength);
      }
      full = !out.AppendAt(*this, i, at, kGapFlag, ex, ey);
      t += step;
    }
    if (!full && (mode == 1 || mode == 3)) full = !out.AppendAt(*this, i + 1, b, kGapFlag, fx[i + 1], fy[i + 1]);
  }
  out.CopyTo(*this);
  out.CopyFloatsTo(gResampleX.data(), gResampleY.data());
}
