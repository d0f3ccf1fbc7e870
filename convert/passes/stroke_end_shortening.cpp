#include "convert/passes/stroke_end_shortening.h"

#include <algorithm>
#include <cstdint>

#include "convert/driver/path_resampling.h"
#include "core/path/stroke_work.h"

namespace {

constexpr float kSpacing = 1.0f;
constexpr int kEndRule = 5;
constexpr int kEndDistance2 = 2;

// The point after the stroke that starts at a: the next flag-1 point, or the count.
int NextStrokeStart(const CStrokePath& path, int a) {
  int j = a + 1;
  while (j < path.GetCount() && path.m_pFlags[j] != CStrokePath::kFlagStart) ++j;
  return j;
}

}  // namespace

void ShortenStrokeEnds(CStrokeWork& path, int m) {
  ResamplePath(path, kSpacing, kEndRule, kEndDistance2);
  if (m <= 0) return;
  CFPoint* p = path.m_pPoints;
  const int n = path.GetCount();
  // A path whose first point lacks its flag still starts a stroke there.
  for (int a = 0; a < n;) {
    const int next = NextStrokeStart(path, a);
    const int b = next - 1;
    const int length = b - a + 1;
    // In 64 bits: the count comes from a stored parameter.
    const int k = length - 2 * int64_t{m} < length / 2 ? length / 4 : m;
    std::fill(p + a, p + a + k, p[a + k]);
    std::fill(p + b - k + 1, p + b + 1, p[b - k]);
    a = next;
  }
}
