#include "convert/passes/work_path_smoothing.h"

#include <algorithm>
#include <vector>

#include "core/path/stroke_work.h"
#include "core/record/param_block.h"

namespace {

constexpr int kPasses = 0;
constexpr int kMode = 11;
constexpr int kHalveStrength = 234;
constexpr uint8_t kJunctionFirst = 55;
constexpr uint8_t kJunctionLast = 59;
constexpr uint8_t kJunctionRewritten = 50;
constexpr uint8_t kCorner = 3;

bool Selected(int mode, const uint8_t* flags, const std::vector<uint8_t>& protect, int i, int pass) {
  switch (mode) {
    case kSmoothAll:
      return true;
    case kSmoothInsideRuns:
      return flags[i + 1] == 0 && flags[i + 2] == 0;
    case kSmoothBeforeRuns:
      return flags[i + 2] == 0;
    case kSmoothContinuations:
      return flags[i + 1] == 0;
    case kSmoothUnprotected:
      return protect[i] == 0 && protect[i + 1] == 0 && (flags[i] != kCorner || pass % 2 == 1);
    default:
      return false;
  }
}

}  // namespace

void SmoothWorkPath(CStrokeWork& path) {
  const int n = path.GetCount();
  uint8_t* flags = path.m_pFlags;
  std::vector<uint8_t> protect(static_cast<size_t>(std::max(n, 0)), 0);
  for (int i = 0; i + 2 < n; ++i) {
    if (flags[i + 1] < kJunctionFirst || flags[i + 1] > kJunctionLast) continue;
    protect[i] = protect[i + 1] = 1;
    if (flags[i + 1] == kJunctionLast) flags[i + 1] = kJunctionRewritten;
  }
  int w = CursiveStrength(path.m_param);
  if (path.m_param[kHalveStrength] != 0) w /= 2;
  const double r = w / 100.0;
  const int mode = path.m_param[kMode];
  CFPoint* p = path.m_pPoints;
  for (int pass = 0; pass < path.m_param[kPasses]; ++pass) {
    for (int i = 0; i + 2 < n; ++i) {
      if (!Selected(mode, flags, protect, i, pass)) continue;
      const double mx = (double(p[i].x) + p[i + 2].x) / 2;
      const double my = (double(p[i].y) + p[i + 2].y) / 2;
      if (w == 100) {
        p[i + 1] = CFPoint(static_cast<float>(mx), static_cast<float>(my));
      } else {
        p[i + 1] = CFPoint(static_cast<float>(r * mx + (1 - r) * p[i + 1].x),
                           static_cast<float>(r * my + (1 - r) * p[i + 1].y));
      }
    }
  }
}
