#include "brush/outline/level_shaping.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "brush/outline/side_by_side_rounds.h"
#include "core/geometry/fpoint.h"
#include "core/record/char_data.h"

namespace {

constexpr int kSmoothMode = 13;
constexpr int kTapers = 14;
constexpr int kStyle = 37;
constexpr int kThinEndTapers = 42;
constexpr int kTaperFloor = 49;
constexpr int kAveragingPasses = 111;
// Bounds the averaging of a damaged file's huge pass count; far above any control's range.
constexpr int kMaxAveragingPasses = 1000;
constexpr int kNoSmoothing = 1;
constexpr int kAveraging = 3;
constexpr int kHalving = 2;
constexpr int kSingleSteps = 0;
constexpr int kRunStyle = 300;
constexpr int kTaperLength = 32;
constexpr int kThinLevel = 10;

int Sign(int v) { return (v > 0) - (v < 0); }

// Work arrays of the averaging passes, allocated once: the levels and their holds at
// even and at odd places, so that the entries one time of the passes works on lie side
// by side.
struct AveragingBuffers {
  static constexpr int kHalf = kMaxCharPoints / 2 + 1;
  std::unique_ptr<double[]> even = std::make_unique<double[]>(kHalf);
  std::unique_ptr<double[]> odd = std::make_unique<double[]>(kHalf);
  // All ones where a level stays, nothing where it moves: a mask of the level's bits.
  std::unique_ptr<uint64_t[]> evenHeld = std::make_unique<uint64_t[]>(kHalf);
  std::unique_ptr<uint64_t[]> oddHeld = std::make_unique<uint64_t[]>(kHalf);
};

AveragingBuffers& Buffers() {
  static AveragingBuffers buffers;
  return buffers;
}

// The level nearest to v, halves away from zero, within the byte: the library's rounding
// call cost as much as a pass.
int8_t RoundLevel(double v) { return static_cast<int8_t>(std::clamp(RoundDoubleHalfAway(v), -128, 127)); }

// Each pass sets every free level to the mean of its neighbours, in place; a level next
// to a stroke start (per stroke) or a link (otherwise) stays.
void AverageLevels(const CCharData& work, const uint8_t* links, int8_t* levels, bool perStroke) {
  const int n = work.m_nPoints;
  AveragingBuffers& b = Buffers();
  double* even = b.even.get();
  double* odd = b.odd.get();
  uint64_t* evenHeld = b.evenHeld.get();
  uint64_t* oddHeld = b.oddHeld.get();
  const uint8_t* f = work.m_pFlags.get();
  for (int m = 0; 2 * m < n; ++m) even[m] = levels[2 * m];
  for (int m = 0; 2 * m + 1 < n; ++m) odd[m] = levels[2 * m + 1];
  const auto held = [=](int i) -> uint64_t {
    const bool stays =
        perStroke ? (f[i] != 0 || f[i + 1] != 0 || f[i + 2] != 0) : (links[i - 1] || links[i] || links[i + 1]);
    return stays ? ~uint64_t{0} : 0;
  };
  for (int m = 1; 2 * m + 2 < n; ++m) evenHeld[m] = held(2 * m);
  for (int m = 0; 2 * m + 3 < n; ++m) oddHeld[m] = held(2 * m + 1);
  const int passes = std::clamp(work.m_param[kAveragingPasses], 0, kMaxAveragingPasses);
  // The passes of 15 over a character took a fifth of its rebuild one after the other.
  // Side by side, one time's levels are worked out together; the hold picks between the
  // level and the mean by their bits, which the processor does for two levels at once.
  const auto keep = [](uint64_t held, double level, double mean) {
    return std::bit_cast<double>((std::bit_cast<uint64_t>(level) & held) | (std::bit_cast<uint64_t>(mean) & ~held));
  };
  RunRoundsByHalves(1, n - 3, passes, [=](int parity, int low, int high) {
    if (parity == 0) {
      for (int m = low; m <= high; ++m) even[m] = keep(evenHeld[m], even[m], (odd[m - 1] + odd[m]) / 2);
    } else {
      for (int m = low; m <= high; ++m) odd[m] = keep(oddHeld[m], odd[m], (even[m] + even[m + 1]) / 2);
    }
  });
  for (int m = 0; 2 * m < n; ++m) levels[2 * m] = RoundLevel(even[m]);
  for (int m = 0; 2 * m + 1 < n; ++m) levels[2 * m + 1] = RoundLevel(odd[m]);
}

// A change of more than one level between neighbours is halved (mode 2) or cut to one
// level (mode 0). In mode 0 with a style of 300 or more a run first averages the steps in
// its first direction and limits every step once one goes against it.
void LimitSteps(const CCharData& work, const uint8_t* links, int8_t* levels, int mode) {
  const int n = work.m_nPoints;
  const bool runStyle = work.m_param[kStyle] >= kRunStyle;
  int direction = 0;  // 0: open
  bool against = false;
  for (int i = 1; i + 1 < n; ++i) {
    if (links[i - 1] && !links[i]) {
      direction = 0;
      against = false;
    }
    if (links[i - 1] || links[i]) continue;
    const int before = levels[i - 1];
    const int delta = levels[i] - before;
    if (std::abs(delta) <= 1) continue;
    int level = levels[i];
    if (mode == kHalving) {
      level = (before + level) / 2;
    } else if (mode == kSingleSteps) {
      if (!runStyle || against) {
        level = before + Sign(delta);
      } else if (direction == 0 || Sign(delta) == direction) {
        direction = Sign(delta);
        level = (before + level) / 2;
      } else {
        against = true;
        level = before + Sign(delta);
      }
    }
    levels[i] = static_cast<int8_t>(level);
  }
}

}  // namespace

void SmoothLevels(const CCharData& work, const uint8_t* links, int8_t* levels, bool perStroke) {
  const int mode = work.m_param[kSmoothMode];
  if (mode == kNoSmoothing) return;
  if (mode == kAveraging) {
    AverageLevels(work, links, levels, perStroke);
  } else {
    LimitSteps(work, links, levels, mode);
  }
}

void TaperLevels(const CCharData& work, const uint8_t* links, int8_t* levels) {
  const int n = work.m_nPoints;
  const int floor = work.m_param[kTaperFloor];
  const int tapers = work.m_param[kTapers];
  const bool startTapers = tapers == 1 || tapers == 3;
  const bool endTapers = tapers == 2 || tapers == 3;
  const bool thinEnds = work.m_param[kThinEndTapers] != 0;
  auto ramp = [&](int j, int k) {
    const int64_t value = int64_t{floor} + k;
    if (levels[j] <= value) return false;
    // A floor below the byte's range tapers to its lowest level instead of wrapping round.
    levels[j] = static_cast<int8_t>(std::max<int64_t>(value, INT8_MIN));
    return true;
  };
  if (startTapers || thinEnds) {
    for (int i = 0; i < n; ++i) {
      if (i > 0 && !links[i - 1]) continue;
      if (!startTapers && levels[i] >= kThinLevel) continue;
      for (int k = 0; k < kTaperLength; ++k) {
        const int j = i + k;
        if (j + 1 >= n || !ramp(j, k)) break;
      }
    }
  }
  if (!endTapers && !thinEnds) return;
  for (int i = n - 1; i >= 1; --i) {
    if (i != n - 1 && !links[i]) continue;
    if (!endTapers && levels[i - 1] >= kThinLevel) continue;
    for (int k = 0; k < kTaperLength; ++k) {
      const int j = i - 1 - k;
      if (j < 1 || !ramp(j, k)) break;
    }
  }
}
