#include "brush/outline/outline_state.h"

ParamBlock gOutlineParamCache{};
int gDropFlaggedPoints = 0;
std::array<float, kMaxCharPoints> gResampleX{};
std::array<float, kMaxCharPoints> gResampleY{};

void ResetOutlineEngine() {
  gOutlineParamCache.fill(0);
  gDropFlaggedPoints = 0;
  gResampleX.fill(0);
  gResampleY.fill(0);
}
