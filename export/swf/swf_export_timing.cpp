#include "export/swf/swf_export_timing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultRate = 12;
constexpr int32_t kShortestDuration = 4;  // hundredths: 25 frames per second at most
constexpr int kCentiseconds = 100;

int32_t DurationOf(std::span<const int32_t> durations, int picture) {
  if (durations.empty()) return 0;
  return durations[std::min(size_t(picture), durations.size() - 1)];
}

int64_t Total(const SwfTiming& t) {
  int64_t n = 0;
  for (int q : t.repeats) n += q;
  for (int q : t.backRepeats) n += q;
  return n;
}

}  // namespace

SwfTiming ComputeSwfTiming(int mode, std::span<const int32_t> durations, int pictures, bool backAndForth) {
  SwfTiming t;
  pictures = std::max(pictures, 0);
  int64_t fixedRepeat = 1;
  if (mode == kSwfTimingFixedRate) {
    const int64_t first = std::max<int64_t>(DurationOf(durations, 0), kShortestDuration);
    t.rate = int(kCentiseconds / first);
    if (t.rate == 0) {
      t.rate = 1;
      fixedRepeat = first / kCentiseconds;
    }
  }
  auto repeatOf = [&](int p) -> int64_t {
    if (mode == kSwfTimingDurations) {
      const double x = double(DurationOf(durations, p)) * t.rate / kCentiseconds;
      return std::max<int64_t>(std::llround(x), 1);
    }
    return fixedRepeat;
  };
  for (int p = 0; p < pictures; ++p) t.repeats.push_back(int(std::min(repeatOf(p), kSwfMaxMovieFrames)));
  if (backAndForth) {
    for (int k = pictures - 2; k >= 1; --k) t.backRepeats.push_back(t.repeats[size_t(k)]);
  }
  const int64_t total = Total(t);
  if (total > kSwfMaxMovieFrames) {
    // Every picture keeps at least one frame (1,000 pictures forwards and back are 1,998):
    // the floor of each share plus that one frame stays within the limit.
    const double entries = double(t.repeats.size() + t.backRepeats.size());
    const double scale = (double(kSwfMaxMovieFrames) - entries) / double(total);
    for (int& q : t.repeats) q = std::max(1, int(q * scale));
    for (int& q : t.backRepeats) q = std::max(1, int(q * scale));
  }
  return t;
}
