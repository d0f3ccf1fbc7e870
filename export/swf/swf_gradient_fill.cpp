#include "export/swf/swf_gradient_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/path/path_sequence.h"
#include "export/swf/swf_styles.h"

namespace {

constexpr int kMaxRatio = 255;
constexpr int kRadialMode = 1;
constexpr int kBoundsScaledMode = 2;

bool WeightTakesPart(int weightMode, int32_t weight) {
  if (weightMode == 0) return weight >= 0 && weight <= 100;
  return weightMode > 0 ? weight > 0 : weight >= 0;
}

}  // namespace

int BuildGradient(std::array<tmb::Colour, kSwfGradientColours>& colours, std::array<int, kSwfGradientColours>& ratios,
                  const CSequenceFrame& frame, const CSequenceGradient& settings) {
  std::array<int64_t, kSwfGradientColours> weights{};
  int n = 0;
  int64_t sum = 0;
  for (int k = 0; k < kSwfGradientColours; ++k) {
    const int32_t w = frame.weights[size_t(k)];
    if (!WeightTakesPart(settings.weightMode, w)) continue;
    colours[size_t(n)] = frame.gradient[size_t(k)];
    weights[size_t(n)] = w;
    sum += w;
    ++n;
  }
  int64_t before = 0;
  for (int j = 0; j < n; ++j) {
    int64_t ratio = 0;
    if (settings.weightMode == 0) {
      ratio = weights[size_t(j)] * kMaxRatio / 100;
    } else if (j == n - 1 && j > 0) {
      ratio = kMaxRatio;
    } else if (j > 0) {
      // Weights that add up to 0 leave no shares to take the middle of: spread evenly.
      const double share = sum > 0 ? double(2 * before + weights[size_t(j)]) * kMaxRatio / double(2 * sum)
                                   : double(j) * kMaxRatio / double(n - 1);
      ratio = std::llround(share);
    }
    ratios[size_t(j)] = int(std::clamp<int64_t>(ratio, 0, kMaxRatio));
    before += weights[size_t(j)];
  }
  return n;
}

std::unique_ptr<SwfStyle> MakeGradientFill(const CSequenceFrame& frame, const CSequenceGradient& settings,
                                           const tmb::Rect& bounds) {
  std::array<tmb::Colour, kSwfGradientColours> colours{};
  std::array<int, kSwfGradientColours> ratios{};
  const int n = BuildGradient(colours, ratios, frame, settings);
  if (n == 0) return nullptr;
  SwfGradient gradient;
  for (int j = 0; j < n; ++j) gradient.records.push_back({ratios[size_t(j)], SwfColour::FromColorRef(colours[size_t(j)])});
  const double width = double(bounds.right) - bounds.left, height = double(bounds.bottom) - bounds.top;
  // The gradient square is 32,768 twips wide: a scale of 2 x length in 16.16 fixed point
  // stretches it over length twips.
  const int32_t diagonal = int32_t(2 * std::hypot(width, height));
  int32_t scaleX = diagonal, scaleY = diagonal;
  if (settings.mode == kBoundsScaledMode) {
    scaleX = int32_t(width);
    scaleY = int32_t(height);
  }
  const int32_t centreX = int32_t(std::lround((double(bounds.left) + bounds.right) / 2));
  const int32_t centreY = int32_t(std::lround((double(bounds.top) + bounds.bottom) / 2));
  const SwfMatrix matrix(true, scaleX, scaleY, false, 0, 0, centreX, centreY);
  return std::make_unique<SwfGradientFillStyle>(settings.mode != kRadialMode, matrix, std::move(gradient));
}
