#include "views/stepped_display.h"

#include <algorithm>

namespace {

// Positions in kParams.
constexpr int kLinkIndex = 2;
constexpr int kWidthIndex = 3;
constexpr int kExtraIndex = 6;  // parameter 201
constexpr int kLinkStartMax = 8;
constexpr int kExtraStart = 4;

}  // namespace

int RoundHalfUp(double x) { return int(2 * x) - int(x); }

CSteppedDisplay::CSteppedDisplay(ParamBlock& params) : params_(params) {
  for (size_t k = 0; k < kParams.size(); ++k) targets_[k] = params_[size_t(kParams[k])];
  starts_[1] = targets_[1] > 1 ? 1 : 0;
  starts_[kLinkIndex] = std::min(targets_[kLinkIndex] / 2, kLinkStartMax);
  starts_[4] = targets_[4] / 4;
  starts_[kExtraIndex] = kExtraStart;
}

CSteppedDisplay::~CSteppedDisplay() {
  for (size_t k = 0; k < kParams.size(); ++k) params_[size_t(kParams[k])] = targets_[k];
}

int CSteppedDisplay::StepCount() const { return std::min(std::max(targets_[0], targets_[1]), kMaxSteps); }

void CSteppedDisplay::Apply(int i, int n) {
  if (n <= 0) return;
  for (int k = 0; k < int(kParams.size()); ++k) {
    if (k == kLinkIndex || k == kWidthIndex) continue;
    const int s = starts_[size_t(k)], t = targets_[size_t(k)];
    if (t <= s) continue;
    params_[size_t(kParams[size_t(k)])] = s + RoundHalfUp(double(i) * (t - s) / n);
  }
}
