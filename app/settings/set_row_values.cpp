#include "app/settings/set_row_values.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int64_t kMaxValue = std::numeric_limits<int32_t>::max();
constexpr int32_t kLine = 1;
constexpr int32_t kPage = 10;

int32_t Clamp(int64_t v, int64_t low, int64_t high) { return int32_t(std::clamp(v, low, high)); }

}  // namespace

int32_t RowMaximum(int32_t v, int32_t maximum) {
  int64_t m = std::max<int64_t>(maximum, 1);
  if (m < v) m = (int64_t(v) / 10 + 1) * 10;
  return Clamp(m, 1, kMaxValue);
}

int RowPosition(int32_t v, int32_t maximum, int scale) {
  const int64_t m = std::max<int64_t>(maximum, 1);
  return Clamp(int64_t(v) * scale / m, 0, scale);
}

int32_t RowValueAfter(int code, int32_t value, int32_t maximum, int pos, int scale) {
  const int64_t m = std::max<int64_t>(maximum, 1);
  const int64_t v = value;
  // Values a file put outside 0..maximum come back into it.
  switch (code) {
    case kScrollLineLeft: return Clamp(v - kLine, 0, m);
    case kScrollLineRight: return Clamp(v + kLine, 0, m);
    case kScrollPageLeft: return Clamp(v - kPage, 0, m);
    case kScrollPageRight: return Clamp(v + kPage, 0, m);
    case kScrollThumbPosition:
    case kScrollThumbTrack: return Clamp(int64_t(std::clamp(pos, 0, scale)) * m / std::max(scale, 1), 0, m);
    case kScrollLeft: return 0;
    case kScrollRight: return int32_t(m);
    default: return -1;
  }
}
