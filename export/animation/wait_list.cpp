#include "export/animation/wait_list.h"

#include <algorithm>

int FillWaitList(std::span<int32_t> waits, const SimpleWaits& simple, int count) {
  count = std::clamp(count, 0, int(waits.size()));
  if (count == 0) return 0;
  const auto [first, middle, last] = simple;
  waits[0] = first;
  for (int i = 1; i < count - 1; ++i) waits[size_t(i)] = middle;
  waits[size_t(count - 1)] = last;
  return count;
}

int FillWaitList3(std::span<int32_t> waits, int first, int middle, int last, int count) {
  return FillWaitList(waits, {first, middle, last}, count);
}

void SpreadWaits(std::span<int32_t> waits, std::span<const int> selected) {
  int lo = -1, hi = -1, inside = 0;
  for (int i : selected) {
    if (i < 0 || i >= int(waits.size())) continue;
    lo = inside == 0 ? i : std::min(lo, i);
    hi = inside == 0 ? i : std::max(hi, i);
    ++inside;
  }
  if (inside < 2 || hi - lo < 2) return;
  const int64_t from = waits[size_t(lo)], to = waits[size_t(hi)];
  for (int i = lo + 1; i < hi; ++i) waits[size_t(i)] = int32_t(from + (to - from) * (i - lo) / (hi - lo));
}

void FillNewFrameWaits(std::span<int32_t> waits, int count) {
  count = std::clamp(count, 0, int(waits.size()));
  for (int i = 0; i < count; ++i) {
    if (waits[size_t(i)] == 0) waits[size_t(i)] = kNewFrameWait;
  }
}
